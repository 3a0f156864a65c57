// The one-word commands about the game itself: save, load, score, help,
// repeat, restart, quit and the like.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the special command word in session.command.special_command.
TurnEnd RunSpecialCommand(GameSession& session, Console& console);
