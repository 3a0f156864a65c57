// The seam between the turn loop and the parser: one call per sentence.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs `session.input_line` through the parser and on to the game logic.
// A typed line is cleaned up and remembered for the repeat command first; a
// line from the program skips that; a queued sentence also skips the checks
// on the whole line.
TurnEnd ProcessCommand(GameSession& session, Console& console, InputOrigin origin);

