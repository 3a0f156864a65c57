#include "persist/special_commands.h"

// Not built yet: a special command ends the turn without an answer.
TurnEnd RunSpecialCommand(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }
