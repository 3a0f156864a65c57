// Per-room facts that several parts of the game look up by room number.
#pragma once

#include "world/game_session.h"

constexpr int kFirstRoom = 1;
constexpr int kLastRoom = 13;

// The visited flag of a room 1..13.
int& VisitedFlag(GameSession& session, int room);
int VisitedFlag(const GameSession& session, int room);
