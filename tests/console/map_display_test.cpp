// The map's colours, shifts and edges; what it shows in play is in the transcript console_line_mode.txt.
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
  MapDisplayTest() : console(frontend) {}
  // Shows the map of a new game for the visited rooms, standing in `current`.
  void Show(const std::vector<int>& visited, int current) {
    SetInitialValues(session = GameSession{}), session.accent_colour = kGreen;
    for (const int room : visited) VisitedFlag(session, room) = 1;
    session.current_room = current;
    frontend.Key(' ');
    ShowMap(session, console);
  }
  const Cell& At(int row, int col) const { return frontend.screens.back()[(row - 1) * kScreenCols + col - 1]; }
  std::string Text(int row, int col, size_t length) const {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>(At(row, col + static_cast<int>(i)).ch);
    return Utf8FromCp850(text);
  }

  CapturingFrontend frontend;
  Console console;
  GameSession session;
};

// The current place is in the accent colour, the header on it; a key brings the screen back exactly, the
// cursor one row up (where the next prompt goes).
TEST_F(MapDisplayTest, TheCurrentPlaceIsInTheAccentColourAndTheScreenComesBackExactly) {
  console.SetColours(kYellow, kBlack);
  for (int row = 4; row <= 20; ++row) console.WriteAt(row, 1, "Zeile " + std::to_string(row));
  console.SetCursor(21, 7);
  const ScreenBuffer before = console.Buffer(0);
  Show({1, 2, 3, 7}, 7);  // the picture of "Die Karte behält ihre Verschiebung" in console_line_mode.txt
  for (int col = 40; col < 57; ++col)  // the box at the bridge; the others as whole_game_test.cpp shows
    for (int row = 8; row <= 10; ++row) EXPECT_EQ(At(row, col), (Cell{At(row, col).ch, kGreen, kBlack}));
  EXPECT_EQ(At(7, 48), (Cell{0xB3, kLightGrey, kBlack}));  // the line above it, │
  for (int row = 1; row <= 2; ++row)
    for (int col = 1; col <= kScreenCols; ++col) EXPECT_EQ(At(row, col), (Cell{At(row, col).ch, kLightGrey, kGreen}));
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
