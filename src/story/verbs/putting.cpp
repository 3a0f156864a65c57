// Putting things into and onto places, throwing and sticking them.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Throw(GameSession&, Console&) { return std::nullopt; }

TurnStep Stick(GameSession&, Console&) { return std::nullopt; }

TurnStep PutInOrOn(GameSession&, Console&) { return std::nullopt; }
