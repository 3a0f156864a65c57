// The one-word commands about the game itself: score, help, repeat,
// restart, quit and the like, and the one-word activities ("lache", "singe").
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the special command word in session.command.special_command. The
// parser hands over every sentence with a special-command word and no
// direction; the word must stand alone (except "g" and "huch").
TurnEnd RunSpecialCommand(GameSession& session, Console& console);
