// Greeting, kissing, stroking, tickling and hugging.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Greet(GameSession&, Console&) { return std::nullopt; }

TurnStep Kiss(GameSession&, Console&) { return std::nullopt; }

TurnStep Stroke(GameSession&, Console&) { return std::nullopt; }

TurnStep Tickle(GameSession&, Console&) { return std::nullopt; }

TurnStep Hug(GameSession&, Console&) { return std::nullopt; }
