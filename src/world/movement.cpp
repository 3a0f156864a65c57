#include "world/movement.h"

// Not built yet: a direction sentence ends the turn without an answer.
TurnEnd RunMovement(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }
