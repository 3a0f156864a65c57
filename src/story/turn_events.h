// What happens in the world at the top of every turn, before the prompt:
// the wolf's doings and the forest's ambience.
#pragma once

#include "world/game_session.h"

class Console;
class RandomSource;

void RunWolfEvents(GameSession& session, Console& console);
void RunAmbience(GameSession& session, Console& console, RandomSource& random);
