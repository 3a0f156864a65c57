// The answers to what no handler of the chain answered.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep DefaultAnswer(GameSession&, Console&) { return std::nullopt; }
