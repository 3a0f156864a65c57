// The front end presents the console model and supplies its input events:
// a terminal (ncursesw), plain lines on pipes, or a script in tests.
#pragma once

#include <string>
#include <string_view>

class Console;

// One input event: a key (the code of a normal key, or 1000 + scan code for
// an extended key such as F1 = 1059), a mouse press with its cell, or a whole
// typed text (line mode), whose characters carry no key meanings.
struct InputEvent {
  enum class Kind { kKey, kMouse, kText };
  Kind kind = Kind::kKey;
  int key = 0;
  int button = 0;    // 1 left, 2 right
  int row = 0;       // counted from 1
  int col = 0;       // counted from 1
  std::string text;  // CP850, for kText

  static InputEvent Key(int code) {
    InputEvent event;
    event.key = code;
    return event;
  }
  static InputEvent Mouse(int button, int row, int col) {
    InputEvent event;
    event.kind = Kind::kMouse;
    event.button = button;
    event.row = row;
    event.col = col;
    return event;
  }
};

// What the game waits for. A terminal treats them alike; line mode consumes
// no input for kAnyKey and reads a script's characters for the others.
enum class WaitKind { kAnyKey, kChoice, kLine };

// Thrown when the program ends (quitting, end of input): main() catches it,
// so that every front end restores what it changed on the way out.
struct ProgramExit {
  int status = 0;
};

class Frontend {
 public:
  virtual ~Frontend() = default;

  // Shows the console's shown buffer whole, then blocks for the next event.
  virtual InputEvent Wait(const Console& console, WaitKind kind) = 0;
  // Shows the console's shown buffer whole, then pauses.
  virtual void Sleep(const Console& console, int milliseconds) = 0;
  virtual void DiscardInput() = 0;
  virtual void SetTitle(std::string_view title) = 0;
  // False where pausing for a key makes no sense (line mode): the pager stays quiet.
  virtual bool ShowsPages() const { return true; }

  // Told just before the shown buffer scrolls up by one row, or is cleared.
  virtual void BeforeScroll(const Console&) {}
  virtual void BeforeClear(const Console&) {}
  // Told when a full-screen display (the map, a dialog) begins, right after
  // the screen was cleared for it, and when flowing text resumes after it.
  virtual void FullScreenBegins(const Console&) {}
  virtual void FullScreenEnds(const Console&) {}
};
