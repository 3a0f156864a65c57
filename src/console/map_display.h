// The overview map: a box for every visited place, joined by lines, the
// current place in the accent colour, drawn over the whole screen until a
// key is pressed. It costs no move and leaves the game screen as it was.
#pragma once

#include "world/game_session.h"

class Console;

void ShowMap(GameSession& session, Console& console);
