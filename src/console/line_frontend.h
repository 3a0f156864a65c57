// Line mode: plain UTF-8 lines in and out, for pipes, scripts, screen
// readers and end-to-end tests. The text area's rows come out as the screen
// shows them. A line typed at the prompt reaches the game as it is typed,
// then Enter; the dialogs and questions read its characters one by one.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "console/frontend.h"
#include "console/transcript.h"

// Where line mode reads its lines and writes its rows.
struct LineIo {
  // The next input line (UTF-8, without its line end), or nothing at the end
  // of input. Told what the game waits for.
  std::function<std::optional<std::string>(WaitKind)> read_line;
  // Writes UTF-8 text; throws ProgramExit when the reader has gone.
  std::function<void(std::string_view)> write;
  std::function<void()> flush;
  // The reader types at a terminal that echoes the typing itself: the prompt
  // is written before a line is read, and the typed line is not repeated.
  bool interactive = false;
};

// Standard streams as line mode uses them.
LineIo FileLineIo(std::FILE* in, std::FILE* out);

class LineFrontend : public Frontend {
 public:
  explicit LineFrontend(LineIo io);

  InputEvent Wait(const Console& console, WaitKind kind) override;
  void Sleep(const Console& console, int milliseconds) override;
  void DiscardInput() override {}  // the input is a script, not stray keystrokes
  void SetTitle(std::string_view) override {}
  bool ShowsPages() const override { return false; }
  void BeforeScroll(const Console& console) override { transcript_.BeforeScroll(console); }
  void BeforeClear(const Console& console) override { transcript_.BeforeClear(console); }
  void FullScreenBegins(const Console&) override { transcript_.BeginFullScreen(); }
  void FullScreenEnds(const Console& console) override { transcript_.EndFullScreen(console); }

  // Writes out what the screen still holds above the text row (at the end).
  void Finish(const Console& console);

 private:
  void WriteRow(std::string_view row);
  // Reads the next input line into the key queue; false at the end of input.
  bool ReadInputLine(WaitKind kind);

  LineIo io_;
  Transcript transcript_;
  std::deque<int> keys_;
  bool first_line_ = true;
  bool choice_started_line_ = false;
};
