// Doing things with things: pulling, pushing, turning, pressing, bending, touching and the like.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep TouchTheBall(GameSession&, Console&) { return std::nullopt; }

TurnStep Pull(GameSession&, Console&) { return std::nullopt; }

TurnStep Knock(GameSession&, Console&) { return std::nullopt; }

TurnStep Loosen(GameSession&, Console&) { return std::nullopt; }

TurnStep Replace(GameSession&, Console&) { return std::nullopt; }

TurnStep Touch(GameSession&, Console&) { return std::nullopt; }

TurnStep Rotate(GameSession&, Console&) { return std::nullopt; }

TurnStep MoveObject(GameSession&, Console&) { return std::nullopt; }

TurnStep Sweep(GameSession&, Console&) { return std::nullopt; }

TurnStep Press(GameSession&, Console&) { return std::nullopt; }

TurnStep Bend(GameSession&, Console&) { return std::nullopt; }

TurnStep Repair(GameSession&, Console&) { return std::nullopt; }

TurnStep Swing(GameSession&, Console&) { return std::nullopt; }

TurnStep RemoveThing(GameSession&, Console&) { return std::nullopt; }

TurnStep Clean(GameSession&, Console&) { return std::nullopt; }

TurnStep Push(GameSession&, Console&) { return std::nullopt; }

TurnStep Use(GameSession&, Console&) { return std::nullopt; }
