// The map's colours, shifts and edges; what it shows in play is in the
// transcript console_line_mode.txt.
#include "console/map_display.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"
#include "world/rooms.h"

namespace {

// Keeps the screen as it is shown at each wait for a key.
class CapturingFrontend : public ScriptedFrontend {
 public:
  InputEvent Wait(const Console& console, WaitKind kind) override {
    if (kind == WaitKind::kAnyKey) screens.push_back(console.Buffer(console.ShownBuffer()));
    return ScriptedFrontend::Wait(console, kind);
  }
  std::vector<ScreenBuffer> screens;
};

class MapDisplayTest : public ::testing::Test {
 protected:
  MapDisplayTest() : console(frontend) {
    SetInitialValues(session);
    session.accent_colour = kGreen;
  }
  // Shows the map for the visited rooms, standing in `current`.
  void Show(const std::vector<int>& visited, int current) {
    for (const int room : visited) VisitedFlag(session, room) = 1;
    session.current_room = current;
    frontend.Key(' ');
    ShowMap(session, console);
    map = frontend.screens.back();
  }
  const Cell& At(int row, int col) const { return map[(row - 1) * kScreenCols + col - 1]; }
  std::string Text(int row, int col, size_t length) const {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>(At(row, col + static_cast<int>(i)).ch);
    return Utf8FromCp850(text);
  }

  CapturingFrontend frontend;
  Console console;
  GameSession session;
  ScreenBuffer map{};
};

TEST_F(MapDisplayTest, TheCurrentPlaceIsInTheAccentColourTheHeaderOnIt) {
  Show({1, 2, 3, 7}, 7);  // the picture of "Die Karte behält ihre Verschiebung" in console_line_mode.txt
  for (int col = 40; col < 57; ++col) {  // the boxes at the bridge (current) and at the forest entrance
    for (int row = 8; row <= 10; ++row) EXPECT_EQ(At(row, col), (Cell{At(row, col).ch, kGreen, kBlack}));
    for (int row = 20; row <= 22; ++row) EXPECT_EQ(At(row, col).fg, kLightGrey) << row << "," << col;
  }
  EXPECT_EQ(At(7, 48), (Cell{0xB3, kLightGrey, kBlack}));  // the line above it, │
  for (int row = 1; row <= 2; ++row) {
    for (int col = 1; col <= kScreenCols; ++col) EXPECT_EQ(At(row, col), (Cell{At(row, col).ch, kLightGrey, kGreen}));
  }
}

// The rules of each shift override each other in order; where no column
// rule applies, the shift of program start (0) stays.
TEST_F(MapDisplayTest, ShiftRulesOverrideEachOtherInOrder) {
  const std::tuple<std::vector<int>, int, int> cases[] = {
      {{1}, 10, 7},                 {{1, 2}, 7, 7},           {{1, 2, 3, 7}, 3, 0},         {{1, 2, 3, 4}, 5, 1},
      {{1, 2, 3, 7, 8}, 3, 1},      {{1, 2, 3, 4, 5}, 5, -7}, {{1, 2, 3, 13, 6}, 5, 12},    {{1, 2, 3, 4, 6}, 5, 8},
      {{1, 2, 3, 7, 8, 9}, 3, -4},  {{1, 2, 3, 4, 5, 6}, 5, 0}, {{1, 2, 3, 7, 8, 9, 6}, 3, 0},
      {{1, 2, 3, 7, 10, 11}, 0, 0},
  };
  for (const auto& [visited, row_shift, col_shift] : cases) {
    session = GameSession{};
    SetInitialValues(session);
    Show(visited, 1);
    EXPECT_EQ(std::pair(session.map_row_shift, session.map_col_shift), std::pair(row_shift, col_shift)) << row_shift;
  }
}

TEST_F(MapDisplayTest, ABoxPastTheRightEdgeIsCutOffWithoutScrolling) {
  // Well and clearing seen, honey stand not: the clearing's box reaches column 81.
  Show({1, 2, 3, 4, 5, 13}, 13);
  EXPECT_EQ(session.map_col_shift, -7);
  EXPECT_EQ(Text(14, 65, 16), "┌───────────────");
  EXPECT_EQ(Text(15, 66, 15), "An der Lichtung");
  EXPECT_EQ(Text(1, 1, 80), std::string(34, ' ') + "Quendelmar" + std::string(36, ' '));
}

TEST_F(MapDisplayTest, TheScreenComesBackExactlyWithTheCursorOneRowUp) {
  console.SetColours(kYellow, kBlack);
  for (int row = 4; row <= 20; ++row) {
    console.SetCursor(row, 1);
    console.Write("Zeile " + std::to_string(row));
  }
  console.SetCursor(21, 7);
  const ScreenBuffer before = console.Buffer(0);
  Show({1, 2}, 2);
  EXPECT_EQ(console.Buffer(0), before);
  EXPECT_EQ(console.CursorRow(), 20);
  EXPECT_EQ(std::pair(console.Foreground(), console.Background()), std::pair(int{kGreen}, int{kBlack}));
}

}  // namespace
