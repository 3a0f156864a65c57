#include "console/status_bar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"
#include "world/rooms.h"

namespace {

class StatusBarTest : public ::testing::Test {
 protected:
  StatusBarTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(12, 1);
  }
  std::string Row(int row) const { return Utf8FromCp850(console.ShownRow(row)); }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(StatusBarTest, BlackOnGreenRowsAndTheCursorBackOnItsRow) {
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(1), " Quendelmar" + std::string(26, ' ') + "* N *   Besitz" + std::string(15, ' ') +
                        "Punkte: 0" + std::string(5, ' '));
  EXPECT_EQ(Row(2), " - Edition 2 -" + std::string(23, ' ') + "W X O" + std::string(38, ' '));
  EXPECT_EQ(Row(3), std::string(37, ' ') + "* S *   Befehle" + std::string(14, ' ') + "Züge:   0" +
                        std::string(5, ' '));
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 80; ++col) EXPECT_EQ(console.ShownCell(row, col).bg, kGreen) << row << "," << col;
  }
  EXPECT_EQ(console.ShownCell(1, 2).fg, kBlack);
  EXPECT_EQ(console.ShownCell(3, 46).fg, kBlack);
  EXPECT_EQ(console.ShownCell(2, 40).fg, kLightGrey);  // the X
  EXPECT_EQ(std::pair(console.CursorRow(), console.CursorCol()), std::pair(12, 1));
  EXPECT_EQ(std::pair(console.Foreground(), console.Background()), std::pair(int{kLightGrey}, int{kBlack}));
  EXPECT_FALSE(console.CursorVisible());
}

TEST_F(StatusBarTest, PrologShowsOnlyOnTheFirstDrawing) {
  console.SetColours(kBlack, kGreen);
  DrawStatusTemplate(session, console);
  EXPECT_EQ(Row(3).substr(0, 8), " Prolog ");
  EXPECT_EQ(console.CursorRow(), 4);
  RedrawStatusBar(session, console);
  session.place_name = "Am Waldeingang";
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(3).substr(0, 16), " Am Waldeingang ");
  session.place_name.clear();
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(3).substr(0, 8), "        ");
}

TEST_F(StatusBarTest, NumbersStandBetweenBlanksAndLeaveNoStaleDigits) {
  session.score = 12345;
  session.move_count = session.moves_at_prompt = 12345;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(1).substr(66), "Punkte: 12345 ");
  EXPECT_EQ(Row(3).substr(66), "Züge:   12345 ");
  EXPECT_EQ(session.score_shown, 12345);
  session.score = 7;
  session.move_count = 2;
  console.SetColours(kBlack, kGreen);
  DrawStatusValues(session, console);  // without the template
  EXPECT_EQ(Row(1).substr(73), " 7     ");
  EXPECT_EQ(console.ShownRow(3).substr(73), " 2     ");
  // A larger number is simply written over the old one.
  session.move_count = 40;
  DrawStatusValues(session, console);
  EXPECT_EQ(console.ShownRow(3).substr(73), " 40    ");
  EXPECT_EQ(NumberText(-4), "-4 ");
}

// Each point is white where a way leads on, black where none does; the wolf
// on the bridge, the bees on their meadow and the shut door make theirs red.
TEST_F(StatusBarTest, TheCompassShowsTheWaysOutOfEveryRoom) {
  const std::pair<const char*, std::pair<int, int>> points[] = {
      {"nordwest", {1, 38}}, {"nord", {1, 40}}, {"nordost", {1, 42}}, {"west", {2, 38}},
      {"ost", {2, 42}},      {"südwest", {3, 38}}, {"süd", {3, 40}},   {"südost", {3, 42}},
  };
  const std::set<std::pair<int, std::string>> blocked = {{7, "nord"}, {4, "südwest"}, {11, "west"}};
  for (const int obstacles : {1, 0}) {
    session.wolf_gone = session.bees_at_jar = session.door_open = 1 - obstacles;
    for (int room = 1; room <= 14; ++room) {
      session.current_room = room;
      RedrawStatusBar(session, console);
      for (const auto& [way, cell] : points) {
        const int colour = ExitTarget(room, Cp850(way)) == 0                  ? kBlack
                           : obstacles == 1 && blocked.contains({room, way}) ? kRed
                                                                             : kWhite;
        EXPECT_EQ(console.ShownCell(cell.first, cell.second).fg, colour) << room << " " << way;
      }
    }
  }
}

}  // namespace
