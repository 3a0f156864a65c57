// The description of the current room: its title, the short or the full
// text, what happens on arrival, the things lying there and the meadow's
// scenes. Describing room 12 (the inside of the house) runs the ending.
#pragma once

#include "world/game_session.h"

class Console;

void DescribeRoom(GameSession& session, Console& console);
