// The verb dispatch: a checked command goes to the handler of its verb.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the chain of handlers for session.command, starting with take and drop.
TurnEnd DispatchVerb(GameSession& session, Console& console);

// Listening, which needs no object ("lausche").
TurnEnd RunListenHandler(GameSession& session, Console& console);

// Sitting down: "setze" with "dich" (and "bank" on the forest path).
TurnEnd RunSitHandler(GameSession& session, Console& console);
