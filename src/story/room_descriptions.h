// The description of the current room: its title, the short or the full
// text, and what happens on arrival.
#pragma once

#include "world/game_session.h"

class Console;

void DescribeRoom(GameSession& session, Console& console);
