// The handlers of the verb chain. Each looks at session.command and either
// answers (the turn ends), or lets the next handler try (nothing). A handler
// that turns the command into another verb's continues at that verb's
// handler (ContinueAt in chain.h).
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

using VerbHandler = TurnStep (*)(GameSession&, Console&);

// take_drop.cpp
TurnStep Take(GameSession& session, Console& console);     // "nehme", also everything
TurnStep PutDown(GameSession& session, Console& console);  // "lege", "stelle", "werfe", "stecke" without a place

// movement.cpp
TurnStep Follow(GameSession& session, Console& console);  // "folge"

// looking.cpp
TurnStep Look(GameSession& session, Console& console);  // "schaue"
