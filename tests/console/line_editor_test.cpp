#include "console/line_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "console/button_labels.h"
#include "console/console.h"
#include "console/encoding.h"
#include "console/key_codes.h"
#include "console/scripted_frontend.h"
#include "console/text_case.h"
#include "world/game_session.h"

namespace {

constexpr int kRow = 10;

using History = std::array<std::string, 12>;  // 0 the line being edited, 1..10 the last lines

using namespace key;

Cell FieldCell(char c) { return Cell{static_cast<unsigned char>(c), kWhite, kBlack}; }
Cell BlockCell(char c) { return Cell{static_cast<unsigned char>(c), kBlack, kWhite}; }

// A screen row as CP850: the text, then blanks up to `width`, then `rest`.
std::string RowText(std::string_view utf8, int width = kScreenCols, std::string_view rest = "") {
  std::string row = Cp850(utf8);
  row.resize(width, ' ');
  row += rest;
  return row;
}

// The editor's arguments; the defaults are those of the turn loop: ">", 77
// characters, field 180 (78), digits, function keys and history on, default colours.
struct Settings {
  int column = 1;
  std::string prompt = ">";
  int max_length = 77, field = 180, number_keys = 1, function_keys = 1;
  int foreground = 0, background = 0, history = 1;
};

class LineEditorTest : public ::testing::Test {
 protected:
  LineEditorTest() : console(frontend) { FillButtonLabels(session); }

  void Read(const Settings& o = {}, int row = kRow) {
    ReadCommandLine(session, console, row, o.column, o.prompt, o.max_length, o.field, o.number_keys, o.function_keys,
                    o.foreground, o.background, o.history);
  }

  // Runs the editor over the queued keys; the script runs dry before the line
  // is finished, leaving the screen as the last event drew it.
  void EditWithoutFinishing(const Settings& settings = {}) { EXPECT_THROW(Read(settings), ProgramExit); }

  void Keys(const std::vector<int>& codes) {
    for (const int code : codes) frontend.Key(code);
  }

  // Types a line and Enter; gives what the editor hands over, as UTF-8.
  std::string Enter(std::string_view typed) {
    frontend.Line(typed);
    Read();
    return Utf8FromCp850(session.input_line);
  }

  // Types a line, presses the keys, types "X" where the cursor ends up, then Enter.
  std::string EditAndMark(std::string_view typed, const std::vector<int>& keys) {
    frontend.Type(typed);
    Keys(keys);
    frontend.Line("X");
    Read();
    return Utf8FromCp850(session.input_line);
  }

