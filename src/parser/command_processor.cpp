#include "parser/command_processor.h"

// Until the parser understands sentences, a line ends the turn unanswered.
TurnEnd ProcessCommand(GameSession&, Console&, InputOrigin) { return TurnEnd::kTopOfTurn; }
