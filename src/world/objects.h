// The portable objects: their name forms, the joined lists built from them,
// and the inventory.
#pragma once

#include <string>
#include <vector>

#include "world/game_session.h"
#include "world/turn.h"

// Joins names the way every listing does: "A", "A und B", "A, B und C".
// The caller adds the opening and closing text.
std::string JoinNames(const std::vector<std::string>& names);

// The room forms ("ein Korb", "etwas Gras", ...) of the things lying in the
// current room, in the order the room description lists them.
std::vector<std::string> ObjectsLyingHere(const GameSession& session);

// The inventory forms ("einen Korb", "eine zerrissene Zeitung", ...) of the
// carried objects, in inventory order.
std::vector<std::string> CarriedObjects(const GameSession& session);

// The inventory command: counts a move and leaves the answer in the message
// line.
TurnEnd ShowInventory(GameSession& session);
