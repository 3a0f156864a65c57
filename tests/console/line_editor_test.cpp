// The command line editor: its display, keys and history, and the mouse. The
// whole game played under a terminal uses the common keys once each; here are
// their edges.
#include "console/line_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "console/button_labels.h"
#include "console/console.h"
#include "console/key_codes.h"
#include "console/scripted_frontend.h"
#include "support/game_harness.h"
#include "world/encoding.h"
#include "world/game_session.h"
#include "world/text_case.h"

namespace {

using namespace key;
using History = std::array<std::string, 12>;  // 0 the line being edited, 1..10 the last lines

constexpr int kRow = 10;
constexpr int kLeftButton = 1;

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

  // Types, presses the keys and runs the editor with the turn loop's
  // arguments, unless a field width is given; gives its line as UTF-8.
  // Unless the keys finish the line, the script runs dry and the screen
  // stays as the last key left it.
  std::string Edit(std::string_view typed, const std::vector<int>& keys = {}, int field = 180, int row = kRow) {
    frontend.Type(typed);
    for (const int code : keys) frontend.Key(code);
    try {
      CommandLineOptions options;
      options.row = row;
      options.field_width = field;
      ReadCommandLine(session, console, options);
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
  // Fills the row with "#" in other colours, to show what the editor overwrites.
  void FillRow() {
    console.WriteAt(kRow, 1, kRed, kBlue, std::string(kScreenCols, '#'));
    console.SetColours(kLightGrey, kBlack);
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
  bool entered = false;
};

// --- The display: prompt and line white on black, the block inverse, the
// field 78 wide behind the prompt (column 80 untouched) and scrolled so that
// the block stays inside; the console's own cursor parked and hidden.

TEST_F(LineEditorTest, ShowsPromptAndLineInWhiteOnBlackWithAnInverseBlockCursor) {
  FillRow();
  console.SetCursorVisible(false);
  Edit("");
  EXPECT_EQ(frontend.waits(), 1);  // drawn before the first key
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell(' '));

  Edit("nimm den korb", {kLeft});
  const std::string shown = RowText(">nimm den korb", 79);
  EXPECT_EQ(console.ShownRow(kRow), shown + "#");
  for (int col = 1; col <= 79; ++col) {
    EXPECT_EQ(console.ShownCell(kRow, col), (col == 14 ? BlockCell : FieldCell)(shown[col - 1])) << col;
  }
  EXPECT_EQ(console.ShownCell(kRow, 80), (Cell{'#', kRed, kBlue}));
  EXPECT_EQ(std::pair(console.CursorRow(), console.CursorCol()), std::pair(1, 1));
  EXPECT_FALSE(console.CursorVisible());
}

TEST_F(LineEditorTest, TheEnteredLineStaysAsItsEchoAndTheCursorGoesToTheNextRow) {
  session.input_line = "alt";
  EXPECT_EQ(Enter("nimm den korb"), "nimm den korb");
  const std::string shown = RowText(">nimm den korb");
  for (int col = 1; col <= 79; ++col) EXPECT_EQ(console.ShownCell(kRow, col), FieldCell(shown[col - 1])) << col;
  EXPECT_EQ(std::pair(console.CursorRow(), console.CursorCol()), std::pair(kRow + 1, 1));
  EXPECT_EQ(console.Foreground(), kLightGrey);

  // On the last row the line end scrolls the screen.
  console.WriteAt(24, 1, "oben");
  Edit("schaue", {kEnter}, 180, 25);
  EXPECT_EQ((std::vector{console.ShownRow(23), console.ShownRow(24), console.ShownRow(25)}),
            (std::vector{RowText("oben"), RowText(">schaue"), RowText("")}));
  EXPECT_EQ(console.ShownCell(25, 1).bg, kBlack);
  EXPECT_EQ(std::pair(console.CursorRow(), console.CursorCol()), std::pair(25, 1));
  EXPECT_EQ(console.Foreground(), kLightGrey);
}

TEST_F(LineEditorTest, ALineLongerThanTheFieldScrollsSoThatTheBlockStaysInside) {
  struct Case {
    std::vector<int> keys;
    const char* shown;
    int block_col;
    char block;
  };
  const Case cases[] = {
      {{}, ">hijklmnopqrstuvwxyz", 21, ' '},
      {{kHome}, ">abcdefghijklmnopqrst", 2, 'a'},
      {{kHome, kEnd}, ">hijklmnopqrstuvwxyz", 21, ' '},
      // Going left, the view stays put until the block reaches the field's left edge.
      {std::vector<int>(19, kLeft), ">hijklmnopqrstuvwxyz", 2, 'h'},
      {std::vector<int>(20, kLeft), ">ghijklmnopqrstuvwxyz", 2, 'g'},
  };
  FillRow();
  for (const Case& c : cases) {
    Edit("abcdefghijklmnopqrstuvwxyz", c.keys, 20);
    EXPECT_EQ(console.ShownRow(kRow), RowText(c.shown, 21, std::string(59, '#'))) << c.shown;
    EXPECT_EQ(console.ShownCell(kRow, c.block_col), BlockCell(c.block)) << c.shown;
  }
  // The turn loop's field, 78 wide, holds the longest line; a 78th character is ignored.
  const std::string a77(77, 'a');
  Edit(a77 + "a");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">" + a77, 79, "#"));
  EXPECT_EQ(console.ShownCell(kRow, 79), BlockCell(' '));
  EXPECT_EQ(Enter(a77 + "a"), a77);
}

