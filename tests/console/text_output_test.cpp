#include "console/text_output.h"

#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"

namespace {

class TextOutputTest : public ::testing::Test {
 protected:
  TextOutputTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(4, 1);
  }
  std::string Trimmed(int row) const {
    std::string text = Utf8FromCp850(console.ShownRow(row));
    return text.erase(text.find_last_not_of(' ') + 1);
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

// A text of `length` characters: words of five letters and blanks.
std::string Words(size_t length) {
  std::string text;
  while (text.size() < length) text += (text.size() % 6 == 5) ? ' ' : 'a';
  if (text.back() == ' ') text.back() = 'b';
  return text;
}

TEST_F(TextOutputTest, TextBreaksAtTheLastBlankWithinEightyColumns) {
  const std::string x74(74, 'x');
  struct Case {
    const char* label;
    std::string message;
    std::vector<std::string> rows;  // from row 4, trailing blanks removed
    int lines;                      // counted for the pager; the cursor ends below them
  };
  const Case cases[] = {
      {"an empty message is one blank line", "", {""}, 1},
      {"78 characters are one line", Words(78), {Words(78)}, 1},
      {"79 characters are a full line and an empty one", Words(79), {Words(79), ""}, 2},
      {"a word ending in column 80 goes on the next line", x74 + " abcde fgh", {x74, "abcde fgh"}, 2},
      {"a line of exactly 80 leaves no empty row", x74 + " abcd efghij", {x74 + " abcd", "efghij"}, 2},
      {"a word longer than the line is wrapped by the console", std::string(90, 'w') + " ende",
       {std::string(80, 'w'), std::string(10, 'w'), "ende"}, 2},
      {"blanks at the ends go", "   Hallo   ", {"Hallo"}, 1},
      // ö Ö ü Ü Ä ä ß in the Windows spelling, then é in the console's.
      {"Windows umlauts are converted", "\xF6\xD6\xFC\xDC\xC4\xE4\xDF \x82", {"öÖüÜÄäß é"}, 1},
  };
  for (const Case& c : cases) {
    console.Clear();
    console.SetCursor(4, 1);
    session.lines_since_pause = 0;
    PrintMessage(session, console, c.message);
    for (size_t i = 0; i < c.rows.size(); ++i) EXPECT_EQ(Trimmed(4 + static_cast<int>(i)), c.rows[i]) << c.label;
    EXPECT_EQ(console.CursorRow(), 4 + static_cast<int>(c.rows.size())) << c.label;
    EXPECT_EQ(session.lines_since_pause, c.lines) << c.label;
  }
  SetMessage(session, std::string(300, 'a'));
  EXPECT_EQ(session.message_line.size(), 255u);
}

TEST_F(TextOutputTest, TheSixteenthLinePausesAndThePromptBecomesDots) {
  for (int i = 1; i <= 15; ++i) PrintMessage(session, console, "Zeile " + std::to_string(i));
  EXPECT_THROW(PrintMessage(session, console, "Zeile 16"), ProgramExit);  // no key queued
  // 16 lines from row 4 scroll the screen: the prompt stands below line 16,
  // and the bar was drawn again before the pause.
  const int prompt_row = console.CursorRow() - 1;
  EXPECT_EQ(Utf8FromCp850(console.ShownRow(prompt_row)), std::string(26, ' ') + ">Weiter mit beliebiger Taste< " +
                                                              std::string(24, ' '));
  EXPECT_EQ(Trimmed(prompt_row - 1), "Zeile 16");
  EXPECT_EQ(Trimmed(1), " Quendelmar" + std::string(26, ' ') + "* N *   Besitz" + std::string(15, ' ') + "Punkte: 0");

  // A key turns the prompt into green dots; the count starts again at 1.
  session.lines_since_pause = 15;
  frontend.Key('x');
  PrintMessage(session, console, "Zeile 17");
  EXPECT_EQ(frontend.waits(), 2);
  EXPECT_EQ(session.lines_since_pause, 1);
  const int dots_row = console.CursorRow() - 1;
  EXPECT_EQ(Trimmed(dots_row), "...");
  EXPECT_EQ(console.ShownCell(dots_row, 1).fg, kGreen);
  EXPECT_EQ(Trimmed(dots_row - 1), "Zeile 17");
  PrintMessage(session, console, "weiter");
  EXPECT_EQ(Trimmed(dots_row + 1), "weiter");
}

TEST_F(TextOutputTest, BrightTextColoursTheLastLineOfAParagraphAndTheBottomRow) {
  session.bright_text = 1;
  console.SetForeground(kLightGrey);
  PrintMessage(session, console, std::string(70, 'a') + " " + std::string(20, 'b'));
  EXPECT_EQ(console.ShownCell(4, 1).fg, kLightGrey);
  EXPECT_EQ(console.ShownCell(5, 1).fg, kWhite);

  // On the bottom row the whole screen scrolls, always in 7 or in 15.
  session.bright_text = 0;
  console.SetCursor(25, 1);
  console.SetForeground(kYellow);
  PrintMessage(session, console, "unten");
  EXPECT_EQ(Trimmed(24), "unten");
  EXPECT_EQ(console.CursorRow(), 25);
  EXPECT_EQ(console.ShownCell(24, 1).fg, kLightGrey);
  session.bright_text = 1;
  PrintMessage(session, console, "hell");
  EXPECT_EQ(console.ShownCell(24, 1).fg, kWhite);
  EXPECT_EQ(Trimmed(23), "unten");
}

// Centring as the map's title rows and "<Beliebige Taste>" show it, and
// capitals as every answer shows them, are in the transcripts; the edges here.
TEST(TextHelpers, CentreAndCapitaliseAtTheirEdges) {
  EXPECT_EQ(Centre(""), std::string(39, ' '));
  EXPECT_EQ(Centre("abc"), std::string(38, ' ') + "abc");  // 37.5 -> 38
  EXPECT_EQ(Centre(std::string(80, 'x')), std::string(80, 'x'));  // negative: none
  EXPECT_EQ(Capitalise(Cp850("äpfel und birnen")), Cp850("Äpfel und birnen"));
  EXPECT_EQ(Capitalise(""), "");
}

}  // namespace
