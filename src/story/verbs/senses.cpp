// Listening, smelling and thinking, and the articles these verbs take.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep CheckSenseArticles(GameSession&, Console&) { return std::nullopt; }

TurnStep Smell(GameSession&, Console&) { return std::nullopt; }

TurnStep Listen(GameSession&, Console&) { return std::nullopt; }

TurnStep Think(GameSession&, Console&) { return std::nullopt; }