// --- The keys.

TEST_F(LineEditorTest, EnterTidiesTheLineAndFinishesOnlyWhenSomethingIsLeft) {
  Edit("", {kEnter});
  EXPECT_FALSE(entered);
  EXPECT_EQ(frontend.waits(), 2);
  Edit("   ", {kEnter});
  EXPECT_FALSE(entered);
  EXPECT_EQ(session.input_line, "");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">"));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell(' '));
  EXPECT_EQ(Enter("  nimm   den  korb "), "nimm den korb");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb"));
}

TEST_F(LineEditorTest, DigitsAndFunctionKeysInsertTheirWordsWhileTheLineStaysBelowItsMaximum) {
  // Like a numeric keypad; each word with a blank behind it, which goes when
  // the line is tidied.
  EXPECT_EQ(Mark("", {'0', '1', '2', '3', '4'}), "Karte Südwesten Süden Südosten Westen X");
  EXPECT_EQ(Mark("", {'5', '6', '7', '8', '9'}), "Schaue Osten Nordwesten Norden Nordosten X");
  EXPECT_EQ(Mark("", {kF1, kF1 + 1, kF1 + 2, kF1 + 3, kF1 + 4}), "Hintergrund Inventar Karte Oops Schaue X");
  EXPECT_EQ(Mark("", {kF1 + 5, kF1 + 6, kF1 + 7, kF1 + 8, kF10}), "Befehle Hinweise Speichern Laden Credits X");
  EXPECT_EQ(Enter(std::string(69, 'a') + "8"), std::string(69, 'a') + "Norden");  // 69 + 7 = 76 < 77
  EXPECT_EQ(Enter(std::string(70, 'a') + "8"), std::string(70, 'a'));
  EXPECT_EQ(Mark(std::string(64, 'a'), {kF1}), std::string(64, 'a') + "Hintergrund X");  // 64 + 12 = 76
  EXPECT_EQ(Mark(std::string(65, 'a'), {kF1}), std::string(65, 'a') + "X");

  // F11 and F12, by either of their codes, give the last verb and object; a
  // new game has no object yet.
  session.command_button_labels[11] = "Korb ";
  FillButtonLabels(session);
  EXPECT_EQ(Mark("ab", {kF12}), "abX");
  session.command_button_labels[11] = "Korb ";
  for (const int key : {kF11, kF11Extended}) EXPECT_EQ(Edit("", {key, kEnter}), "Untersuche") << key;
  for (const int key : {kF12, kF12Extended}) EXPECT_EQ(Edit("", {key, kEnter}), "Korb") << key;
}

