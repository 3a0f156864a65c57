// The command line editor: its display, keys, history and mouse. The whole game played under a terminal uses
// the common keys once each; here are their edges.
#include "console/line_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "console/button_labels.h"
#include "console/console.h"
#include "console/key_codes.h"
#include "console/scripted_frontend.h"
#include "world/encoding.h"
#include "world/game_session.h"
#include "world/text_case.h"

namespace {

using namespace key;
using History = std::array<std::string, 12>;  // 0 the line being edited, 1..10 the last lines

constexpr int kRow = 10, kLeftButton = 1;

Cell FieldCell(char c) { return Cell{static_cast<unsigned char>(c), kWhite, kBlack}; }
Cell BlockCell(char c) { return Cell{static_cast<unsigned char>(c), kBlack, kWhite}; }

// A screen row as CP850: the text, blanks up to `width`, then `rest`.
std::string RowText(std::string_view utf8, int width = kScreenCols, std::string_view rest = "") {
  std::string row = Cp850(utf8);
  row.resize(width, ' ');
  return row + std::string(rest);
}

class LineEditorTest : public ::testing::Test {
 protected:
  LineEditorTest() : console(frontend) { FillButtonLabels(session); }

  // Runs the editor on the typed text and keys, with the turn loop's field unless one is given; gives its
  // line as UTF-8. Unless the keys finish the line, the script runs dry, the screen as the last key left it.
  std::string Edit(std::string_view typed, const std::vector<int>& keys = {}, int field = 180) {
    frontend.Type(typed);
    for (const int code : keys) frontend.Key(code);
    try {
      ReadCommandLine(session, console, {.row = kRow, .field_width = field});
      entered = true;
    } catch (const ProgramExit&) {
      entered = false;
    }
    return Utf8FromCp850(session.input_line);
  }
  std::string Enter(std::string_view typed) { return Edit(typed, {kEnter}); }
  // Types "X" where the cursor ends up, then Enter.
  std::string Mark(std::string_view typed, std::vector<int> keys) {
    keys.insert(keys.end(), {'X', kEnter});
    return Edit(typed, keys);
  }
  void FillRow() {  // "#" in other colours, to show what the editor overwrites
    console.WriteAt(kRow, 1, kRed, kBlue, std::string(kScreenCols, '#')), console.SetColours(kLightGrey, kBlack);
  }
  std::pair<int, int> Cursor() const { return {console.CursorRow(), console.CursorCol()}; }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
  bool entered = false;
};

// The display: prompt and line white on black, the block inverse, the field 78 wide behind the prompt
// (column 80 untouched) and scrolled so that the block stays inside; the console's own cursor parked and hidden.

TEST_F(LineEditorTest, ShowsTheLineWhiteOnBlackWithAnInverseBlockAndLeavesItAsTheEcho) {
  FillRow();
  console.SetCursorVisible(false);
  Edit("");
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell(' '));  // drawn before the first key

  Edit("nimm den korb", {kLeft});
  const std::string shown = RowText(">nimm den korb", 79);
  for (int col = 1; col <= 79; ++col) {
    EXPECT_EQ(console.ShownCell(kRow, col), (col == 14 ? BlockCell : FieldCell)(shown[col - 1])) << col;
  }
  EXPECT_EQ(console.ShownCell(kRow, 80), (Cell{'#', kRed, kBlue}));
  EXPECT_EQ(Cursor(), std::pair(1, 1));
  EXPECT_FALSE(console.CursorVisible());

  // The entered line stays as its echo, and the cursor goes to the next row.
  session.input_line = "alt";
  EXPECT_EQ(Enter("nimm den korb"), "nimm den korb");
  for (int col = 1; col <= 79; ++col) EXPECT_EQ(console.ShownCell(kRow, col), FieldCell(shown[col - 1])) << col;
  EXPECT_EQ(Cursor(), std::pair(kRow + 1, 1));
  EXPECT_EQ(console.Foreground(), kLightGrey);
}

