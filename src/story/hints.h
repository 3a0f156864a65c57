// Hints: one tip that fits the state of the game ("hilfe").
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

// "hilfe": the hint through the message line. Costs no move. Rules are
// tried from the top; the first that applies gives the hint, so asking again
// gives the same one.
TurnEnd GiveHint(GameSession& session);
