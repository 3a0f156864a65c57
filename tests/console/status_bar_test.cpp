#include "console/status_bar.h"

#include <gtest/gtest.h>

#include <map>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"

namespace {

class StatusBarTest : public ::testing::Test {
 protected:
  StatusBarTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(12, 1);
  }
  std::string Row(int row) const { return Utf8FromCp850(console.ShownRow(row)); }
  // The colour of each compass point, keyed by its code.
  std::map<std::string, int> Compass() const {
    const std::pair<std::string, std::pair<int, int>> points[] = {
        {"nw", {1, 38}}, {"n", {1, 40}}, {"no", {1, 42}}, {"w", {2, 38}},
        {"o", {2, 42}},  {"sw", {3, 38}}, {"s", {3, 40}}, {"so", {3, 42}},
    };
    std::map<std::string, int> colours;
    for (const auto& [code, cell] : points) colours[code] = console.ShownCell(cell.first, cell.second).fg;
    return colours;
  }
  std::map<std::string, int> Expected(std::initializer_list<std::string> white,
                                      std::initializer_list<std::string> red = {}) const {
    std::map<std::string, int> colours;
    for (const char* code : {"nw", "n", "no", "w", "o", "sw", "s", "so"}) colours[code] = kBlack;
    for (const std::string& code : white) colours[code] = kWhite;
    for (const std::string& code : red) colours[code] = kRed;
    return colours;
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(StatusBarTest, TemplateRowsSitAtTheirColumns) {
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(1), " Quendelmar" + std::string(26, ' ') + "* N *   Besitz" + std::string(15, ' ') +
                        "Punkte: 0" + std::string(5, ' '));
  EXPECT_EQ(Row(2), " - Edition 2 -" + std::string(23, ' ') + "W X O" + std::string(38, ' '));
  EXPECT_EQ(Row(3), std::string(37, ' ') + "* S *   Befehle" + std::string(14, ' ') + "Züge:   0" +
                        std::string(5, ' '));
  for (int col = 1; col <= 80; ++col) {
    EXPECT_EQ(console.ShownCell(2, col).bg, kGreen) << col;
  }
  EXPECT_EQ(console.ShownCell(1, 2).fg, kBlack);
  EXPECT_EQ(console.ShownCell(2, 40).fg, kLightGrey);  // the X
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

TEST_F(StatusBarTest, RedrawKeepsTheCursorRowAndLeavesGreyOnBlack) {
  RedrawStatusBar(session, console);
  EXPECT_EQ(console.CursorRow(), 12);
  EXPECT_EQ(console.CursorCol(), 1);
  EXPECT_EQ(console.Foreground(), kLightGrey);
  EXPECT_EQ(console.Background(), kBlack);
  EXPECT_FALSE(console.CursorVisible());
}

TEST_F(StatusBarTest, ScoreAndMovesAreNumbersWithBlanksAround) {
  session.score = 12;
  session.move_count = 345;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(1).substr(66), "Punkte: 12    ");
  EXPECT_EQ(Row(3).substr(66), "Züge:   345   ");
  EXPECT_EQ(session.score_shown, 12);
}

TEST_F(StatusBarTest, SmallerNumbersLeaveNoStaleDigits) {
  session.score = 12345;
  session.move_count = 12345;
  session.moves_at_prompt = 12345;
  RedrawStatusBar(session, console);
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
}

struct CompassCase {
  int room;
  std::initializer_list<std::string> white;
};

TEST_F(StatusBarTest, CompassShowsTheExitsOfEveryRoom) {
  session.wolf_gone = 1;
  session.bees_at_jar = 1;
  const CompassCase cases[] = {
      {1, {"n"}},       {2, {"n", "s"}}, {3, {"n", "s", "w", "no", "so"}}, {4, {"sw", "o"}},
      {5, {"no"}},      {6, {"sw"}},     {7, {"n", "s", "w"}},             {8, {"w", "o"}},
      {9, {"o"}},       {10, {"n", "s"}}, {12, {}},                        {13, {"nw"}},
      {14, {}},
  };
  for (const CompassCase& c : cases) {
    session.current_room = c.room;
    RedrawStatusBar(session, console);
    EXPECT_EQ(Compass(), Expected(c.white)) << "room " << c.room;
  }
}

TEST_F(StatusBarTest, TheWolfBlocksNorthInRedUntilHeHasGone) {
  session.current_room = 7;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"s", "w"}, {"n"}));
  session.wolf_gone = 1;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"n", "s", "w"}));
}

TEST_F(StatusBarTest, TheShutDoorIsRedAndTheOpenDoorWhite) {
  session.current_room = 11;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"s"}, {"w"}));
  session.door_open = 1;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"s", "w"}));
}

TEST_F(StatusBarTest, TheBeesBlockTheWaySouthWestUntilTheyHaveTheJar) {
  session.current_room = 4;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"o"}, {"sw"}));
  session.bees_at_jar = 1;
  RedrawStatusBar(session, console);
  EXPECT_EQ(Compass(), Expected({"o", "sw"}));
}

TEST(NumberText, HasABlankOnEachSide) {
  EXPECT_EQ(NumberText(0), " 0 ");
  EXPECT_EQ(NumberText(30), " 30 ");
  EXPECT_EQ(NumberText(-4), "-4 ");
}

}  // namespace
