#include "console/text_output.h"

#include <cmath>

#include "console/console.h"
#include "console/status_bar.h"
#include "world/text_case.h"

namespace {

constexpr std::string_view kPausePrompt = "                          >Weiter mit beliebiger Taste< ";
constexpr int kMainBuffer = 0;
constexpr int kSecondBuffer = 1;

// Umlauts held in the Windows-1252 spelling become their console bytes.
void ConvertUmlauts(std::string& text) {
  static constexpr std::pair<unsigned char, unsigned char> kUmlauts[] = {
      {0xF6, 0x94}, {0xD6, 0x99}, {0xFC, 0x81}, {0xDC, 0x9A}, {0xC4, 0x8E}, {0xE4, 0x84}, {0xDF, 0xE1},
  };
  for (const auto& [windows, console] : kUmlauts) {
    for (char& c : text) {
      if (static_cast<unsigned char>(c) == windows) c = static_cast<char>(console);
    }
  }
}

// One line with its line end. The front ends show the screen only whole, so
// a scroll from the bottom row needs no off-screen composition: the visible
// result is the same, the whole screen moving up by one row at once.
void PrintOneLine(GameSession& session, Console& console, std::string_view line) {
  if (console.CursorRow() == kScreenRows) {
    console.SetForeground(session.bright_text ? kWhite : kLightGrey);
    console.SetCursor(kScreenRows, 1);
    console.Write(line);
    console.LineEnd();
    console.SetCursor(console.CursorRow(), 1);
  } else {
    console.Write(line);
    console.LineEnd();
  }
}

void CountAndCheck(GameSession& session, Console& console) {
  ++session.lines_since_pause;
  PageCheck(session, console);
}

}  // namespace

void SetMessage(GameSession& session, const Text& text) {
  session.message_line = text.str().substr(0, kMessageLineLength);
}

TurnEnd Answer(GameSession& session, const Text& text) {
  SetMessage(session, text);
  return TurnEnd::kEndOfTurn;
}

void PrintMessage(GameSession& session, Console& console) {
  session.print_text = TrimBlanks(session.message_line);
  ConvertUmlauts(session.print_text);
  PrintText(session, console, session.print_text);
}

void PrintMessage(GameSession& session, Console& console, const Text& text) {
  SetMessage(session, text);
  PrintMessage(session, console);
}

void PrintText(GameSession& session, Console& console, std::string text) {
  text += ' ';
  if (text.size() <= 79) {
    ++session.lines_since_pause;
    PrintOneLine(session, console, text);
    PageCheck(session, console);
    return;
  }
  size_t pos = 0;
  while (pos <= text.size()) {
    if (pos < text.size() && text[pos] == ' ') {
      size_t next = text.find(' ', pos + 1);
      if (next == std::string::npos) next = text.size();
      if (next + 1 > static_cast<size_t>(kScreenCols)) {
        const std::string line = text.substr(0, pos + 1);
        PrintOneLine(session, console, line);
        // The console wrapped after column 80 already: no empty row remains.
        if (line.size() == static_cast<size_t>(kScreenCols)) console.SetCursor(console.CursorRow() - 1, 1);
        CountAndCheck(session, console);
        const size_t rest = text.find_first_not_of(' ', pos);
        text.erase(0, rest == std::string::npos ? text.size() : rest);
        if (text.size() < static_cast<size_t>(kScreenCols)) {
          if (session.bright_text) console.SetForeground(kWhite);
          PrintOneLine(session, console, text);
          CountAndCheck(session, console);
          return;
        }
        pos = 0;
        continue;
      }
    }
    ++pos;
  }
}

void PrintWorkText(GameSession& session, Console& console) {
  PrintText(session, console, session.print_text);
  session.print_text.clear();
}

void PageCheck(GameSession& session, Console& console) {
  if (session.screen_rows != 25 || session.lines_since_pause <= 15) return;
  if (!console.frontend().ShowsPages()) return;
  console.SetForeground(session.accent_colour);
  console.Write(kPausePrompt);
  console.LineEnd();
  console.SetForeground(kLightGrey);
  const int prompt_row = console.CursorRow() - 1;
  session.lines_since_pause = 1;
  console.SetCursorVisible(false);
  // The text may have scrolled the bar away.
  RedrawStatusBar(session, console);
  console.ReadKey(WaitKind::kAnyKey);
  console.SetCursor(prompt_row, 1);
  console.SetForeground(session.accent_colour);
  console.Write("...");
  console.Write(std::string(70, ' '));
  console.LineEnd();
  console.SetForeground(kLightGrey);
  console.SetCursorVisible(true);
}

void WriteLine(Console& console, int foreground, std::string_view text) {
  console.SetForeground(foreground);
  console.Write(text);
  console.LineEnd();
}

std::string Capitalise(std::string_view word) {
  std::string result(word);
  if (!result.empty()) result[0] = UpperCase(result[0]);
  return result;
}

std::string Centre(std::string_view text) {
  const double blanks = std::nearbyint(39.0 - static_cast<double>(text.size()) / 2.0);
  std::string result;
  if (blanks > 0) result.assign(static_cast<size_t>(blanks), ' ');
  return result + std::string(text);
}

void SaveScreen(GameSession& session, Console& console) {
  session.saved_cursor_row = console.CursorRow();
  console.CopyBuffer(kMainBuffer, kSecondBuffer);
}

void RestoreScreen(GameSession& session, Console& console) {
  console.CopyBuffer(kSecondBuffer, kMainBuffer);
  console.SetCursor(session.saved_cursor_row - 1, console.CursorCol());
}
