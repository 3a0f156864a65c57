// Buying and paying.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Buy(GameSession&, Console&) { return std::nullopt; }

TurnStep Pay(GameSession&, Console&) { return std::nullopt; }