TEST_F(LineEditorTest, EditingKeysChangeTheLineAroundTheCursor) {
  struct Case {
    std::string typed;
    std::vector<int> keys;
    std::string expected;  // "X" typed where the cursor ended up
  };
  const Case cases[] = {
      // The edges of the printable ranges 32 .. 47, 58 .. 126, 128 .. 255 (CP850 128 and 255).
      {"ab", {kLeft, 32, 47, 58, 126, 128, 255}, "a /:~Ç\xC2\xA0Xb"},
      {"a-b+c", {}, "abcX"},  // plus and minus are no characters
      {"ab", {kEscape, 0, 1, 7, 10, 31, 1000, 1073, 1081, 256, 2000, -5}, "abX"},  // nor other codes
      {"ab", {kLeft, '6'}, "aOsten Xb"},
      {"nimm", {kHome, kF11}, "Untersuche Xnimm"},
      // Tab tidies; the cursor keeps to its character, or on the second blank
      // of a run ends on the next word.
      {"   ab", {kHome, kRight, kRight, kRight, kRight, kTab}, "aXb"},
      {"a   b", {kHome, kRight, kRight, kTab}, "a Xb"},
      // Backspace and Delete take one character, if there is one.
      {"abc", {kLeft, kBackspace}, "aXc"},
      {"abc", {kHome, kBackspace}, "Xabc"},
      {"abc", {kHome, kDelete}, "Xbc"},
      {"abc", {kDelete}, "abcX"},
      // Ctrl+Backspace deletes back to the start of the word, or everything
      // before the cursor when no word starts before it; at a word start it
      // takes the word before.
      {"nimm den korb", {kLeft, kLeft, kCtrlBackspace}, "nimm den Xrb"},
      {"a  bc", {kCtrlBackspace}, "a X"},
      {"abc def", {kHome, kRight, kCtrlBackspace}, "Xbc def"},
      {"nimm den korb", {kCtrlBackspace, kCtrlBackspace, kCtrlBackspace}, "X"},
      {"nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlBackspace}, "nimm Xkorb"},
      // Ctrl+Delete deletes up to the next word, in the last word to the end.
      {"nimm den korb", {kHome, kRight, kCtrlDelete}, "nXden korb"},
      {"a  b", {kHome, kCtrlDelete}, "Xb"},
      {"nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlDelete}, "nimm den X"},
      {"ab", {kCtrlDelete}, "abX"},
      // Cursor keys stop at both ends.
      {"abc", {kLeft, kLeft, kLeft, kLeft, 'x', kRight, kRight, kRight, kRight, kRight, 'y', kHome, 'h', kEnd, 'e'},
       "hxabcyeX"},
      // Ctrl+Left goes to the start of the previous word, Ctrl+Right behind
      // the blank that ends the word: into a run of blanks.
      {"nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft, kCtrlLeft}, "Xnimm den korb"},
      {"nimm den korb", {kLeft, kLeft, kCtrlLeft}, "nimm den Xkorb"},
      {"nimm den ", {kCtrlLeft}, "nimm Xden"},
      {"nimm den korb", {kHome, kCtrlRight, kCtrlRight, kCtrlRight}, "nimm den korbX"},
      {"nimm den korb", {kHome, kRight, kRight, kRight, kRight, kCtrlRight}, "nimm den Xkorb"},
      {"a  b", {kHome, kCtrlRight}, "a X b"},
      {"x", {kUp, kDown}, "xX"},  // on an empty history
  };
  for (const Case& c : cases) {
    session.command_history = {};
    EXPECT_EQ(Mark(c.typed, c.keys), c.expected) << c.typed;
  }
}

TEST_F(LineEditorTest, UpAndDownBrowseTheLastTenLinesAndComeBackToTheEditedLine) {
  for (const char* line : {"a", "b", "c"}) Enter(line);
  const History history = session.command_history;
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{kUp, kUp, kUp, kUp}, "a"},
      {{kUp, kUp, kUp, kDown}, "b"},
      {{kUp, kUp, kUp, kDown, kDown, kDown, kDown}, "x"},
      {{'-', '-', '+'}, "c"},
      {{kUp, kUp, 'X'}, "bX"},  // the loaded line can be edited, the cursor at its end
  };
  for (auto [keys, expected] : cases) {
    session.command_history = history;
    keys.push_back(kEnter);
    EXPECT_EQ(Edit("x", keys), expected) << keys.size() << " keys to " << expected;
  }
  // The loaded line is shown with the block behind it; the edited line is kept.
  session.command_history = history;
  Edit("x", {kUp});
  EXPECT_EQ(console.ShownRow(kRow), RowText(">c"));
  EXPECT_EQ(console.ShownCell(kRow, 3), BlockCell(' '));
  EXPECT_EQ(session.command_history[0], "x");
  // Storing a line clears the kept one; the same line typed twice in a row is
  // stored once, a line taken from further back again.
  Edit("y", {kUp, kDown, kEnter});
  Enter("y");
  EXPECT_EQ(session.command_history, (History{"", "y", "c", "b", "a"}));
  Edit("", {kUp, kUp, kEnter});
  EXPECT_EQ(session.command_history, (History{"", "c", "y", "c", "b", "a"}));
  session.command_history = History{"", "a", "   ", "c"};  // Up stops at a blank entry
  EXPECT_EQ(Mark("x", {kUp, kUp, kUp}), "aX");

  // Ten lines are kept, entry 11 is never used.
  const auto line = [](int i) { return "zeile " + std::string(1, static_cast<char>('a' + i - 1)); };
  for (int i = 1; i <= 12; ++i) Enter(line(i));
  History expected{};
  for (int entry = 1; entry <= 10; ++entry) expected[entry] = line(13 - entry);
  EXPECT_EQ(session.command_history, expected);
  session.command_history[11] = "elf";
  std::vector<int> keys(11, kUp);
  keys.push_back(kEnter);
  EXPECT_EQ(Edit("x", keys), line(3));
}

// A line that asks for the map gets no line end: the map replaces the screen.
TEST_F(LineEditorTest, MapCommandsGetNoLineEnd) {
  for (const char* line : {"karte", "map", "lagekarte", "übersichtskarte", "KARTE", "Übersichtskarte", "  k  ",
                           "kar te", "M a P"}) {
    Enter(line);
    EXPECT_EQ(console.CursorRow(), kRow) << line;
  }
  for (const char* line : {"karten", "nimm karte", "kk", "m", "karte!"}) {
    Enter(line);
    EXPECT_EQ(std::pair(console.CursorRow(), console.CursorCol()), std::pair(kRow + 1, 1)) << line;
  }
  EXPECT_FALSE(IsMapCommand(""));
  EXPECT_EQ(LowerCase(Cp850("ÄÖÜ ÉÑÅÇ AZ az 09 ß!ÆØÈ")), Cp850("äöü éñåç az az 09 ß!ÆØÈ"));
}

// --- The mouse: the verb cycle of the right button, words clicked in the
// text, and the areas of the status bar.

class MouseTest : public LineEditorTest {
 protected:
  MouseTest() { console.WriteAt(5, 1, Cp850("Du siehst einen Korb. Die Brücke führt über den Fluss, 3 Mücken.")); }
  void RightClicks(int times) {
    for (int i = 0; i < times; ++i) frontend.Click(2, 12, 1);
  }
  // A left click on a text of row 5, `offset` characters into it.
  void ClickOn(std::string_view utf8, int offset = 0) {
    frontend.Click(kLeftButton, 5, static_cast<int>(console.ShownRow(5).find(Cp850(utf8))) + 1 + offset);
  }
};

// On an empty line or a verb of the cycle the right button gives the next
// verb, shown with the block behind it; any other line it enters tidied, but
// never an empty one.
TEST_F(MouseTest, RightButtonCyclesThroughTheVerbsOrEntersTheLine) {
  const char* const expected[] = {"Untersuche ", "Nimm ",     "Lies ", "Gib ", "öffne ",
                                  "Frage ",      "Zeige ",    "Lege hin ", "",  "Untersuche "};
  for (int clicks = 1; clicks <= 10; ++clicks) {
    RightClicks(clicks);
    EXPECT_EQ(Edit(""), expected[clicks - 1]) << clicks;
    EXPECT_FALSE(entered);
  }
  EXPECT_EQ(console.ShownRow(kRow).substr(0, 13), ">Untersuche  ");
  EXPECT_EQ(console.ShownCell(kRow, 13).bg, kWhite);

  const std::pair<const char*, const char*> cases[] = {{"  schaue  ", "schaue"}, {"nimm ", "nimm"}, {"   ", ""}};
  for (const auto& [typed, line] : cases) {
    frontend.Type(typed);
    RightClicks(1);
    EXPECT_EQ(Edit(""), line) << typed;
    EXPECT_EQ(entered, *line != '\0') << typed;
  }
}

TEST_F(MouseTest, AClickedWordIsAppendedInLowerCase) {
  // The word ends at punctuation and keeps its umlauts, wherever it is clicked.
  ClickOn("Korb.");
  ClickOn("Brücke", 5);
  ClickOn("führt", 1);
  ClickOn("Fluss,", 2);
  EXPECT_EQ(Edit(""), "korb brücke führt fluss ");

  // Behind typed text a blank comes first; typing goes on behind the word.
  frontend.Type("nimm");
  ClickOn("Korb");
  frontend.Type("und");
  EXPECT_EQ(Edit(""), "nimm korb und");

  // Digits and punctuation do nothing; an empty place takes a character back.
  frontend.Type("nimm");
  ClickOn("3");
  ClickOn(",");
  frontend.Click(kLeftButton, 12, 30);
  EXPECT_EQ(Edit(""), "nim");
  frontend.Click(kLeftButton, 12, 30);
  EXPECT_EQ(Edit(""), "");

  // A word is not appended when the line would reach 76 characters.
  frontend.Type(std::string(72, 'a'));
  ClickOn("Korb");
  EXPECT_EQ(Edit(""), std::string(72, 'a'));
  frontend.Type(std::string(71, 'a'));
  ClickOn("Korb");
  EXPECT_EQ(Edit(""), std::string(71, 'a') + " korb ");
}

// An area enters its command at once, from its first column to its last;
// beside the areas nothing happens.
TEST_F(MouseTest, StatusBarAreasEnterTheirCommandAtOnce) {
  struct Area {
    int row, col;
    const char* command;  // nullptr: beside the areas
  };
  const Area areas[] = {
      {1, 38, "Nordwest"}, {1, 42, "Nordost"},  {2, 40, "Karte"},   {3, 38, "Südwest"},  {3, 40, "Süd"},
      {3, 42, "Südost"},   {3, 1, "Schaue dich um"},                {3, 26, "Schaue dich um"},
      {3, 46, "Befehle"},  {3, 52, "Befehle"},  {3, 67, "Züge"},    {3, 80, "Züge"},     {1, 1, "Credits"},
      {1, 26, "Credits"},  {1, 46, "Besitz"},   {1, 51, "Besitz"},  {1, 67, "Punkte"},   {1, 80, "Punkte"},
      {2, 1, "Hintergrund"},                    {2, 14, "Hintergrund"},                  {1, 27, nullptr},
      {1, 39, nullptr},    {2, 15, nullptr},    {2, 60, nullptr},   {3, 27, nullptr},    {3, 53, nullptr},
      {1, 52, nullptr},
  };
  for (const Area& area : areas) {
    frontend.Type("x");
    frontend.Click(kLeftButton, area.row, area.col);
    EXPECT_EQ(Edit(""), area.command != nullptr ? area.command : "x") << area.row << "," << area.col;
    EXPECT_EQ(entered, area.command != nullptr) << area.row << "," << area.col;
  }
}

// In play the place name looks around and counts a move at the click besides
// its own; the "X" shows the map, after which the next prompt stands where
// the command stood, as after a typed "karte".
TEST(StatusBarInPlayTest, ThePlaceNameCountsAMoveAndTheXShowsTheMapInPlace) {
  GameHarness h;
  h.StartUp();
  h.frontend.Click(kLeftButton, 3, 10);
  h.frontend.Click(kLeftButton, 2, 40);
  h.frontend.Key(' ');
  h.Play();
  EXPECT_EQ(h.session().move_count, 2);
  EXPECT_EQ(h.Row(24), "");
  EXPECT_EQ(h.Row(25), ">");
}

}  // namespace