  // Fills the row with "#" in other colours, to show what the editor overwrites.
  void FillRow(int row = kRow) {
    console.SetColours(kRed, kBlue);
    console.SetCursor(row, 1);
    console.Write(std::string(kScreenCols, '#'));
    console.SetColours(kLightGrey, kBlack);
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

// --- Display ---

TEST_F(LineEditorTest, ShowsPromptAndLineInWhiteOnBlackWithAnInverseBlockCursor) {
  FillRow();
  console.SetCursorVisible(false);
  frontend.Type("nimm den korb");
  EditWithoutFinishing();

  // The field is 78 wide behind the prompt; column 80 is not touched.
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb", 79, "#"));
  EXPECT_EQ(console.ShownCell(kRow, 1), FieldCell('>'));
  EXPECT_EQ(console.ShownCell(kRow, 2), FieldCell('n'));
  EXPECT_EQ(console.ShownCell(kRow, 14), FieldCell('b'));
  EXPECT_EQ(console.ShownCell(kRow, 15), BlockCell(' '));
  EXPECT_EQ(console.ShownCell(kRow, 16), FieldCell(' '));
  EXPECT_EQ(console.ShownCell(kRow, 79), FieldCell(' '));
  EXPECT_EQ(console.ShownCell(kRow, 80), (Cell{'#', kRed, kBlue}));

  // The console cursor is parked out of the way and stays hidden.
  EXPECT_EQ(console.CursorRow(), 1);
  EXPECT_EQ(console.CursorCol(), 1);
  EXPECT_FALSE(console.CursorVisible());
}

TEST_F(LineEditorTest, ShowsThePromptBeforeTheFirstKey) {
  EditWithoutFinishing();
  EXPECT_EQ(frontend.waits(), 1);
  EXPECT_EQ(console.ShownRow(kRow), RowText(">"));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell(' '));
}

TEST_F(LineEditorTest, TheBlockShowsTheCharacterUnderTheCursor) {
  frontend.Type("nimm den korb");
  Keys({kLeft});
  EditWithoutFinishing();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb"));
  EXPECT_EQ(console.ShownCell(kRow, 14), BlockCell('b'));
  EXPECT_EQ(console.ShownCell(kRow, 15), FieldCell(' '));
}

TEST_F(LineEditorTest, EnteredLineStaysAsEchoWithoutBlockAndTheCursorGoesToTheNextRow) {
  EXPECT_EQ(Enter("nimm den korb"), "nimm den korb");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb"));
  for (int col = 2; col <= 79; ++col) {
    EXPECT_EQ(console.ShownCell(kRow, col).fg, kWhite) << col;
    EXPECT_EQ(console.ShownCell(kRow, col).bg, kBlack) << col;
  }
  EXPECT_EQ(console.CursorRow(), kRow + 1);
  EXPECT_EQ(console.CursorCol(), 1);
  EXPECT_EQ(console.Foreground(), kLightGrey);
}

TEST_F(LineEditorTest, OnTheLastRowTheLineEndScrollsTheScreen) {
  console.SetCursor(24, 1);
  console.Write("oben");
  frontend.Line("nimm den korb");
  Read({}, 25);
  EXPECT_EQ(console.ShownRow(23), RowText("oben"));
  EXPECT_EQ(console.ShownRow(24), RowText(">nimm den korb"));
  EXPECT_EQ(console.ShownRow(25), RowText(""));
  EXPECT_EQ(console.ShownCell(25, 1).bg, kBlack);
  EXPECT_EQ(console.CursorRow(), 25);
  EXPECT_EQ(console.CursorCol(), 1);
  EXPECT_EQ(console.Foreground(), kLightGrey);
}

TEST_F(LineEditorTest, EqualColoursMeanWhiteOnBlackOtherwiseTheGivenOnes) {
  frontend.Type("ab");
  EditWithoutFinishing({.foreground = 3, .background = -3});
  EXPECT_EQ(console.ShownCell(kRow, 2), FieldCell('a'));

  frontend.Type("ab");
  EditWithoutFinishing({.foreground = kYellow, .background = kBlue});
  EXPECT_EQ(console.ShownCell(kRow, 1), (Cell{'>', kYellow, kBlue}));
  EXPECT_EQ(console.ShownCell(kRow, 2), (Cell{'a', kYellow, kBlue}));
  EXPECT_EQ(console.ShownCell(kRow, 4), BlockCell(' '));
  EXPECT_EQ(console.ShownCell(kRow, 5), (Cell{' ', kYellow, kBlue}));
}

// --- Scrolling and the field ---

TEST_F(LineEditorTest, ALongLineScrollsSoThatTheBlockStaysInsideTheField) {
  struct Case {
    const char* label;
    std::vector<int> keys;
    const char* shown;
    int block_col;
    char block;
  };
  const Case cases[] = {
      {"at the end", {}, ">hijklmnopqrstuvwxyz", 21, ' '},
      {"home", {kHome}, ">abcdefghijklmnopqrst", 2, 'a'},
      {"home and end", {kHome, kEnd}, ">hijklmnopqrstuvwxyz", 21, ' '},
      // Going left, the view stays put until the block reaches the field's left edge.
      {"19 left", std::vector<int>(19, kLeft), ">hijklmnopqrstuvwxyz", 2, 'h'},
      {"20 left", std::vector<int>(20, kLeft), ">ghijklmnopqrstuvwxyz", 2, 'g'},
  };
  FillRow();
  for (const Case& c : cases) {
    frontend.Type("abcdefghijklmnopqrstuvwxyz");
    Keys(c.keys);
    EditWithoutFinishing({.field = 20});
    EXPECT_EQ(console.ShownRow(kRow), RowText(c.shown, 21, std::string(59, '#'))) << c.label;
    EXPECT_EQ(console.ShownCell(kRow, c.block_col), BlockCell(c.block)) << c.label;
  }
}

TEST_F(LineEditorTest, TheFieldKeepsToItsLimits) {
  const std::string a77(77, 'a');
  struct Case {
    const char* label;
    Settings settings;
    std::string typed;
    std::string shown;
    int block_col;  // the block stands on a blank behind the line
  };
  const Case cases[] = {
      {"at least five wide", {.field = 3}, "abcdefgh", RowText(">efgh", 6, std::string(74, '#')), 6},
      {"the turn loop's field holds the longest line", {}, a77, RowText(">" + a77, 79, "#"), 79},
      // 72 columns behind an 8-character prompt: 71 characters and the block.
      {"prompt cut to eight characters", {.prompt = "Befehl: >", .max_length = 255}, std::string(100, 'a'),
       RowText("Befehl: " + std::string(71, 'a')), 80},
      // 80 - 1 - 10 = 69 columns, yet the field still starts at column 1.
      {"column 11 narrows the field", {.column = 11}, a77,
       RowText(">" + std::string(68, 'a'), 70, std::string(10, '#')), 70},
  };
  for (const Case& c : cases) {
    FillRow();
    frontend.Type(c.typed);
    EditWithoutFinishing(c.settings);
    EXPECT_EQ(console.ShownRow(kRow), c.shown) << c.label;
    EXPECT_EQ(console.ShownCell(kRow, c.block_col), BlockCell(' ')) << c.label;
  }
}

TEST_F(LineEditorTest, MaximumLengthIsClampedToEightAndTwoHundredFiftyFive) {
  frontend.Line("abcdefghij");
  Read({.max_length = 3});
  EXPECT_EQ(session.input_line, "abcdefgh");

  frontend.Line(std::string(300, 'a'));
  Read({.max_length = 1000});
  EXPECT_EQ(session.input_line, std::string(255, 'a'));
}

// --- Typing ---

TEST_F(LineEditorTest, StartsWithAnEmptyLine) {
  session.input_line = "alt";
  EXPECT_EQ(Enter("neu"), "neu");
}

TEST_F(LineEditorTest, PrintableCharactersAreInsertedAtTheCursor) {
  std::vector<int> printable;
  for (int code = 32; code <= 255; ++code) {
    if ((code >= 48 && code <= 57) || code == 43 || code == 45 || code == 127) continue;
    printable.push_back(code);
  }
  // In slices that fit into a line.
  for (std::size_t start = 0; start < printable.size(); start += 60) {
    std::string expected = "a";
    frontend.Key('a');
    for (std::size_t i = start; i < std::min(start + 60, printable.size()); ++i) {
      frontend.Key(printable[i]);
      expected += static_cast<char>(printable[i]);
    }
    frontend.Key(kEnter);
    Read();
    EXPECT_EQ(session.input_line, expected) << "from code " << printable[start];
  }
  EXPECT_EQ(Enter("Schlüssel"), "Schlüssel");
  EXPECT_EQ(Enter(std::string(78, 'a')), std::string(77, 'a'));  // a 78th character is ignored
}

// --- Enter and tidying ---

TEST_F(LineEditorTest, EnterOnAnEmptyOrBlankLineKeepsWaiting) {
  Keys({kEnter});
  EditWithoutFinishing();
  EXPECT_EQ(frontend.waits(), 2);

  frontend.Type("   ");
  Keys({kEnter});
  EditWithoutFinishing();
  EXPECT_EQ(session.input_line, "");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">"));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell(' '));

  Keys({kEnter});
  EXPECT_EQ(Enter("los"), "los");
}

