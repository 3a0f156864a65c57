#include "world/take_drop.h"

// Not written yet: the turn ends without an answer.
TurnEnd TakeAll(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }

TurnEnd DropAll(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }
