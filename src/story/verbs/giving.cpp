// Giving, showing, feeding and luring.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Feed(GameSession&, Console&) { return std::nullopt; }

TurnStep GiveOrShow(GameSession&, Console&) { return std::nullopt; }

TurnStep Lure(GameSession&, Console&) { return std::nullopt; }