TEST_F(LineEditorTest, EnterRemovesBlanksAtTheEndsAndDoubledBlanks) {
  EXPECT_EQ(Enter("  nimm   den  korb "), "nimm den korb");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb"));
}

TEST_F(LineEditorTest, TabTidiesWithoutFinishingAndKeepsTheCursorOnItsCharacter) {
  frontend.Type("  a  b ");
  Keys({kTab});
  EditWithoutFinishing();
  EXPECT_EQ(session.input_line, "a b");
  EXPECT_EQ(console.ShownRow(kRow), RowText(">a b"));
  EXPECT_EQ(console.ShownCell(kRow, 5), BlockCell(' '));
}

TEST(TidyLine, LeavesALineWithoutBlanksAloneAndEmptiesABlankOne) {
  struct Case {
    std::string line;
    int cursor;
    std::string tidied;
    int tidied_cursor;
  };
  for (Case c : {Case{"korb", 3, "korb", 3}, Case{"    ", 5, "", 1}}) {
    const std::string label = "'" + c.line + "'";
    TidyLine(c.line, c.cursor);
    EXPECT_EQ(c.line, c.tidied) << label;
    EXPECT_EQ(c.cursor, c.tidied_cursor) << label;
  }
}

// --- Digits and function keys ---

TEST_F(LineEditorTest, DigitsInsertDirectionWords) {
  frontend.Type("8");
  EditWithoutFinishing();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">Norden"));
  EXPECT_EQ(console.ShownCell(kRow, 9), BlockCell(' '));

  // Each word comes with a blank behind it.
  const char* const words[] = {"Karte",  "Südwesten", "Süden",      "Südosten", "Westen",
                               "Schaue", "Osten",     "Nordwesten", "Norden",   "Nordosten"};
  for (int digit = 0; digit <= 9; ++digit) {
    EXPECT_EQ(EditAndMark(std::to_string(digit), {}), std::string(words[digit]) + " X") << digit;
  }
  EXPECT_EQ(Enter("8"), "Norden");  // the blank goes when the line is tidied
}

