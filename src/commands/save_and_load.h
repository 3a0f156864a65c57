// Saving and loading: the two full-screen dialogs with the list of saves in
// the current directory, and what they leave on the screen afterwards.
#pragma once

#include <string>
#include <vector>

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// At most this many saves are listed.
constexpr size_t kMostSaves = 50;

// The names (without ".sav") of the saves of this game in the current
// directory, in order of their names, at most kMostSaves. Only files named
// with 1 to 8 letters or digits and beginning with the version marker count.
std::vector<std::string> ScanSaves();

// "speichern": the save dialog; costs no move.
TurnEnd SaveGame(GameSession& session, Console& console);
// "laden": the load dialog; a loaded game goes on at the top of the turn.
TurnEnd LoadGame(GameSession& session, Console& console);
