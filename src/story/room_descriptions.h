// The description of the current room: its title, the short or the full
// text, what happens on arrival, the things lying there and the meadow's
// scenes. Describing room 12 (the inside of the house) runs the ending.
#pragma once

#include "world/game_session.h"

class Console;

// The short form on a brief revisit, unless the command looks around.
void DescribeRoom(GameSession& session, Console& console);
// The full form whatever the mode, as looking around gives it.
void DescribeRoomInFull(GameSession& session, Console& console);
