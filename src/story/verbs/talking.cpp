// Talking: telling, asking, calling.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Call(GameSession&, Console&) { return std::nullopt; }

TurnStep Talk(GameSession&, Console&) { return std::nullopt; }

TurnStep Tell(GameSession&, Console&) { return std::nullopt; }

TurnStep AskAbout(GameSession&, Console&) { return std::nullopt; }
