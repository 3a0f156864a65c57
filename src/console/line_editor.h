// The command line editor: reads one command on one screen row, behind a
// prompt, with its own inverse-block cursor, horizontal scrolling inside a
// fixed field, editing by character and by word, a history of the last ten
// lines, and keys that insert whole command words.
#pragma once

#include <string>
#include <string_view>

class Console;
struct GameSession;

// Reads one line into session.input_line and returns once it is entered.
//  - the field starts at column 1 of `row`; `column` only narrows the field;
//  - only the first 8 characters of `prompt` are shown;
//  - `maximum_length` is clamped to 8..255;
//  - `field_width` is at least 5, at most what fits on the row behind the
//    prompt, and at most maximum_length + 1;
//  - the flags count as set when non-zero: digits insert direction words,
//    function keys insert command words, Up/Down browse the history;
//  - equal colours (by absolute value) mean white on black.
// A line finished with Enter is tidied: no blanks at its ends, none doubled.
void ReadCommandLine(GameSession& session, Console& console, int row, int column, std::string_view prompt,
                     int maximum_length, int field_width, int number_keys, int function_keys, int foreground,
                     int background, int history_on);

// What the editor works on during one call; the mouse command menu edits it too.
struct LineEditState {
  std::string& line;       // session.input_line
  int cursor = 1;          // 1 .. line length + 1, the character the block stands on
  int scroll_offset = 0;   // characters hidden left of the field
  int history_index = 0;   // 0 = the line being edited
  int verb_cycle_index = 0;
  bool done = false;
  bool skip_line_end = false;  // finished without echo (the compass "X")
};

// Backspace: the character before the cursor goes, if there is one.
void DeleteBeforeCursor(LineEditState& state);

// Removes blanks at both ends and doubled blanks inside; the cursor keeps to
// its character where it can.
void TidyLine(std::string& line, int& cursor);

// Whether a line, with all blanks removed and in lower case, asks for the map.
// Such a line gets no line end: the map replaces the screen.
bool IsMapCommand(std::string_view line);
