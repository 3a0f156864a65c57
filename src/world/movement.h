// Movement: a direction sentence takes the player from room to room.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the direction sentence in session.command. The parser has counted the move.
TurnEnd RunMovement(GameSession& session, Console& console);
