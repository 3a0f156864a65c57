// Examining, searching and finding.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Search(GameSession&, Console&) { return std::nullopt; }

TurnStep Examine(GameSession&, Console&) { return std::nullopt; }

TurnStep Find(GameSession&, Console&) { return std::nullopt; }