TEST_F(LineEditorTest, DigitsAreTypedWhenTheNumberKeysAreOff) {
  frontend.Line("2x8");
  Read({.number_keys = 0});
  EXPECT_EQ(session.input_line, "2x8");
  // Any non-zero value switches them on.
  frontend.Line("2");
  Read({.number_keys = 5});
  EXPECT_EQ(session.input_line, Cp850("Süden"));
}

TEST_F(LineEditorTest, AWordGoesInOnlyIfTheLineStaysBelowTheMaximumLength) {
  // 69 + "Norden " (7) = 76 < 77.
  EXPECT_EQ(Enter(std::string(69, 'a') + "8"), std::string(69, 'a') + "Norden");
  EXPECT_EQ(Enter(std::string(70, 'a') + "8"), std::string(70, 'a'));
  // 64 + "Hintergrund " (12) = 76 < 77.
  EXPECT_EQ(EditAndMark(std::string(64, 'a'), {kF1}), std::string(64, 'a') + "Hintergrund X");
  EXPECT_EQ(EditAndMark(std::string(65, 'a'), {kF1}), std::string(65, 'a') + "X");
}

TEST_F(LineEditorTest, FunctionKeysInsertCommandWords) {
  const char* const words[] = {"Hintergrund", "Inventar", "Karte",     "Oops",  "Schaue",
                               "Befehle",     "Hinweise", "Speichern", "Laden", "Credits"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(EditAndMark("", {kF1 + i}), std::string(words[i]) + " X") << "F" << i + 1;
  }
  // F11 and F12 (either of two codes each) insert the last verb and object;
  // a new game has no object yet.
  session.command_button_labels[11] = "Korb ";
  FillButtonLabels(session);
  EXPECT_EQ(EditAndMark("ab", {kF12}), "abX");
  session.command_button_labels[11] = "Korb ";
  const std::pair<int, const char*> last_two[] = {
      {kF11, "Untersuche"}, {kF11Extended, "Untersuche"}, {kF12, "Korb"}, {kF12Extended, "Korb"}};
  for (const auto& [key, word] : last_two) {
    Keys({key, kEnter});
    Read();
    EXPECT_EQ(session.input_line, word) << key;
  }
}

TEST_F(LineEditorTest, WithoutTheFunctionKeysFlagOnlyTheFirstCodesOfF11AndF12Work) {
  session.command_button_labels[11] = "Korb ";
  for (int i = 0; i < 10; ++i) frontend.Key(kF1 + i);
  Keys({kF11Extended, kF12Extended, kF11, kF12, kEnter});
  Read({.function_keys = 0});
  EXPECT_EQ(session.input_line, "Untersuche Korb");
}

