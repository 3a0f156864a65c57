// Turns the text area of the shown screen into plain lines, as the screen
// shows them: a row is complete once the cursor has moved below it, or when
// it scrolls away or is cleared. The status bar rows are never written out.
// A full-screen display (the map, a dialog) is written out differently: all
// its rows count, and each time it is flushed the rows that changed since
// come out, so a dialog shows its answers as they appear.
// Used by line mode and by the scripted front end of the tests.
#pragma once

#include <array>
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
  // Writes out the rows above the text row and leaves out the text row
  // itself (a prompt the reader has seen already).
  void SkipRow(const Console& console);

  // Called right after the screen was cleared for a full-screen display.
  void BeginFullScreen();
  // Flowing text resumes at the cursor row; what the screen holds now was
  // written out before the display (the map restores the old screen).
  void EndFullScreen(const Console& console);
  bool InFullScreen() const { return full_screen_; }

 private:
  void Emit(const Console& console, int row);
  void FlushFullScreen(const Console& console);

  std::function<void(std::string_view)> sink_;
  int next_row_;
  bool full_screen_ = false;
  std::array<std::string, 26> written_rows_;  // of the full-screen display, by row from 1
};