TEST_F(LineEditorTest, ALineLongerThanTheFieldScrollsSoThatTheBlockStaysInside) {
  // Going left, the view stays put until the block reaches the field's left edge.
  const std::tuple<std::vector<int>, const char*, int, char> cases[] = {
      {{}, ">hijklmnopqrstuvwxyz", 21, ' '},
      {{kHome}, ">abcdefghijklmnopqrst", 2, 'a'},
      {std::vector<int>(19, kLeft), ">hijklmnopqrstuvwxyz", 2, 'h'},
      {std::vector<int>(20, kLeft), ">ghijklmnopqrstuvwxyz", 2, 'g'},
  };
  FillRow();
  for (const auto& [keys, shown, block_col, block] : cases) {
    Edit("abcdefghijklmnopqrstuvwxyz", keys, 20);
    EXPECT_EQ(console.ShownRow(kRow), RowText(shown, 21, std::string(59, '#'))) << shown;
    EXPECT_EQ(console.ShownCell(kRow, block_col), BlockCell(block)) << shown;
  }
  // The turn loop's field, 78 wide, holds the longest line; a 78th character is ignored.
  const std::string a77(77, 'a');
  Edit(a77 + "a");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">" + a77, 79, "#"));
  EXPECT_EQ(console.ShownCell(kRow, 79), BlockCell(' '));
  EXPECT_EQ(Enter(a77 + "a"), a77);
}

// Enter tidies the line and finishes only when something is left. A line that asks for the map, whatever its case and
// blanks, gets no line end: the map replaces the screen.
TEST_F(LineEditorTest, EnterFinishesOnlyATidiedLineWithSomethingLeftAndAMapLineGetsNoLineEnd) {
  Edit("   ", {kEnter});
  EXPECT_FALSE(entered);
  EXPECT_EQ(console.ShownRow(kRow), RowText(">"));
  EXPECT_EQ(Enter("  nimm   den  korb "), "nimm den korb");

  const std::pair<const char*, bool> cases[] = {{"Übersichtskarte", true}, {"  k  ", true}, {"M a P", true},
                                                {"karten", false},         {"nimm karte", false}, {"kk", false}};
  for (const auto& [line, map] : cases) {
    Enter(line);
    EXPECT_EQ(console.CursorRow(), map ? kRow : kRow + 1) << line;
  }
  EXPECT_FALSE(IsMapCommand(""));
  EXPECT_EQ(LowerCase(Cp850("ÄÖÜ ÉÑÅÇ AZ az 09 ß!ÆØÈ")), Cp850("äöü éñåç az az 09 ß!ÆØÈ"));
}