// --- Deleting and moving ---

// --- Editing keys ---

TEST_F(LineEditorTest, EditingKeysChangeTheLineAroundTheCursor) {
  struct Case {
    const char* label;
    std::string typed;
    std::vector<int> keys;
    std::string expected;  // "X" typed where the cursor ended up
    std::vector<std::string> history = {};  // entries 1.. beforehand
  };
  const Case cases[] = {
      {"a character goes in at the cursor", "nimm korb", {kLeft, kLeft, kLeft, kLeft}, "nimm Xkorb"},
      {"a 78th character", std::string(77, 'a'), {kHome}, std::string(77, 'a')},
      {"plus and minus", "a-b+c", {}, "abcX"},
      {"escape and unknown codes", "ab", {kEscape, 0, 1, 7, 10, 31, 1000, 1073, 1081, 256, 2000, -5}, "abX"},
      {"a digit's word", "ab", {kLeft, '6'}, "aOsten Xb"},
      {"F11's word", "nimm", {kHome, kF11}, "Untersuche Xnimm"},
      // Tab tidies; the cursor keeps to its character, or on the second blank
      // of a run ends on the next word.
      {"tab on a word", "x  y", {kLeft, kTab}, "x Xy"},
      {"tab behind leading blanks", "   ab", {kHome, kRight, kRight, kRight, kRight, kTab}, "aXb"},
      {"tab on a leading blank", "  ab", {kHome, kTab}, "Xab"},
      {"tab behind trailing blanks", "ab   ", {kTab}, "abX"},
      {"tab in a run of blanks", "a   b", {kHome, kRight, kRight, kTab}, "a Xb"},
      // Backspace and Delete take one character.
      {"backspace", "abc", {kLeft, kBackspace}, "aXc"},
      {"backspace at the end", "abc", {kBackspace}, "abX"},
      {"backspace at the start", "abc", {kHome, kBackspace}, "Xabc"},
      {"delete at the start", "abc", {kHome, kDelete}, "Xbc"},
      {"delete on the last character", "abc", {kLeft, kDelete}, "abX"},
      {"delete behind the line", "abc", {kDelete}, "abcX"},
      // Ctrl+Backspace deletes back to the start of the word, or everything
      // before the cursor when no word starts before it; at a word start it
      // takes the word before.
      {"ctrl-backspace at the end", "nimm den korb", {kCtrlBackspace}, "nimm den X"},
      {"ctrl-backspace in a word", "nimm den korb", {kLeft, kLeft, kCtrlBackspace}, "nimm den Xrb"},
      {"ctrl-backspace after blanks", "a  bc", {kCtrlBackspace}, "a X"},
      {"ctrl-backspace in the first word", "abc", {kCtrlBackspace}, "X"},
      {"ctrl-backspace after one character", "abc def", {kHome, kRight, kCtrlBackspace}, "Xbc def"},
      {"ctrl-backspace at the start", "nimm den korb", {kHome, kCtrlBackspace}, "Xnimm den korb"},
      {"ctrl-backspace twice", "nimm den korb", {kCtrlBackspace, kCtrlBackspace}, "nimm X"},
      {"ctrl-backspace thrice", "nimm den korb", {kCtrlBackspace, kCtrlBackspace, kCtrlBackspace}, "X"},
      {"ctrl-backspace at a word start", "nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlBackspace}, "nimm Xkorb"},
      // Ctrl+Delete deletes up to the next word, in the last word to the end.
      {"ctrl-delete at the start", "nimm den korb", {kHome, kCtrlDelete}, "Xden korb"},
      {"ctrl-delete in a word", "nimm den korb", {kHome, kRight, kCtrlDelete}, "nXden korb"},
      {"ctrl-delete on a blank", "nimm den korb", {kHome, kRight, kRight, kRight, kRight, kCtrlDelete},
       "nimmXden korb"},
      {"ctrl-delete before blanks", "a  b", {kHome, kCtrlDelete}, "Xb"},
      {"ctrl-delete in the last word", "nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlDelete}, "nimm den X"},
      {"ctrl-delete behind the line", "ab", {kCtrlDelete}, "abX"},
      // Cursor keys stop at both ends.
      {"left, right, home and end", "abc",
       {kLeft, kLeft, kLeft, kLeft, kLeft, 'x', kRight, kRight, kRight, kRight, kRight, kRight, kRight, kRight,
        kRight, 'y', kHome, 'h', kEnd, 'e'},
       "hxabcyeX"},
      // Ctrl+Left goes to the start of the previous word.
      {"ctrl-left", "nimm den korb", {kCtrlLeft}, "nimm den Xkorb"},
      {"ctrl-left twice", "nimm den korb", {kCtrlLeft, kCtrlLeft}, "nimm Xden korb"},
      {"ctrl-left thrice", "nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft}, "Xnimm den korb"},
      {"ctrl-left past the start", "nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft, kCtrlLeft}, "Xnimm den korb"},
      {"ctrl-left in a word", "nimm den korb", {kLeft, kLeft, kCtrlLeft}, "nimm den Xkorb"},
      {"ctrl-left behind a blank", "nimm den ", {kCtrlLeft}, "nimm Xden"},
      // Ctrl+Right goes behind the blank that ends the word: into a run of blanks.
      {"ctrl-right", "nimm den korb", {kHome, kCtrlRight}, "nimm Xden korb"},
      {"ctrl-right twice", "nimm den korb", {kHome, kCtrlRight, kCtrlRight}, "nimm den Xkorb"},
      {"ctrl-right thrice", "nimm den korb", {kHome, kCtrlRight, kCtrlRight, kCtrlRight}, "nimm den korbX"},
      {"ctrl-right on a blank", "nimm den korb", {kHome, kRight, kRight, kRight, kRight, kCtrlRight},
       "nimm den Xkorb"},
      {"ctrl-right before blanks", "a  b", {kHome, kCtrlRight}, "a X b"},
      // Up and Down find only the lines that are there.
      {"up on an empty history", "x", {kUp}, "xX"},
      {"down on an empty history", "y", {kDown}, "yX"},
      {"up stops at a blank entry", "x", {kUp, kUp, kUp}, "aX", {"a", "   ", "c"}},
  };
  for (const Case& c : cases) {
    session = GameSession{};  // no history carries over
    FillButtonLabels(session);
    for (std::size_t i = 0; i < c.history.size(); ++i) session.command_history[i + 1] = c.history[i];
    EXPECT_EQ(EditAndMark(c.typed, c.keys), c.expected) << c.label;
  }
}

// --- History ---

TEST_F(LineEditorTest, UpAndDownBrowseTheLastLinesAndComeBackToTheEditedLine) {
  EXPECT_EQ(Enter("a"), "a");
  EXPECT_EQ(Enter("b"), "b");
  EXPECT_EQ(Enter("c"), "c");
  const auto history = session.command_history;
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{kUp}, "c"},
      {{kUp, kUp}, "b"},
      {{kUp, kUp, kUp}, "a"},
      {{kUp, kUp, kUp, kUp}, "a"},
      {{kUp, kUp, kUp, kDown}, "b"},
      {{kUp, kUp, kUp, kDown, kDown}, "c"},
      {{kUp, kUp, kUp, kDown, kDown, kDown}, "x"},
      {{kUp, kUp, kUp, kDown, kDown, kDown, kDown}, "x"},
      {{'-', '-', '+'}, "c"},
      {{'-', '-', '-', '+', '+', '+'}, "x"},
  };
  for (const auto& [keys, expected] : cases) {
    session.command_history = history;
    frontend.Type("x");
    Keys(keys);
    Keys({kEnter});
    Read();
    EXPECT_EQ(session.input_line, expected) << keys.size() << " keys to " << expected;
  }

  // The loaded line can be edited, the cursor at its end.
  session.command_history = history;
  EXPECT_EQ(EditAndMark("x", {kUp, kUp}), "bX");
}

TEST_F(LineEditorTest, HistoryShowsTheLoadedLine) {
  session.command_history[1] = "nimm den korb";
  frontend.Type("x");
  Keys({kUp});
  EditWithoutFinishing();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">nimm den korb"));
  EXPECT_EQ(console.ShownCell(kRow, 15), BlockCell(' '));
  EXPECT_EQ(session.command_history[0], "x");

  // Storing a new line clears the kept one.
  frontend.Type("y");
  Keys({kUp, kDown, kEnter});
  Read();
  EXPECT_EQ(session.command_history, (History{"", "y", "nimm den korb"}));
}

TEST_F(LineEditorTest, TheSameLineTwiceInARowIsStoredOnce) {
  Enter("a");
  Enter("b");
  Enter("b");
  EXPECT_EQ(session.command_history, (History{"", "b", "a"}));

  // A line taken from the history and entered again is new only if it differs.
  Keys({kUp, kEnter});
  Read();
  EXPECT_EQ(session.command_history, (History{"", "b", "a"}));
  Keys({kUp, kUp, kEnter});
  Read();
  EXPECT_EQ(session.command_history, (History{"", "a", "b", "a"}));
}

TEST_F(LineEditorTest, HistoryKeepsTheLastTenLinesAndNeverUsesEntryEleven) {
  // Lines "zeile a" .. "zeile l": digits would insert direction words.
  const auto line = [](int i) { return "zeile " + std::string(1, static_cast<char>('a' + i - 1)); };
  for (int i = 1; i <= 12; ++i) Enter(line(i));
  EXPECT_EQ(session.command_history[0], "");
  for (int entry = 1; entry <= 10; ++entry) {
    EXPECT_EQ(session.command_history[entry], line(13 - entry)) << entry;
  }
  EXPECT_EQ(session.command_history[11], "");

  session.command_history[11] = "elf";
  frontend.Type("x");
  Keys(std::vector<int>(11, kUp));
  frontend.Key(kEnter);
  Read();
  EXPECT_EQ(session.input_line, line(3));
}

TEST_F(LineEditorTest, HistoryEntriesAreCutToTheMaximumLength) {
  session.command_history[1] = std::string(100, 'a');
  Keys({kUp, kEnter});
  Read();
  EXPECT_EQ(session.input_line, std::string(77, 'a'));

  session.command_history[1] = "abcdefghijk";
  Keys({kUp, kEnter});
  Read({.max_length = 3});
  EXPECT_EQ(session.input_line, "abcdefgh");
}

TEST_F(LineEditorTest, WithoutTheHistoryFlagNothingIsBrowsedOrStored) {
  session.command_history[1] = "alt";
  frontend.Type("x");
  Keys({kUp, '-', kEnter});
  Read({.history = 0});
  EXPECT_EQ(session.input_line, "x");
  EXPECT_EQ(session.command_history, (History{"", "alt"}));
}

// --- Map commands ---

TEST_F(LineEditorTest, MapCommandsGetNoLineEnd) {
  for (const char* line : {"karte", "map", "lagekarte", "übersichtskarte", "k", "KARTE", "Übersichtskarte", "  k  ",
                           "kar te", "0"}) {
    Enter(line);
    EXPECT_EQ(console.CursorRow(), kRow) << line;
  }
  EXPECT_EQ(console.ShownRow(kRow), RowText(">Karte"));
  for (const char* line : {"karten", "nimm karte", "kk", "m"}) {
    Enter(line);
    EXPECT_EQ(console.CursorRow(), kRow + 1) << line;
    EXPECT_EQ(console.CursorCol(), 1) << line;
  }
}

TEST(IsMapCommand, ComparesWithoutBlanksInLowerCase) {
  EXPECT_TRUE(IsMapCommand(Cp850("ÜBERSICHTSKARTE")));
  EXPECT_TRUE(IsMapCommand(" M a P "));
  EXPECT_FALSE(IsMapCommand(""));
  EXPECT_FALSE(IsMapCommand("karte!"));
}

// --- Case folding ---

TEST(LowerCase, FoldsAsciiAndTheCapitalsOfTheGame) {
  EXPECT_EQ(LowerCase(Cp850("ÄÖÜ ÉÑÅÇ AZ az 09 ß!")), Cp850("äöü éñåç az az 09 ß!"));
  EXPECT_EQ(LowerCase(Cp850("ÆØÈäöü")), Cp850("ÆØÈäöü"));
  EXPECT_EQ(LowerCase(""), "");
}

}  // namespace
