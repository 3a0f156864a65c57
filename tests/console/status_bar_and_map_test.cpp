// The status bar; the map's shifts and edges, and the screen it leaves (what it shows in play is in
// console_line_mode.txt).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "console/map_display.h"
#include "console/scripted_frontend.h"
#include "console/status_bar.h"
#include "world/encoding.h"
#include "world/rooms.h"

namespace {

// Keeps the screen as it is shown at the last wait for a key.
class CapturingFrontend : public ScriptedFrontend {
 public:
  InputEvent Wait(const Console& console, WaitKind kind) override {
    if (kind == WaitKind::kAnyKey) shown = console.Buffer(console.ShownBuffer());
    return ScriptedFrontend::Wait(console, kind);
  }
  ScreenBuffer shown;
};

class StatusBarTest : public ::testing::Test {
 protected:
  StatusBarTest() : console(frontend) { SetInitialValues(session), console.SetCursor(12, 1); }
  std::string Row(int row) const { return Utf8FromCp850(console.ShownRow(row)); }
  // Shows the map of a new game for the visited rooms, standing in `current`.
  void Show(const std::vector<int>& visited, int current) {
    SetInitialValues(session = GameSession{}), session.accent_colour = kGreen;
    for (const int room : visited) VisitedFlag(session, room) = 1;
    session.current_room = current;
    frontend.Key(' ');
    ShowMap(session, console);
  }
  // `count` characters the map showed in a row, from a column on.
  std::string Text(int row, int col, int count) const {
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>(frontend.shown[(row - 1) * kScreenCols + col + i - 1].ch);
    return Utf8FromCp850(text);
  }

  CapturingFrontend frontend;
  Console console;
  GameSession session;
};
using MapDisplayTest = StatusBarTest;

TEST_F(StatusBarTest, TheBarFillsItsRowsAndTheCursorGoesBack) {
  RedrawStatusBar(session, console);
  EXPECT_EQ(console.ShownCell(3, 80).bg, kGreen);
  EXPECT_EQ(std::tuple(console.CursorRow(), console.CursorCol(), console.CursorVisible()), std::tuple(12, 1, false));
  EXPECT_EQ(std::pair(console.Foreground(), console.Background()), std::pair(int{kLightGrey}, int{kBlack}));
}

TEST_F(StatusBarTest, PrologShowsOnlyOnTheFirstDrawing) {
  console.SetColours(kBlack, kGreen);
  DrawStatusTemplate(session, console);
  EXPECT_EQ(std::pair(Row(3).substr(0, 8), console.CursorRow()), std::pair(std::string(" Prolog "), 4));
  RedrawStatusBar(session, console);
  EXPECT_EQ(Row(3).substr(0, 8), "        ");
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

// Which places are shown, and the current one in the accent colour, whole_game_test.cpp sees; a key brings the
// screen back exactly, colours too, and the cursor one row up (where the next prompt goes).
TEST_F(MapDisplayTest, AKeyBringsTheScreenBackExactly) {
  console.SetColours(kYellow, kBlack);
  for (int row = 4; row <= 20; ++row) console.WriteAt(row, 1, "Zeile " + std::to_string(row));
  console.SetCursor(21, 7);
  const ScreenBuffer before = console.Buffer(0);
  Show({1, 2, 3, 7}, 7);
  EXPECT_EQ(console.Buffer(0), before);
  EXPECT_EQ(std::tuple(console.CursorRow(), console.Foreground(), console.Background()),
            std::tuple(20, int{kGreen}, int{kBlack}));
}

// The rules of each shift override each other in order; where no column rule applies, the start's 0 stays.
// A box past the right edge is cut off without scrolling.
TEST_F(MapDisplayTest, ShiftRulesOverrideEachOtherInOrder) {
  const std::tuple<std::vector<int>, int, int> cases[] = {
      {{1}, 10, 7},                 {{1, 2}, 7, 7},           {{1, 2, 3, 7}, 3, 0},         {{1, 2, 3, 4}, 5, 1},
      {{1, 2, 3, 7, 8}, 3, 1},      {{1, 2, 3, 4, 5}, 5, -7}, {{1, 2, 3, 13, 6}, 5, 12},    {{1, 2, 3, 4, 6}, 5, 8},
      {{1, 2, 3, 7, 8, 9}, 3, -4},  {{1, 2, 3, 4, 5, 6}, 5, 0}, {{1, 2, 3, 7, 8, 9, 6}, 3, 0},
      {{1, 2, 3, 7, 10, 11}, 0, 0},
  };
  for (const auto& [visited, row_shift, col_shift] : cases) {
    Show(visited, 1);
    EXPECT_EQ(std::pair(session.map_row_shift, session.map_col_shift), std::pair(row_shift, col_shift)) << row_shift;
  }
  Show({1, 2, 3, 4, 5, 13}, 13);  // well and clearing seen, honey stand not: the clearing reaches column 81
  EXPECT_EQ(Text(14, 65, 16) + "|" + Text(15, 66, 15), "┌───────────────|An der Lichtung");
}

}  // namespace
