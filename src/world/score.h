// Points: the one way to add them, announced while score notices are on.
#pragma once

#include "world/game_session.h"

class Console;

// The caller has set `score_award` and the award's own flag beforehand.
void AwardPoints(GameSession& session, Console& console);
