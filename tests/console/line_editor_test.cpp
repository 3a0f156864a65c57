#include "console/line_editor.h"

#include <gtest/gtest.h>

#include <initializer_list>
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

class LineEditorTest : public ::testing::Test {
 protected:
  LineEditorTest() : console(frontend) { FillButtonLabels(session); }

  // As the turn loop asks for a line: ">", 77 characters, field 180 (78),
  // digits, function keys and history on, default colours.
  void Read(int row = kRow) { ReadCommandLine(session, console, row, 1, ">", 77, 180, 1, 1, 0, 0, 1); }

  // Runs the editor over the queued keys; the script runs dry before the line
  // is finished, leaving the screen as the last event drew it.
  void EditWithoutFinishing() { EXPECT_THROW(Read(), ProgramExit); }

  void Keys(std::initializer_list<int> codes) {
    for (const int code : codes) frontend.Key(code);
  }
  void Repeat(int code, int times) {
    for (int i = 0; i < times; ++i) frontend.Key(code);
  }

  // Types a line and Enter; gives what the editor hands over, as UTF-8.
  std::string Enter(std::string_view typed) {
    frontend.Line(typed);
    Read();
    return Utf8FromCp850(session.input_line);
  }

  // Types a line, presses the keys, types "X" where the cursor ends up, then Enter.
  std::string EditAndMark(std::string_view typed, std::initializer_list<int> keys) {
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
  Read(25);
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
  EXPECT_THROW(ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 1, 1, 3, -3, 1), ProgramExit);
  EXPECT_EQ(console.ShownCell(kRow, 2), FieldCell('a'));

  frontend.Type("ab");
  EXPECT_THROW(ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 1, 1, kYellow, kBlue, 1), ProgramExit);
  EXPECT_EQ(console.ShownCell(kRow, 1), (Cell{'>', kYellow, kBlue}));
  EXPECT_EQ(console.ShownCell(kRow, 2), (Cell{'a', kYellow, kBlue}));
  EXPECT_EQ(console.ShownCell(kRow, 4), BlockCell(' '));
  EXPECT_EQ(console.ShownCell(kRow, 5), (Cell{' ', kYellow, kBlue}));
}

// --- Scrolling and the field ---

TEST_F(LineEditorTest, ALongLineScrollsSoThatTheBlockStaysInsideTheField) {
  const auto read_narrow = [this] {
    EXPECT_THROW(ReadCommandLine(session, console, kRow, 1, ">", 77, 20, 1, 1, 0, 0, 1), ProgramExit);
  };
  FillRow();
  frontend.Type("abcdefghijklmnopqrstuvwxyz");
  read_narrow();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">hijklmnopqrstuvwxyz", 21, std::string(59, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 21), BlockCell(' '));

  frontend.Type("abcdefghijklmnopqrstuvwxyz");
  Keys({kHome});
  read_narrow();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">abcdefghijklmnopqrst", 21, std::string(59, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell('a'));

  frontend.Type("abcdefghijklmnopqrstuvwxyz");
  Keys({kHome, kEnd});
  read_narrow();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">hijklmnopqrstuvwxyz", 21, std::string(59, '#')));

  // Going left, the view stays put until the block reaches the field's left edge.
  frontend.Type("abcdefghijklmnopqrstuvwxyz");
  Repeat(kLeft, 19);
  read_narrow();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">hijklmnopqrstuvwxyz", 21, std::string(59, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell('h'));

  frontend.Type("abcdefghijklmnopqrstuvwxyz");
  Repeat(kLeft, 20);
  read_narrow();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">ghijklmnopqrstuvwxyz", 21, std::string(59, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 2), BlockCell('g'));
}

TEST_F(LineEditorTest, FieldWidthIsAtLeastFive) {
  FillRow();
  frontend.Type("abcdefgh");
  EXPECT_THROW(ReadCommandLine(session, console, kRow, 1, ">", 77, 3, 1, 1, 0, 0, 1), ProgramExit);
  EXPECT_EQ(console.ShownRow(kRow), RowText(">efgh", 6, std::string(74, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 6), BlockCell(' '));
}

TEST_F(LineEditorTest, FieldOfTheTurnLoopHoldsTheLongestLine) {
  FillRow();
  const std::string line(77, 'a');
  frontend.Type(line);
  EditWithoutFinishing();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">" + line, 79, "#"));
  EXPECT_EQ(console.ShownCell(kRow, 79), BlockCell(' '));
}

