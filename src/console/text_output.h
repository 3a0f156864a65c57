// All prose goes through one pipeline: the message line, conversion of the
// umlauts, word wrap at 80 columns, and the pager. Short fixed texts
// (prompts, headings, list items) are written to the console directly.
#pragma once

#include <string>
#include <string_view>

#include "world/encoding.h"
#include "world/game_session.h"
#include "world/turn.h"

class Console;

constexpr size_t kMessageLineLength = 255;

// Stores a text in the message line, keeping its first 255 characters.
void SetMessage(GameSession& session, const Text& text);
// The answer of a turn: stored in the message line, which the end of the
// turn prints.
TurnEnd Answer(GameSession& session, const Text& text);
// Prints the message line: umlaut conversion, word wrap, paging.
void PrintMessage(GameSession& session, Console& console);
// Stores a text in the message line and prints it at once.
void PrintMessage(GameSession& session, Console& console, const Text& text);
// Prints an already converted text with word wrap and paging.
void PrintText(GameSession& session, Console& console, std::string text);
// Prints the print text and empties it.
void PrintWorkText(GameSession& session, Console& console);
// The pager, after each printed line.
void PageCheck(GameSession& session, Console& console);

// Writes a text at the cursor in the given foreground colour, then a line
// end; the current background stays. For directly printed lines.
void WriteLine(Console& console, int foreground, std::string_view text);

// The word with its first character in upper case, the rest unchanged.
std::string Capitalise(std::string_view word);
// The text preceded by 39 - (length / 2) blanks, rounded half to even.
std::string Centre(std::string_view text);

// Remembers the cursor row and copies the shown screen into the second buffer.
void SaveScreen(GameSession& session, Console& console);
// Copies it back; the cursor goes one row above the remembered row.
void RestoreScreen(GameSession& session, Console& console);
