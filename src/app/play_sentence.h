// One sentence of the player's: the parser reads it, and the turn loop
// routes it on to where it belongs.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

TurnEnd PlaySentence(GameSession& session, Console& console, InputOrigin origin);
