// The seam between the turn loop and the parser: one call per sentence.
#pragma once

#include "parser/route.h"
#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Reads the next sentence of `session.input_line` into session.command and
// says where the turn goes with it. A typed line is cleaned up and remembered
// for the repeat command first; a line from the program skips that; a queued
// sentence also skips the checks on the whole line.
Route ParseSentence(GameSession& session, Console& console, InputOrigin origin);
