// Movement: a direction sentence takes the player from room to room.
#pragma once

#include <string>

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the direction sentence in session.command. The parser has counted the
// move; "raus" counts a second one when it becomes a compass direction.
TurnEnd RunMovement(GameSession& session, Console& console);

// The room an exit of the fixed table leads to, ignoring the wolf, the bees
// and the door; 0 when the room has no exit that way.
int ExitTarget(int room, const std::string& direction);
