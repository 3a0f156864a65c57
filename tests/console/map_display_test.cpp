#include "console/map_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "support/game_harness.h"
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
  void Show(std::initializer_list<int> visited, int current) {
    for (const int room : visited) VisitedFlag(session, room) = 1;
    session.current_room = current;
    frontend.Key(' ');
    ShowMap(session, console);
    ASSERT_EQ(frontend.screens.size(), 1u);
    map = frontend.screens.back();
  }
  const Cell& At(int row, int col) const { return map[(row - 1) * kScreenCols + col - 1]; }
  std::string Text(int row, int col, size_t length) const {
    std::string text;
    for (size_t i = 0; i < length; ++i) text += static_cast<char>(At(row, col + static_cast<int>(i)).ch);
    return Utf8FromCp850(text);
  }
  // Checks the box of a place: its text and colour, and that it is drawn on black.
  void ExpectBox(int row, int col, const std::string& label, int colour) const {
    EXPECT_EQ(Text(row, col, 17), "┌───────────────┐") << row << "," << col;
    EXPECT_EQ(Text(row + 1, col, 17), "│" + label + std::string(15 - Cp850(label).size(), ' ') + "│");
    EXPECT_EQ(Text(row + 2, col, 17), "└───────────────┘");
    for (int r = row; r <= row + 2; ++r) {
      for (int c = col; c < col + 17; ++c) {
        EXPECT_EQ(At(r, c).fg, colour) << r << "," << c;
        EXPECT_EQ(At(r, c).bg, kBlack) << r << "," << c;
      }
    }
  }
  void ExpectMark(int row, int col, const std::string& mark) const {
    EXPECT_EQ(Text(row, col, 1), mark) << row << "," << col;
    EXPECT_EQ(At(row, col).fg, kLightGrey);
  }
  // The number of cells that are not blank, outside the two header rows.
  int DrawnCells() const {
    int cells = 0;
    for (int row = 3; row <= kScreenRows; ++row) {
      for (int col = 1; col <= kScreenCols; ++col) cells += At(row, col).ch != ' ' ? 1 : 0;
    }
    return cells;
  }

  CapturingFrontend frontend;
  Console console;
  GameSession session;
  ScreenBuffer map{};
};

TEST_F(MapDisplayTest, AtTheStartOnlyTheForestEntranceIsShownHighlighted) {
  Show({1}, 1);
  ExpectBox(13, 33, "  Waldeingang", kGreen);
  ExpectMark(12, 41, "│");
  EXPECT_EQ(DrawnCells(), 17 + 13 + 17 + 1);  // box, frame and label letters, one line
  EXPECT_EQ(session.map_row_shift, 10);
  EXPECT_EQ(session.map_col_shift, 7);
}

TEST_F(MapDisplayTest, HeaderFillsTheTopTwoRowsInTheAccentColour) {
  Show({1}, 1);
  EXPECT_EQ(Text(1, 1, 80), std::string(34, ' ') + "Quendelmar" + std::string(36, ' '));
  EXPECT_EQ(Text(2, 1, 80), std::string(32, ' ') + "Übersichtskarte" + std::string(33, ' '));
  for (int row = 1; row <= 2; ++row) {
    for (int col = 1; col <= kScreenCols; ++col) {
      EXPECT_EQ(At(row, col).fg, kLightGrey);
      EXPECT_EQ(At(row, col).bg, kGreen);
    }
  }
}

TEST_F(MapDisplayTest, WalkNorthToTheBridgeFormsAColumn) {
  Show({1, 2, 3, 7}, 7);
  // Row shift 3; no column rule applies, so the shift of program start (0) stays.
  EXPECT_EQ(session.map_row_shift, 3);
  EXPECT_EQ(session.map_col_shift, 0);
  ExpectBox(20, 40, "  Waldeingang", kLightGrey);
  ExpectBox(16, 40, " Auf einem Weg", kLightGrey);
  ExpectBox(12, 40, "Tiefer im Wald", kLightGrey);
  ExpectBox(8, 40, " An der Brücke", kGreen);
  ExpectMark(19, 48, "│");
  ExpectMark(15, 48, "│");
  ExpectMark(15, 57, "\\");
  ExpectMark(11, 57, "/");
  ExpectMark(13, 39, "-");
  ExpectMark(11, 48, "│");
  ExpectMark(7, 48, "│");
  ExpectMark(9, 39, "-");
  EXPECT_EQ(DrawnCells(), 4 * (17 + 2 + 17) + 11 + 11 + 12 + 11 + 8);
}

TEST_F(MapDisplayTest, ColumnShiftKeepsItsValueWhenNoRuleApplies) {
  session.map_col_shift = 7;  // from an earlier look at the map
  Show({1, 2, 3, 7}, 3);
  EXPECT_EQ(session.map_col_shift, 7);
  ExpectBox(12, 33, "Tiefer im Wald", kGreen);
}

TEST_F(MapDisplayTest, ColumnShiftRulesOverrideEachOtherInOrder) {
  struct Case {
    std::initializer_list<int> visited;
    int shift;
  };
  const Case cases[] = {
      {{1, 2, 3, 4}, 1},         {{1, 2, 3, 7, 8}, 1},         {{1, 2, 3, 4, 5}, -7},
      {{1, 2, 3, 13, 6}, 12},    {{1, 2, 3, 4, 6}, 8},         {{1, 2, 3, 7, 8, 9}, -4},
      {{1, 2, 3, 7, 8, 9, 6}, 0}, {{1, 2, 3, 4, 5, 6}, 0},
  };
  for (const Case& c : cases) {
    GameSession fresh;
    SetInitialValues(fresh);
    session = fresh;
    frontend.screens.clear();
    Show(c.visited, 1);
    EXPECT_EQ(session.map_col_shift, c.shift);
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

TEST_F(MapDisplayTest, ScreenComesBackExactlyWithTheCursorOneRowUp) {
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
  EXPECT_EQ(console.Foreground(), kGreen);
  EXPECT_EQ(console.Background(), kBlack);
}

// In play: the map costs no move, prints nothing into the text, and the
// next prompt stands where ">karte" stood.
TEST(MapInPlayTest, TypedMapLeavesTheGameAsItWas) {
  GameHarness h;
  h.StartUp();
  h.frontend.set_shows_pages(false);
  h.frontend.Line("karte");
  h.frontend.Key(' ');
  h.Play();
  EXPECT_EQ(h.session().move_count, 0);
  const std::vector<std::string> expected_tail = {
      ">karte",
      "                                  Quendelmar",
      "                                Übersichtskarte",
      "                                        │",
      "                                ┌───────────────┐",
      "                                │  Waldeingang  │",
      "                                └───────────────┘",
      "",
  };
  ASSERT_GE(h.Lines().size(), expected_tail.size());
  const std::vector<std::string> tail(h.Lines().end() - static_cast<long>(expected_tail.size()), h.Lines().end());
  EXPECT_EQ(tail, expected_tail);
  EXPECT_EQ(h.console.CursorRow(), 1);  // parked by the editor at the next prompt
  int prompt_row = 0;
  for (int row = 4; row <= kScreenRows; ++row) {
    if (h.Row(row) == ">") prompt_row = row;
  }
  EXPECT_EQ(prompt_row, 19);  // the row of the first prompt, where ">karte" was typed
  EXPECT_EQ(h.Row(18), "");
}

}  // namespace
