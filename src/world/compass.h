// Which ways lead on from the current room, as the compass of the status bar
// shows them: exit codes ("n", "no", "sw", ...) each surrounded by blanks.
#pragma once

#include <string>

#include "world/game_session.h"

// The exits of the current room, e.g. " n s w ".
std::string CompassExitCodes(const GameSession& session);
// The ways that are there but blocked for now (drawn red), e.g. " n ".
std::string BlockedExitCodes(const GameSession& session);
