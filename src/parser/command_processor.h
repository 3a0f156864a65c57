// The seam between the turn loop and the parser: one call per sentence.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs `session.input_line` through the parser and on to the game logic.
TurnEnd ProcessCommand(GameSession& session, Console& console, InputOrigin origin);
