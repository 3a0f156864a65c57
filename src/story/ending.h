// The ending: the girl enters her grandmother's house. It closes with the
// choice between a new game and the end of the program, so it never returns.
#pragma once

#include "world/game_session.h"

class Console;

// Throws RestartRequest ("n") or ProgramExit{0} ("e").
[[noreturn]] void RunEnding(GameSession& session, Console& console);
