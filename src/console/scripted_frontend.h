// The front end of the tests: a queue of input events in; the screen (through
// the Console), the transcript of completed text rows and the title out.
// When the queue runs dry the program ends, as it does at the end of a script.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "console/frontend.h"
#include "console/transcript.h"

class ScriptedFrontend : public Frontend {
 public:
  ScriptedFrontend();

  // Queues a key code.
  void Key(int code);
  // Queues the characters of a UTF-8 text as keys (CP850 codes).
  void Type(std::string_view utf8);
  // Queues the characters of a UTF-8 text and Enter.
  void Line(std::string_view utf8);
  void Click(int button, int row, int col);

  InputEvent Wait(const Console& console, WaitKind kind) override;
  void Sleep(const Console& console, int milliseconds) override;
  void DiscardInput() override;
  void SetTitle(std::string_view title) override { title_ = title; }
  bool ShowsPages() const override { return shows_pages_; }
  void BeforeScroll(const Console& console) override { transcript_.BeforeScroll(console); }
  void BeforeClear(const Console& console) override { transcript_.BeforeClear(console); }
  void FullScreenBegins(const Console&) override { transcript_.BeginFullScreen(); }
  void FullScreenEnds(const Console& console) override { transcript_.EndFullScreen(console); }

  // Completed text rows so far, UTF-8.
  const std::vector<std::string>& Lines() const { return lines_; }
  // Writes out the rows above the cursor (call after the run to see everything).
  void Flush(const Console& console) { transcript_.Flush(console); }

  void set_shows_pages(bool on) { shows_pages_ = on; }
  // Whether DiscardInput() drops the queued events, as a keyboard would.
  void set_discard_drops_queue(bool on) { discard_drops_queue_ = on; }

  const std::string& title() const { return title_; }
  int waits() const { return waits_; }
  const std::vector<int>& sleeps() const { return sleeps_; }
  size_t pending() const { return events_.size(); }

 private:
  std::deque<InputEvent> events_;
  Transcript transcript_;
  std::vector<std::string> lines_;
  std::string title_;
  std::vector<int> sleeps_;
  int waits_ = 0;
  bool shows_pages_ = true;
  bool discard_drops_queue_ = false;
  bool line_finished_ = true;  // the last event was Enter, Escape or a click
};
