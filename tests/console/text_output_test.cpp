#include "console/text_output.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"

namespace {

class TextOutputTest : public ::testing::Test {
 protected:
  TextOutputTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(4, 1);
  }
  std::string Row(int row) const { return Utf8FromCp850(console.ShownRow(row)); }
  std::string Trimmed(int row) const {
    std::string text = Row(row);
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  // A text of `length` characters: words of five letters and blanks.
  static std::string Words(size_t length) {
    std::string text;
    while (text.size() < length) text += (text.size() % 6 == 5) ? ' ' : 'a';
    if (text.back() == ' ') text.back() = 'b';
    return text;
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(TextOutputTest, AnEmptyMessagePrintsOneBlankLineAndCountsIt) {
  PrintMessage(session, console, "");
  EXPECT_EQ(console.CursorRow(), 5);
  EXPECT_EQ(session.lines_since_pause, 1);
  EXPECT_EQ(Row(4), std::string(80, ' '));
}

TEST_F(TextOutputTest, SeventyEightCharactersAreOneLine) {
  PrintMessage(session, console, Words(78));
  EXPECT_EQ(Trimmed(4), Words(78));
  EXPECT_EQ(console.CursorRow(), 5);
  EXPECT_EQ(session.lines_since_pause, 1);
}

TEST_F(TextOutputTest, SeventyNineCharactersAreAFullLineAndAnEmptyOne) {
  PrintMessage(session, console, Words(79));
  EXPECT_EQ(Trimmed(4), Words(79));
  EXPECT_EQ(Trimmed(5), "");
  EXPECT_EQ(console.CursorRow(), 6);
  EXPECT_EQ(session.lines_since_pause, 2);
}

TEST_F(TextOutputTest, LongTextBreaksAtTheLastBlankWithinEightyColumns) {
  // 74 letters, a blank, then a word ending in column 80 and another word.
  const std::string first(74, 'x');
  PrintMessage(session, console, first + " abcde fgh");
  EXPECT_EQ(Trimmed(4), first);
  EXPECT_EQ(Trimmed(5), "abcde fgh");
  EXPECT_EQ(console.CursorRow(), 6);
  EXPECT_EQ(session.lines_since_pause, 2);
}

TEST_F(TextOutputTest, ALineOfExactlyEightyCharactersLeavesNoEmptyRow) {
  // 74 letters + blank + four letters + blank = 80 characters; then more.
  const std::string first(74, 'x');
  PrintMessage(session, console, first + " abcd efghij");
  EXPECT_EQ(Trimmed(4), first + " abcd");
  EXPECT_EQ(Trimmed(5), "efghij");
  EXPECT_EQ(console.CursorRow(), 6);
}

TEST_F(TextOutputTest, AWordLongerThanTheLineIsNotBrokenButWrappedByTheConsole) {
  const std::string word(90, 'w');
  PrintMessage(session, console, word + " ende");
  EXPECT_EQ(Trimmed(4), std::string(80, 'w'));
  EXPECT_EQ(Trimmed(5), std::string(10, 'w'));
  EXPECT_EQ(Trimmed(6), "ende");
}

TEST_F(TextOutputTest, MessagesAreCutAt255Characters) {
  SetMessage(session, std::string(300, 'a'));
  EXPECT_EQ(session.message_line.size(), 255u);
}

TEST_F(TextOutputTest, LeadingAndTrailingBlanksOfAMessageAreRemoved) {
  PrintMessage(session, console, "   Hallo   ");
  EXPECT_EQ(Row(4).substr(0, 7), "Hallo  ");
}

TEST_F(TextOutputTest, WindowsUmlautsAreConvertedOtherAccentsPassThrough) {
  // ö Ö ü Ü Ä ä ß in the Windows spelling, then é in the console's.
  PrintMessage(session, console, "\xF6\xD6\xFC\xDC\xC4\xE4\xDF \x82");
  EXPECT_EQ(Trimmed(4), "öÖüÜÄäß é");
}

TEST_F(TextOutputTest, TheSixteenthLinePausesAndThePromptBecomesDots) {
  frontend.Key('x');
  for (int i = 1; i <= 16; ++i) PrintMessage(session, console, "Zeile " + std::to_string(i));
  // 16 lines from row 4 scroll the screen: the prompt sits below line 16.
  EXPECT_EQ(frontend.waits(), 1);
  EXPECT_EQ(session.lines_since_pause, 1);
  const int prompt_row = console.CursorRow() - 1;
  EXPECT_EQ(Trimmed(prompt_row), "...");
  EXPECT_EQ(console.ShownCell(prompt_row, 1).fg, kGreen);
  EXPECT_EQ(Trimmed(prompt_row - 1), "Zeile 16");
  PrintMessage(session, console, "weiter");
  EXPECT_EQ(Trimmed(prompt_row + 1), "weiter");
}

TEST_F(TextOutputTest, ThePausePromptIsShownWhileWaiting) {
  for (int i = 1; i <= 15; ++i) PrintMessage(session, console, "Zeile");
  EXPECT_THROW(PrintMessage(session, console, "Zeile"), ProgramExit);  // no key queued
  EXPECT_EQ(Row(console.CursorRow() - 1), "                          >Weiter mit beliebiger Taste< " + std::string(24, ' '));
  // The bar was drawn again before the pause.
  EXPECT_EQ(Trimmed(1), " Quendelmar" + std::string(26, ' ') + "* N *   Besitz" + std::string(15, ' ') + "Punkte: 0");
}

TEST_F(TextOutputTest, NoPauseWhereTheFrontEndShowsNoPages) {
  frontend.set_shows_pages(false);
  for (int i = 1; i <= 40; ++i) PrintMessage(session, console, "Zeile");
  EXPECT_EQ(frontend.waits(), 0);
}

TEST_F(TextOutputTest, BrightTextColoursTheLastLineOfAParagraph) {
  session.bright_text = 1;
  console.SetForeground(kLightGrey);
  PrintMessage(session, console, std::string(70, 'a') + " " + std::string(20, 'b'));
  EXPECT_EQ(console.ShownCell(4, 1).fg, kLightGrey);
  EXPECT_EQ(console.ShownCell(5, 1).fg, kWhite);
}

TEST_F(TextOutputTest, LinesOnTheBottomRowScrollTheWholeScreen) {
  console.SetCursor(25, 1);
  console.SetForeground(kYellow);
  PrintMessage(session, console, "unten");
  EXPECT_EQ(Trimmed(24), "unten");
  EXPECT_EQ(console.CursorRow(), 25);
  EXPECT_EQ(console.ShownCell(24, 1).fg, kLightGrey);  // the bottom row always prints in 7
  session.bright_text = 1;
  PrintMessage(session, console, "hell");
  EXPECT_EQ(console.ShownCell(24, 1).fg, kWhite);
  EXPECT_EQ(Trimmed(23), "unten");
}

TEST(Centre, RoundsHalvesToTheEvenNumber) {
  EXPECT_EQ(Centre("<Beliebige Taste>"), std::string(30, ' ') + "<Beliebige Taste>");
  EXPECT_EQ(Centre(""), std::string(39, ' '));
  EXPECT_EQ(Centre("a"), std::string(38, ' ') + "a");     // 38.5 -> 38
  EXPECT_EQ(Centre("abc"), std::string(38, ' ') + "abc");  // 37.5 -> 38
  EXPECT_EQ(Centre("ab"), std::string(38, ' ') + "ab");
  EXPECT_EQ(Centre(std::string(78, 'x')), std::string(78, 'x'));  // 0 blanks
  EXPECT_EQ(Centre(std::string(80, 'x')), std::string(80, 'x'));  // negative: none
}

TEST(Capitalise, RaisesOnlyTheFirstCharacter) {
  EXPECT_EQ(Capitalise("korb"), "Korb");
  EXPECT_EQ(Capitalise(Cp850("übersichtskarte")), Cp850("Übersichtskarte"));
  EXPECT_EQ(Capitalise(Cp850("äpfel und birnen")), Cp850("Äpfel und birnen"));
  EXPECT_EQ(Capitalise(""), "");
  EXPECT_EQ(Capitalise("Zeitung"), "Zeitung");
}

TEST_F(TextOutputTest, RestoringTheScreenBringsItBackWithTheCursorOneRowUp) {
  PrintMessage(session, console, "vorher");
  console.SetCursor(10, 5);
  const ScreenBuffer before = console.Buffer(0);
  SaveScreen(session, console);
  console.Clear();
  console.Write("Karte");
  RestoreScreen(session, console);
  EXPECT_EQ(console.Buffer(0), before);
  EXPECT_EQ(console.CursorRow(), 9);
}

}  // namespace
