// What happens when the player arrives somewhere, after the room's text:
// the scripted events, the meadow's two scenes and the things lying here.
#pragma once

#include <string>
#include <vector>

#include "world/game_session.h"

class Console;

// The cigar smoke, the little bear, the shorn sheep and the wolf at the bridge.
void RunArrivalEvents(GameSession& session, Console& console);
// The bees take the open honey jar; true when they did (the description ends).
bool RunBeeSwarm(GameSession& session, Console& console);
// The bees settle on the jar, which stays on the meadow; the first time earns
// points.
void BeesTakeTheJar(GameSession& session, Console& console);
// A grasshopper hurries past, once per game.
void RunGrasshopper(GameSession& session, Console& console);
// "Hier ist ein Korb." / "Hier sind eine Zeitung und ein Korb.": one direct
// line; nothing when the list is empty.
void PrintObjectsPresent(GameSession& session, Console& console, const std::vector<std::string>& names);
