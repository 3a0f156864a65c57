// Taking and putting down everything at once ("nimm alles", "lege alles hin").
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

TurnEnd TakeAll(GameSession& session, Console& console);
TurnEnd DropAll(GameSession& session, Console& console);