TEST_F(LineEditorTest, PromptIsCutToEightCharactersAndTheFieldToTheRestOfTheRow) {
  frontend.Type(std::string(100, 'a'));
  EXPECT_THROW(ReadCommandLine(session, console, kRow, 1, "Befehl: >", 255, 180, 1, 1, 0, 0, 1), ProgramExit);
  // 72 columns behind an 8-character prompt: 71 characters and the block.
  EXPECT_EQ(console.ShownRow(kRow), RowText("Befehl: " + std::string(71, 'a')));
  EXPECT_EQ(console.ShownCell(kRow, 80), BlockCell(' '));
}

TEST_F(LineEditorTest, AColumnBeyondOneNarrowsTheFieldButItStillStartsAtColumnOne) {
  FillRow();
  frontend.Type(std::string(77, 'a'));
  EXPECT_THROW(ReadCommandLine(session, console, kRow, 11, ">", 77, 180, 1, 1, 0, 0, 1), ProgramExit);
  // 80 - 1 - 10 = 69 columns.
  EXPECT_EQ(console.ShownRow(kRow), RowText(">" + std::string(68, 'a'), 70, std::string(10, '#')));
  EXPECT_EQ(console.ShownCell(kRow, 70), BlockCell(' '));
}

TEST_F(LineEditorTest, MaximumLengthIsClampedToEightAndTwoHundredFiftyFive) {
  frontend.Line("abcdefghij");
  ReadCommandLine(session, console, kRow, 1, ">", 3, 180, 1, 1, 0, 0, 1);
  EXPECT_EQ(session.input_line, "abcdefgh");

  frontend.Line(std::string(300, 'a'));
  ReadCommandLine(session, console, kRow, 1, ">", 1000, 180, 1, 1, 0, 0, 1);
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
  EXPECT_EQ(EditAndMark("nimm korb", {kLeft, kLeft, kLeft, kLeft}), "nimm Xkorb");
}

TEST_F(LineEditorTest, ASeventyEighthCharacterIsIgnored) {
  EXPECT_EQ(Enter(std::string(78, 'a')), std::string(77, 'a'));
  EXPECT_EQ(EditAndMark(std::string(77, 'a'), {kHome}), std::string(77, 'a'));
}

TEST_F(LineEditorTest, PlusAndMinusAreNeverTyped) { EXPECT_EQ(Enter("a-b+c"), "abc"); }

TEST_F(LineEditorTest, EscapeAndUnknownCodesDoNothing) {
  frontend.Type("ab");
  Keys({kEscape, 0, 1, 7, 10, 31, 1000, 1073, 1081, 256, 2000, -5});
  frontend.Line("c");
  Read();
  EXPECT_EQ(session.input_line, "abc");
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

  EXPECT_EQ(EditAndMark("x  y", {kLeft, kTab}), "x Xy");
  EXPECT_EQ(EditAndMark("   ab", {kHome, kRight, kRight, kRight, kRight, kTab}), "aXb");
  EXPECT_EQ(EditAndMark("  ab", {kHome, kTab}), "Xab");
  EXPECT_EQ(EditAndMark("ab   ", {kTab}), "abX");
  // On the second blank of a run the cursor ends on the next word.
  EXPECT_EQ(EditAndMark("a   b", {kHome, kRight, kRight, kTab}), "a Xb");
}

// --- Digits and function keys ---

TEST_F(LineEditorTest, DigitsInsertDirectionWords) {
  frontend.Type("8");
  EditWithoutFinishing();
  EXPECT_EQ(console.ShownRow(kRow), RowText(">Norden"));
  EXPECT_EQ(console.ShownCell(kRow, 9), BlockCell(' '));

  EXPECT_EQ(Enter("8"), "Norden");
  const char* const words[] = {"Karte",  "Südwesten", "Süden",      "Südosten", "Westen",
                               "Schaue", "Osten",     "Nordwesten", "Norden",   "Nordosten"};
  for (int digit = 0; digit <= 9; ++digit) {
    EXPECT_EQ(Enter(std::to_string(digit)), words[digit]) << digit;
  }
  EXPECT_EQ(EditAndMark("ab", {kLeft, '6'}), "aOsten Xb");
}

