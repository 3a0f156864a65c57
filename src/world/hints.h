// Hints: one tip that fits the state of the game ("hilfe").
#pragma once

#include <string>

#include "world/game_session.h"
#include "world/turn.h"

// The hint for the current state (CP850). Rules are tried from the top; the
// first that applies gives the hint, so asking again gives the same one.
std::string HintFor(const GameSession& session);

// "hilfe": the hint through the message line. Costs no move.
TurnEnd GiveHint(GameSession& session);