TEST_F(LineEditorTest, KeysChangeTheLineAroundTheCursor) {
  const std::string a64(64, 'a'), a65(65, 'a'), a69(69, 'a'), a70(70, 'a');
  const std::tuple<std::string, std::vector<int>, std::string> cases[] = {  // "X" where the cursor ended up
      // The edges of the printable ranges 32..47, 58..126, 128..255 (CP850 128 and 255); plus, minus and
      // other codes are no characters.
      {"a-b+c", {kLeft, 32, 47, 58, 126, 128, 255, kEscape, 0, 1, 7, 10, 31, 1000, 1073, 1081, 256, 2000, -5},
       "ab /:~Ç\xC2\xA0Xc"},
      // Digits and function keys insert their words, each with a blank, while the line stays below 77.
      {"ab", {kLeft, '6'}, "aOsten Xb"},
      {a69, {'8'}, a69 + "Norden X"},
      {a70, {'8'}, a70 + "X"},
      {a64, {kF1}, a64 + "Hintergrund X"},
      {a65, {kF1}, a65 + "X"},
      {"", {kF11}, "Untersuche X"},  // the last verb and object; a new game has no object yet
      {"", {kF11Extended}, "Untersuche X"},
      {"ab", {kF12}, "abX"},
      // Tab tidies; the cursor keeps to its character, or on the second blank of a run ends on the next word.
      {"   ab", {kHome, kRight, kRight, kRight, kRight, kTab}, "aXb"},
      {"a   b", {kHome, kRight, kRight, kTab}, "a Xb"},
      {"abc", {kLeft, kBackspace, kBackspace, kBackspace}, "Xc"},  // one character, if there is one
      {"abc", {kHome, kDelete, kEnd, kDelete}, "bcX"},
      // Ctrl+Backspace deletes back to the start of the word, or everything before the cursor when no word
      // starts before it; at a word start it takes the word before.
      {"nimm den korb", {kLeft, kLeft, kCtrlBackspace}, "nimm den Xrb"},
      {"abc def", {kHome, kRight, kCtrlBackspace}, "Xbc def"},
      {"nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlBackspace}, "nimm Xkorb"},
      // Ctrl+Delete deletes up to the next word, in the last word to the end.
      {"nimm den korb", {kHome, kRight, kCtrlDelete}, "nXden korb"},
      {"a  b", {kHome, kCtrlDelete}, "Xb"},
      {"nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlDelete, kCtrlDelete}, "nimm den X"},
      // Cursor keys stop at both ends.
      {"abc", {kLeft, kLeft, kLeft, kLeft, 'x', kRight, kRight, kRight, kRight, kRight, 'y', kHome, 'h', kEnd, 'e'},
       "hxabcyeX"},
      // Ctrl+Left goes to the start of the previous word, Ctrl+Right behind the blank that ends the word.
      {"nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft, kCtrlLeft}, "Xnimm den korb"},
      {"nimm den ", {kCtrlLeft}, "nimm Xden"},
      {"nimm den korb", {kHome, kCtrlRight, kCtrlRight, kCtrlRight}, "nimm den korbX"},
      {"a  b", {kHome, kCtrlRight}, "a X b"},
  };
  for (const auto& [typed, keys, expected] : cases) {
    session.command_history = {};
    EXPECT_EQ(Mark(typed, keys), expected) << typed;
  }
  session.command_button_labels[11] = "Korb ";
  for (const int key : {kF12, kF12Extended}) EXPECT_EQ(Edit("", {key, kEnter}), "Korb") << key;
}

TEST_F(LineEditorTest, UpAndDownBrowseTheLastTenLinesAndComeBackToTheEditedLine) {
  for (const char* line : {"a", "b", "c"}) Enter(line);
  const History history = session.command_history;
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{kUp, kUp, kUp, kUp, kEnter}, "a"},
      {{kUp, kUp, kUp, kDown, kDown, kDown, kDown, kEnter}, "x"},
      {{'-', '-', '+', kEnter}, "c"},
      {{kUp, kUp, 'X', kEnter}, "bX"},  // the loaded line can be edited, the cursor at its end
  };
  for (const auto& [keys, expected] : cases) {
    session.command_history = history;
    EXPECT_EQ(Edit("x", keys), expected) << keys.size() << " keys to " << expected;
  }
  // The edited line is kept while browsing, and storing a line clears it. A line taken from further back
  // is stored again (the same line typed twice in a row only once, as the whole game shows).
  session.command_history = history;
  Edit("x", {kUp});
  EXPECT_EQ(session.command_history[0], "x");
  Edit("y", {kUp, kDown, kEnter});
  EXPECT_EQ(session.command_history, (History{"", "y", "c", "b", "a"}));
  Edit("", {kUp, kUp, kEnter});
  EXPECT_EQ(session.command_history, (History{"", "c", "y", "c", "b", "a"}));
  session.command_history = History{"", "a", "   ", "c"};  // Up stops at a blank entry
  EXPECT_EQ(Mark("x", {kUp, kUp, kUp}), "aX");

  // Ten lines are kept, entry 11 is never used.
  for (char c = 'a'; c <= 'l'; ++c) Enter(std::string(1, c));
  EXPECT_EQ(session.command_history, (History{"", "l", "k", "j", "i", "h", "g", "f", "e", "d", "c"}));
  session.command_history[11] = "elf";
  EXPECT_EQ(Edit("x", std::vector<int>(11, kUp)), "c");
}

// The mouse: the verb cycle of the right button, words clicked in the text, and the areas of the status bar.
class MouseTest : public LineEditorTest {
 protected:
  MouseTest() { console.WriteAt(5, 1, Cp850("Du siehst einen Korb. Die Brücke führt über den Fluss, 3 Mücken.")); }
  // A left click on a text of row 5, `offset` characters into it.
  void ClickOn(std::string_view utf8, int offset = 0) {
    frontend.Click(kLeftButton, 5, static_cast<int>(console.ShownRow(5).find(Cp850(utf8))) + 1 + offset);
  }
};

// On an empty line or a verb of the cycle the right button gives the next verb, shown with the block behind it; any
// other line it enters tidied, but never an empty one.
TEST_F(MouseTest, RightButtonCyclesThroughTheVerbsOrEntersTheLine) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"", 2, "Nimm "}, {"", 8, "Lege hin "}, {"", 9, ""}, {"", 10, "Untersuche "},
      {"  schaue  ", 1, "schaue"}, {"nimm ", 1, "nimm"}, {"   ", 1, ""},
  };
  for (const auto& [typed, clicks, line] : cases) {
    frontend.Type(typed);
    for (int i = 0; i < clicks; ++i) frontend.Click(2, 12, 1);
    EXPECT_EQ(Edit(""), line) << typed << clicks;
    EXPECT_EQ(entered, std::string_view(typed).find_first_not_of(' ') != std::string_view::npos) << typed << clicks;
  }
}

