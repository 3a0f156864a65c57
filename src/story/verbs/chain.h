// The verbs: a checked command goes down the chain of handlers, in their
// fixed order, until one answers.
#pragma once

#include "story/verbs/handlers.h"

// Runs the chain for session.command, after the rewrites that turn one
// command into another.
TurnEnd RunVerbChain(GameSession& session, Console& console);

// Goes on at `handler` and the handlers after it: where a handler has turned
// the command into another verb's.
TurnEnd ContinueAt(GameSession& session, Console& console, VerbHandler handler);