TEST_F(LineEditorTest, DigitsAreTypedWhenTheNumberKeysAreOff) {
  frontend.Line("2x8");
  ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 0, 1, 0, 0, 1);
  EXPECT_EQ(session.input_line, "2x8");
  // Any non-zero value switches them on.
  frontend.Line("2");
  ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 5, 1, 0, 0, 1);
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
    Keys({kF1 + i, kEnter});
    Read();
    EXPECT_EQ(session.input_line, words[i]) << "F" << i + 1;
  }
  session.command_button_labels[11] = "Korb ";
  for (const int key : {kF11, kF11Extended}) {
    Keys({key, kEnter});
    Read();
    EXPECT_EQ(session.input_line, "Untersuche") << key;
  }
  for (const int key : {kF12, kF12Extended}) {
    Keys({key, kEnter});
    Read();
    EXPECT_EQ(session.input_line, "Korb") << key;
  }
  EXPECT_EQ(EditAndMark("nimm", {kHome, kF11}), "Untersuche Xnimm");
}

TEST_F(LineEditorTest, AnEmptyLabelInsertsNothing) { EXPECT_EQ(EditAndMark("ab", {kF12}), "abX"); }

TEST_F(LineEditorTest, WithoutTheFunctionKeysFlagOnlyTheFirstCodesOfF11AndF12Work) {
  session.command_button_labels[11] = "Korb ";
  for (int i = 0; i < 10; ++i) frontend.Key(kF1 + i);
  Keys({kF11Extended, kF12Extended, kF11, kF12, kEnter});
  ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 1, 0, 0, 0, 1);
  EXPECT_EQ(session.input_line, "Untersuche Korb");
}

// --- Deleting and moving ---

TEST_F(LineEditorTest, BackspaceAndDeleteRemoveOneCharacter) {
  EXPECT_EQ(EditAndMark("abc", {kLeft, kBackspace}), "aXc");
  EXPECT_EQ(EditAndMark("abc", {kBackspace}), "abX");
  EXPECT_EQ(EditAndMark("abc", {kHome, kBackspace}), "Xabc");
  EXPECT_EQ(EditAndMark("abc", {kHome, kDelete}), "Xbc");
  EXPECT_EQ(EditAndMark("abc", {kLeft, kDelete}), "abX");
  EXPECT_EQ(EditAndMark("abc", {kDelete}), "abcX");
}

TEST_F(LineEditorTest, CursorKeysStopAtBothEnds) {
  frontend.Type("abc");
  Repeat(kLeft, 5);
  frontend.Type("x");
  Repeat(kRight, 9);
  frontend.Type("y");
  Keys({kHome});
  frontend.Type("h");
  Keys({kEnd});
  frontend.Line("e");
  Read();
  EXPECT_EQ(session.input_line, "hxabcye");
}

TEST_F(LineEditorTest, CtrlBackspaceDeletesBackToTheStartOfTheWord) {
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlBackspace}), "nimm den X");
  EXPECT_EQ(EditAndMark("nimm den korb", {kLeft, kLeft, kCtrlBackspace}), "nimm den Xrb");
  EXPECT_EQ(EditAndMark("a  bc", {kCtrlBackspace}), "a X");
  // No word start before the cursor: everything before it goes.
  EXPECT_EQ(EditAndMark("abc", {kCtrlBackspace}), "X");
  EXPECT_EQ(EditAndMark("abc def", {kHome, kRight, kCtrlBackspace}), "Xbc def");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kCtrlBackspace}), "Xnimm den korb");
}

