// Points and moves: the one way to add points, announced while score
// notices are on, and the three commands about the counters.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// The caller has set `score_award` and the award's own flag beforehand.
void AwardPoints(GameSession& session, Console& console);

// "punkte" / "score": the points so far, out of 30. Costs no move.
TurnEnd ReportScore(GameSession& session);
// "züge": the moves so far. Costs no move.
TurnEnd ReportMoves(GameSession& session);
// "meldung": switches the score notices on or off. Costs no move.
TurnEnd ToggleScoreNotices(GameSession& session);
