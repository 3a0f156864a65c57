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
  StatusBarTest() : console(frontend) { SetInitialValues(session), console.SetCursor(12, 1); }
  std::string Row(int row) const { return Utf8FromCp850(console.ShownRow(row)); }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(StatusBarTest, BlackOnGreenRowsAndTheCursorBackOnItsRow) {
  RedrawStatusBar(session, console);
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 80; ++col) EXPECT_EQ(console.ShownCell(row, col).bg, kGreen) << row << "," << col;
  }
  EXPECT_EQ(console.ShownCell(2, 40).fg, kLightGrey);  // the X
  EXPECT_EQ(std::tuple(console.CursorRow(), console.CursorCol(), console.CursorVisible()), std::tuple(12, 1, false));
  EXPECT_EQ(std::pair(console.Foreground(), console.Background()), std::pair(int{kLightGrey}, int{kBlack}));
}

TEST_F(StatusBarTest, PrologShowsOnlyOnTheFirstDrawing) {
  console.SetColours(kBlack, kGreen);
  DrawStatusTemplate(session, console);
  EXPECT_EQ(std::pair(Row(3).substr(0, 8), console.CursorRow()), std::pair(std::string(" Prolog "), 4));
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(3).substr(0, 8), "        ");
  session.place_name = "Am Waldeingang";
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(3).substr(0, 16), " Am Waldeingang ");
}

TEST_F(StatusBarTest, NumbersStandBetweenBlanksAndLeaveNoStaleDigits) {
  session.score = session.move_count = session.moves_at_prompt = 12345;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(1).substr(66) + "|" + Row(3).substr(66), "Punkte: 12345 |Züge:   12345 ");
  EXPECT_EQ(session.score_shown, 12345);
  session.score = 7, session.move_count = 2;
  console.SetColours(kBlack, kGreen);
  DrawStatusValues(session, console);  // without the template
  EXPECT_EQ(console.ShownRow(1).substr(73) + "|" + console.ShownRow(3).substr(73), " 7     | 2     ");
  session.move_count = 40;  // a larger number is simply written over the old one
  DrawStatusValues(session, console);
  EXPECT_EQ(console.ShownRow(3).substr(73), " 40    ");
  EXPECT_EQ(NumberText(-4), "-4 ");
}

// Each point is white where a way leads on, black where none does; wolf, bees and the shut door make theirs red.
TEST_F(StatusBarTest, TheCompassShowsTheWaysOutOfEveryRoom) {
  const char* const ways[] = {"nordwest", "nord", "nordost", "west", "", "ost", "südwest", "süd", "südost"};
  const std::set<std::pair<int, std::string>> blocked = {{7, "nord"}, {4, "südwest"}, {11, "west"}};
  for (const int obstacles : {1, 0}) {
    session.wolf_gone = session.bees_at_jar = session.door_open = 1 - obstacles;
    for (int room = 1; room <= 14; ++room) {
      session.current_room = room;
      RedrawStatusBar(session, console);
      for (int i = 0; i < 9; ++i) {  // the points stand in a grid of 3 x 3 around the X
        if (i == 4) continue;
        const bool red = obstacles == 1 && blocked.contains({room, ways[i]});
        const int colour = ExitTarget(room, Cp850(ways[i])) == 0 ? kBlack : red ? kRed : kWhite;
        EXPECT_EQ(console.ShownCell(1 + i / 3, 38 + 2 * (i % 3)).fg, colour) << room << " " << ways[i];
      }
    }
  }
}

}  // namespace