TEST_F(LineEditorTest, CtrlBackspaceRepeatedTakesOneWordAfterAnother) {
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlBackspace, kCtrlBackspace}), "nimm X");
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlBackspace, kCtrlBackspace, kCtrlBackspace}), "X");
  // At the start of a word it takes the word before it.
  EXPECT_EQ(EditAndMark("nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlBackspace}), "nimm Xkorb");
}

TEST_F(LineEditorTest, CtrlDeleteDeletesUpToTheNextWord) {
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kCtrlDelete}), "Xden korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kRight, kCtrlDelete}), "nXden korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kRight, kRight, kRight, kRight, kCtrlDelete}), "nimmXden korb");
  EXPECT_EQ(EditAndMark("a  b", {kHome, kCtrlDelete}), "Xb");
  // In the last word: to the end of the line.
  EXPECT_EQ(EditAndMark("nimm den korb", {kLeft, kLeft, kLeft, kLeft, kCtrlDelete}), "nimm den X");
  // Behind the line: nothing.
  EXPECT_EQ(EditAndMark("ab", {kCtrlDelete}), "abX");
}

TEST_F(LineEditorTest, CtrlLeftGoesToTheStartOfThePreviousWord) {
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlLeft}), "nimm den Xkorb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlLeft, kCtrlLeft}), "nimm Xden korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft}), "Xnimm den korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kCtrlLeft, kCtrlLeft, kCtrlLeft, kCtrlLeft}), "Xnimm den korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kLeft, kLeft, kCtrlLeft}), "nimm den Xkorb");
  EXPECT_EQ(EditAndMark("nimm den ", {kCtrlLeft}), "nimm Xden");
}

TEST_F(LineEditorTest, CtrlRightGoesBehindTheBlankThatEndsTheWord) {
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kCtrlRight}), "nimm Xden korb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kCtrlRight, kCtrlRight}), "nimm den Xkorb");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kCtrlRight, kCtrlRight, kCtrlRight}), "nimm den korbX");
  EXPECT_EQ(EditAndMark("nimm den korb", {kHome, kRight, kRight, kRight, kRight, kCtrlRight}), "nimm den Xkorb");
  // Exactly two places on: into a run of blanks.
  EXPECT_EQ(EditAndMark("a  b", {kHome, kCtrlRight}), "a X b");
}

// --- History ---

TEST_F(LineEditorTest, UpOnAnEmptyHistoryDoesNothing) {
  EXPECT_EQ(EditAndMark("x", {kUp}), "xX");
  EXPECT_EQ(EditAndMark("y", {kDown}), "yX");
}

TEST_F(LineEditorTest, UpAndDownBrowseTheLastLinesAndComeBackToTheEditedLine) {
  EXPECT_EQ(Enter("a"), "a");
  EXPECT_EQ(Enter("b"), "b");
  EXPECT_EQ(Enter("c"), "c");
  const auto history = session.command_history;
  const auto browse = [&](std::initializer_list<int> keys) {
    session.command_history = history;
    frontend.Type("x");
    Keys(keys);
    Keys({kEnter});
    Read();
    return session.input_line;
  };
  EXPECT_EQ(browse({kUp}), "c");
  EXPECT_EQ(browse({kUp, kUp}), "b");
  EXPECT_EQ(browse({kUp, kUp, kUp}), "a");
  EXPECT_EQ(browse({kUp, kUp, kUp, kUp}), "a");
  EXPECT_EQ(browse({kUp, kUp, kUp, kDown}), "b");
  EXPECT_EQ(browse({kUp, kUp, kUp, kDown, kDown}), "c");
  EXPECT_EQ(browse({kUp, kUp, kUp, kDown, kDown, kDown}), "x");
  EXPECT_EQ(browse({kUp, kUp, kUp, kDown, kDown, kDown, kDown}), "x");
  EXPECT_EQ(browse({'-', '-', '+'}), "c");
  EXPECT_EQ(browse({'-', '-', '-', '+', '+', '+'}), "x");

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
  EXPECT_EQ(session.command_history[0], "");
  EXPECT_EQ(session.command_history[1], "y");
}

