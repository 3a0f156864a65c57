#include "console/text_output.h"

#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"

namespace {

class TextOutputTest : public ::testing::Test {
 protected:
  TextOutputTest() : console(frontend) { SetInitialValues(session), console.SetCursor(4, 1); }
  std::string Trimmed(int row) const {
    std::string text = Utf8FromCp850(console.ShownRow(row));
    return text.erase(text.find_last_not_of(' ') + 1);
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

std::string Words(size_t length) {  // `length` characters: words of five letters and blanks
  std::string text;
  for (size_t i = 0; i < length; ++i) text += i % 6 == 5 && i + 1 < length ? ' ' : 'a';
  return text;
}

TEST_F(TextOutputTest, TextBreaksAtTheLastBlankWithinEightyColumns) {
  const std::string x74(74, 'x');
  // What is printed, the rows from row 4 (trailing blanks removed), the lines counted for the pager.
  const std::tuple<const char*, std::string, std::vector<std::string>, int> cases[] = {
      {"78 characters are one line", Words(78), {Words(78)}, 1},
      {"79 characters are a full line and an empty one", Words(79), {Words(79), ""}, 2},
      {"a word ending in column 80 goes on the next line", x74 + " abcde fgh", {x74, "abcde fgh"}, 2},
      {"a line of exactly 80 leaves no empty row", x74 + " abcd efghij", {x74 + " abcd", "efghij"}, 2},
      {"a word longer than the line is wrapped by the console", std::string(90, 'w') + " ende",
       {std::string(80, 'w'), std::string(10, 'w'), "ende"}, 2},
      {"blanks at the ends go, Windows umlauts are converted (not the console's é)",
       "   \xF6\xD6\xFC\xDC\xC4\xE4\xDF \x82   ", {"öÖüÜÄäß é"}, 1},
  };
  for (const auto& [label, message, rows, lines] : cases) {
    console.Clear(), console.SetCursor(4, 1), session.lines_since_pause = 0;
    PrintMessage(session, console, message);
    for (int i = 0; i < std::ssize(rows); ++i) EXPECT_EQ(Trimmed(4 + i), rows[i]) << label;
    EXPECT_EQ(std::pair(console.CursorRow() - 4, int{session.lines_since_pause}), std::pair(int(rows.size()), lines))
        << label;
  }
  SetMessage(session, std::string(300, 'a'));
  EXPECT_EQ(session.message_line.size(), 255u);
}

TEST_F(TextOutputTest, TheSixteenthLinePausesAndThePromptBecomesDots) {
  for (int i = 1; i <= 15; ++i) PrintMessage(session, console, "Zeile " + std::to_string(i));
  EXPECT_THROW(PrintMessage(session, console, "Zeile 16"), ProgramExit);  // no key queued
  // 16 lines from row 4 scroll the screen: the prompt stands below line 16, and the bar was drawn again.
  EXPECT_EQ(Trimmed(console.CursorRow() - 2) + "|" + Trimmed(console.CursorRow() - 1),
            "Zeile 16|" + std::string(26, ' ') + ">Weiter mit beliebiger Taste<");
  EXPECT_EQ(Trimmed(1), " Quendelmar" + std::string(26, ' ') + "* N *   Besitz" + std::string(15, ' ') + "Punkte: 0");

  // A key turns the prompt into dots; the count starts again at 1.
  session.lines_since_pause = 15;
  frontend.Key('x');
  PrintMessage(session, console, "Zeile 17");
  EXPECT_EQ(std::pair(frontend.waits(), int{session.lines_since_pause}), std::pair(2, 1));
  const int dots_row = console.CursorRow() - 1;
  PrintMessage(session, console, "weiter");
  EXPECT_EQ((std::vector{Trimmed(dots_row - 1), Trimmed(dots_row), Trimmed(dots_row + 1)}),
            (std::vector<std::string>{"Zeile 17", "...", "weiter"}));
}

TEST_F(TextOutputTest, BrightTextColoursTheLastLineOfAParagraphAndTheBottomRow) {
  const auto fg = [&](int row) { return int{console.ShownCell(row, 1).fg}; };
  session.bright_text = 1;
  PrintMessage(session, console, std::string(70, 'a') + " " + std::string(20, 'b'));
  EXPECT_EQ(std::pair(fg(4), fg(5)), std::pair(int{kLightGrey}, int{kWhite}));
  // On the bottom row the whole screen scrolls, always in 7 or in 15.
  session.bright_text = 0, console.SetCursor(25, 1), console.SetForeground(kYellow);
  PrintMessage(session, console, "unten");
  session.bright_text = 1;
  PrintMessage(session, console, "hell");
  EXPECT_EQ(Trimmed(23) + "|" + Trimmed(24), "unten|hell");
  EXPECT_EQ(std::tuple(fg(23), fg(24), console.CursorRow()), std::tuple(int{kLightGrey}, int{kWhite}, 25));
}

TEST(TextHelpers, CentreAndCapitaliseAtTheirEdges) {  // as the transcripts show them, but at their edges
  EXPECT_EQ(Centre(""), std::string(39, ' '));
  EXPECT_EQ(Centre("abc"), std::string(38, ' ') + "abc");  // 37.5 -> 38
  EXPECT_EQ(Centre(std::string(80, 'x')), std::string(80, 'x'));  // negative: none
  EXPECT_EQ(Capitalise(Cp850("äpfel und birnen")) + Capitalise(""), Cp850("Äpfel und birnen"));
}

}  // namespace
