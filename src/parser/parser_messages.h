// The two numbered message tables that the parser and the game logic share.
// Each entry is at most 79 characters; an index without a text is empty.
#pragma once

#include <string>

// The parser message table, entries 1 to 23 (CP850).
const std::string& ParserMessage(int index);

// The second message table, entries 1 to 20 (CP850).
const std::string& SecondMessage(int index);

#include <optional>
#include <string_view>

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// How a parser step lets the sentence go on (nullopt) or ends the turn.
using ParseStep = std::optional<TurnEnd>;

// Reject: the message goes to the message line, the rest of the line is
// dropped, and the turn ends through the end of turn.
TurnEnd Reject(GameSession& session, std::string_view message);

// Reject at once: the message is printed now, the rest of the line is
// dropped, and the turn starts again without the end of turn.
TurnEnd RejectAtOnce(GameSession& session, Console& console, std::string_view message);

// Ask back: the question goes to the message line and the partial command is
// kept for the answer in the next turn.
TurnEnd Ask(GameSession& session, std::string_view question, std::string_view completion);

// A line printed directly before the answer, such as "(den Frosch)"; it
// counts as one printed line for paging.
void PrintNote(GameSession& session, Console& console, std::string_view note);