TEST_F(MouseTest, AClickedWordIsAppendedInLowerCase) {
  // The word ends at punctuation and keeps its umlauts, wherever it is clicked;
  // behind typed text a blank comes first, and typing goes on behind the word.
  frontend.Type("nimm");
  ClickOn("Korb.");
  ClickOn("Brücke", 5);
  ClickOn("Fluss,", 2);
  frontend.Type("und");
  EXPECT_EQ(Edit(""), "nimm korb brücke fluss und");

  // Digits and punctuation do nothing; an empty place takes a character back.
  frontend.Type("nimm");
  ClickOn("3");
  ClickOn(",");
  frontend.Click(kLeftButton, 12, 30);
  EXPECT_EQ(Edit(""), "nim");

  // A word is not appended when the line would reach 76 characters.
  for (const int length : {72, 71}) {
    frontend.Type(std::string(length, 'a'));
    ClickOn("Korb");
    EXPECT_EQ(Edit(""), std::string(length, 'a') + (length == 71 ? " korb " : "")) << length;
  }
}

// An area enters its command at once, from its first column to its last; beside the areas nothing happens. The place
// name counts a move at the click besides the one of its command.
TEST_F(MouseTest, StatusBarAreasEnterTheirCommandAtOnce) {
  const std::pair<std::pair<int, int>, const char*> areas[] = {  // nullptr: beside the areas
      {{1, 1}, "Credits"}, {{1, 26}, "Credits"}, {{1, 27}, nullptr}, {{1, 38}, "Nordwest"}, {{1, 39}, nullptr},
      {{2, 40}, "Karte"},  {{2, 60}, nullptr},   {{3, 80}, "Züge"},  {{3, 53}, nullptr}, {{3, 26}, "Schaue dich um"},
  };
  for (const auto& [at, command] : areas) {
    frontend.Type("x");
    frontend.Click(kLeftButton, at.first, at.second);
    EXPECT_EQ(Edit(""), command != nullptr ? command : "x") << at.first << "," << at.second;
    EXPECT_EQ(entered, command != nullptr) << at.first << "," << at.second;
  }
  EXPECT_EQ(session.move_count, 1);
}

}  // namespace
