// Points and moves: the one way to add points, announced while score
// notices are on, and the three commands about the counters.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// The caller has set `score_award` and the award's own flag beforehand.
void AwardPoints(GameSession& session, Console& console);

// An award given once per game: nothing happens when its flag is set
// already; otherwise the flag is set and the points are added.
void AwardOnce(GameSession& session, Console& console, int& flag, int points);

// "punkte" / "score": the points so far, out of 30. Costs no move.
TurnEnd ReportScore(GameSession& session);
// "züge": the moves so far. Costs no move.
TurnEnd ReportMoves(GameSession& session);
// "meldung": switches the score notices on or off. Costs no move.
TurnEnd ToggleScoreNotices(GameSession& session);
