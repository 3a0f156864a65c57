// The second-stage checks of a sentence: after the classifier has filled the
// parsed command and the sentence is neither a direction, a special command
// nor a comment, these checks decide whether the command can be carried out,
// complete what is missing, prepare the name forms, count the move and hand
// the command on to take and drop and the verb dispatch.
#pragma once

#include <optional>

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the checks for session.command and everything after them.
TurnEnd RunSecondStage(GameSession& session, Console& console);

// The checks alone. Nothing (the command passed, with its name forms filled
// and its move counted) or how the turn ends: after a rejection or a question
// in the message line, after a command handed to take-all, drop-all, sitting
// or listening, or to read the sentence again with the verb carried over.
std::optional<TurnEnd> CheckCommand(GameSession& session, Console& console);
