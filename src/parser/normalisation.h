// The clean-up of a typed line and the checks on the cleaned line, before it
// is cut into sentences. All text is CP850.
#pragma once

#include <string>
#include <string_view>

#include "world/game_session.h"

// Every occurrence of `find`, left to right, replaced once by `replacement`
// (replaced text is not searched again).
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// Cleans session.input_line as typed: punctuation to "und", lower case, the
// substitution table, the bouquet words; then remembers the line for the
// repeat command unless its first word is a repeat command.
void CleanUpTypedLine(GameSession& session);

// The checks on the cleaned line. Returns the message that rejects it, or an
// empty string when the line goes on to sentence splitting. Also clears
// line_from_program and trims the line.
std::string CheckCleanedLine(GameSession& session);
