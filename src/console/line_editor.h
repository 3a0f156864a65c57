// The command line editor: reads one command on one screen row, behind a
// prompt, with its own inverse-block cursor, horizontal scrolling inside a
// fixed field, editing by character and by word, a history of the last ten
// lines, and keys that insert whole command words.
#pragma once

#include <string>
#include <string_view>

class Console;
struct GameSession;

// How the editor reads a line. The defaults are the prompt of the turn loop.
struct CommandLineOptions {
  int row = 1;                    // the field starts at column 1 of this row
  int column = 1;                 // only narrows the field
  std::string_view prompt = ">";  // only its first 8 characters are shown
  int maximum_length = 77;        // clamped to 8..255
  int field_width = 180;          // at least 5, at most what fits behind the prompt and maximum_length + 1
  bool number_keys = true;        // digits insert direction words
  bool function_keys = true;      // function keys insert command words
  int foreground = 0;             // equal colours (by absolute value) mean white on black
  int background = 0;
  bool history = true;  // Up and Down browse the last lines
};

// Reads one line into session.input_line and returns once it is entered. A
// line finished with Enter is tidied: no blanks at its ends, none doubled.
void ReadCommandLine(GameSession& session, Console& console, const CommandLineOptions& options);

// What the editor works on during one call; the mouse command menu edits it too.
struct LineEditState {
  std::string& line;      // session.input_line
  int cursor = 1;         // 1 .. line length + 1, the character the block stands on
  int scroll_offset = 0;  // characters hidden left of the field
  int history_index = 0;  // 0 = the line being edited
  int verb_cycle_index = 0;
  bool done = false;
};

// Backspace: the character before the cursor goes, if there is one.
void DeleteBeforeCursor(LineEditState& state);

// Removes blanks at both ends and doubled blanks inside; the cursor keeps to
// its character where it can.
void TidyLine(std::string& line, int& cursor);

// Whether a line, with all blanks removed and in lower case, asks for the map.
// Such a line gets no line end: the map replaces the screen.
bool IsMapCommand(std::string_view line);
