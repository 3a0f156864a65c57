// The rough verbs: hitting, kicking, killing, chasing away and the like.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Kick(GameSession&, Console&) { return std::nullopt; }

TurnStep Light(GameSession&, Console&) { return std::nullopt; }

TurnStep Trample(GameSession&, Console&) { return std::nullopt; }

TurnStep Torment(GameSession&, Console&) { return std::nullopt; }

TurnStep Catch(GameSession&, Console&) { return std::nullopt; }

TurnStep Kill(GameSession&, Console&) { return std::nullopt; }

TurnStep Ride(GameSession&, Console&) { return std::nullopt; }

TurnStep Destroy(GameSession&, Console&) { return std::nullopt; }

TurnStep ScareAway(GameSession&, Console&) { return std::nullopt; }

TurnStep Hit(GameSession&, Console&) { return std::nullopt; }
