// Line mode: plain UTF-8 lines in and out, for pipes, scripts, screen
// readers and end-to-end tests. The text area's rows come out as the screen
// shows them; a typed line reaches the game as its characters and Enter.
#pragma once

#include <cstdio>
#include <deque>
#include <string>

#include "console/frontend.h"
#include "console/transcript.h"

class LineFrontend : public Frontend {
 public:
  LineFrontend(std::FILE* in, std::FILE* out);

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
  bool ReadInputLine();

  std::FILE* in_;
  std::FILE* out_;
  Transcript transcript_;
  std::deque<int> keys_;
  bool first_line_ = true;
  bool choice_started_line_ = false;
};
