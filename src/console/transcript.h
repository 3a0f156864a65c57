// Turns the text area of the shown screen into plain lines, as the screen
// shows them: a row is complete once the cursor has moved below it, or when
// it scrolls away or is cleared. The status bar rows are never written out.
// Used by line mode and by the scripted front end of the tests.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class Console;

class Transcript {
 public:
  // `sink` receives each completed row as CP850, trailing blanks removed.
  explicit Transcript(std::function<void(std::string_view)> sink);

  void BeforeScroll(const Console& console);
  void BeforeClear(const Console& console);
  // Writes out the rows above the cursor that are not out yet.
  void Flush(const Console& console);

 private:
  void Emit(const Console& console, int row);

  std::function<void(std::string_view)> sink_;
  int next_row_;
};
