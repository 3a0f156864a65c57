// Movement: a direction sentence takes the player from room to room, and a
// few commands walk somewhere on their own.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the direction sentence in session.command. The parser has counted the
// move; "raus" counts a second one when it becomes a compass direction.
TurnEnd Move(GameSession& session, Console& console);

// The player arrives in a room, which describes itself.
TurnEnd EnterRoom(GameSession& session, Console& console, int room);
