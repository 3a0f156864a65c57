// Eating, drinking, tasting and smoking.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Smoke(GameSession&, Console&) { return std::nullopt; }

TurnStep Taste(GameSession&, Console&) { return std::nullopt; }

TurnStep Eat(GameSession&, Console&) { return std::nullopt; }

TurnStep Drink(GameSession&, Console&) { return std::nullopt; }
