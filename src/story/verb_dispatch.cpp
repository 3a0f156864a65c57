#include "story/verb_dispatch.h"

// Not written yet: the turn ends without an answer.
TurnEnd DispatchVerb(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }

TurnEnd RunListenHandler(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }

TurnEnd RunSitHandler(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }
