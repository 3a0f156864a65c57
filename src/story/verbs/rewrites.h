// Commands that are another command in other words, rewritten once before
// the verb chain runs.
#pragma once

#include "world/game_session.h"

class Console;

// Picking flowers or grass and picking something up ("lies den korb auf")
// are taking; taking the lid off ("nimm den deckel ab") is opening the jar.
void RewriteBeforeChain(GameSession& session, Console& console);