TEST_F(LineEditorTest, TheSameLineTwiceInARowIsStoredOnce) {
  Enter("a");
  Enter("b");
  Enter("b");
  EXPECT_EQ(session.command_history[1], "b");
  EXPECT_EQ(session.command_history[2], "a");
  EXPECT_EQ(session.command_history[3], "");

  // A line taken from the history and entered again is new only if it differs.
  Keys({kUp, kEnter});
  Read();
  EXPECT_EQ(session.command_history[2], "a");
  Keys({kUp, kUp, kEnter});
  Read();
  EXPECT_EQ(session.command_history[1], "a");
  EXPECT_EQ(session.command_history[2], "b");
  EXPECT_EQ(session.command_history[3], "a");
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
  Repeat(kUp, 11);
  frontend.Key(kEnter);
  Read();
  EXPECT_EQ(session.input_line, line(3));
}

TEST_F(LineEditorTest, HistoryStopsAtABlankEntry) {
  session.command_history[1] = "a";
  session.command_history[2] = "   ";
  session.command_history[3] = "c";
  EXPECT_EQ(EditAndMark("x", {kUp, kUp, kUp}), "aX");
}

TEST_F(LineEditorTest, HistoryEntriesAreCutToTheMaximumLength) {
  session.command_history[1] = std::string(100, 'a');
  Keys({kUp, kEnter});
  Read();
  EXPECT_EQ(session.input_line, std::string(77, 'a'));

  session.command_history[1] = "abcdefghijk";
  Keys({kUp, kEnter});
  ReadCommandLine(session, console, kRow, 1, ">", 3, 180, 1, 1, 0, 0, 1);
  EXPECT_EQ(session.input_line, "abcdefgh");
}

TEST_F(LineEditorTest, WithoutTheHistoryFlagNothingIsBrowsedOrStored) {
  session.command_history[1] = "alt";
  frontend.Type("x");
  Keys({kUp, '-', kEnter});
  ReadCommandLine(session, console, kRow, 1, ">", 77, 180, 1, 1, 0, 0, 0);
  EXPECT_EQ(session.input_line, "x");
  EXPECT_EQ(session.command_history[0], "");
  EXPECT_EQ(session.command_history[1], "alt");
  EXPECT_EQ(session.command_history[2], "");
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

// --- Tidying on its own ---

TEST(TidyLine, LeavesALineWithoutBlanksAlone) {
  std::string line = "korb";
  int cursor = 3;
  TidyLine(line, cursor);
  EXPECT_EQ(line, "korb");
  EXPECT_EQ(cursor, 3);
}

TEST(TidyLine, ABlankLineBecomesEmptyWithTheCursorAtOne) {
  std::string line = "    ";
  int cursor = 5;
  TidyLine(line, cursor);
  EXPECT_EQ(line, "");
  EXPECT_EQ(cursor, 1);
}

// --- Labels and case folding ---

TEST(FillButtonLabels, SetsDirectionAndCommandWords) {
  GameSession session;
  session.map_button_labels[10] = "x";
  session.command_button_labels[12] = "x";
  FillButtonLabels(session);
  const std::vector<std::string> map = {"Karte ",  "Südwesten ", "Süden ",      "Südosten ", "Westen ", "Schaue ",
                                        "Osten ",  "Nordwesten ", "Norden ",   "Nordosten ", ""};
  for (std::size_t i = 0; i < map.size(); ++i) EXPECT_EQ(session.map_button_labels[i], Cp850(map[i])) << i;
  const std::vector<std::string> commands = {"Hintergrund ", "Inventar ", "Karte ",   "Oops ",       "Schaue ",
                                             "Befehle ",     "Hinweise ", "Speichern ", "Laden ",     "Credits ",
                                             "Untersuche ",  "",          ""};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EXPECT_EQ(session.command_button_labels[i], Cp850(commands[i])) << i;
  }
}

TEST(LowerCase, FoldsAsciiAndTheCapitalsOfTheGame) {
  EXPECT_EQ(LowerCase(Cp850("ÄÖÜ ÉÑÅÇ AZ az 09 ß!")), Cp850("äöü éñåç az az 09 ß!"));
  EXPECT_EQ(LowerCase(Cp850("ÆØÈäöü")), Cp850("ÆØÈäöü"));
  EXPECT_EQ(LowerCase(""), "");
}

}  // namespace
