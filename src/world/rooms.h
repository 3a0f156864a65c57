// What the game knows of its rooms: their headings, their visited flags and
// the fixed ways between them.
#pragma once

#include <string>

#include "world/game_session.h"

constexpr int kFirstRoom = kForestEntrance;
constexpr int kLastRoom = kClearing;

// The heading of a room, which the status bar shows as the place name
// ("Am Waldeingang"); empty for the house's inside and the tower.
std::string RoomTitle(int room);

// A room the player can stand in: one with a heading.
bool IsPlaceToStand(int room);

// The visited flag of a room 1..13.
int& VisitedFlag(GameSession& session, int room);
int VisitedFlag(const GameSession& session, int room);

// The room an exit of the fixed table leads to, ignoring the wolf, the bees
// and the door; kNoRoom when there is no way in that direction.
int ExitTarget(int room, const std::string& direction);
