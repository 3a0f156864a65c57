// Opening and closing, locking and unlocking.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Close(GameSession&, Console&) { return std::nullopt; }

TurnStep Open(GameSession&, Console&) { return std::nullopt; }
