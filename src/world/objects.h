// The portable objects: what lies in the current room, what the player
// carries, and the joined lists built from their name forms.
#pragma once

#include <string>
#include <vector>

#include "world/game_session.h"

// Joins names the way every listing does: "A", "A und B", "A, B und C".
// The caller adds the opening and closing text.
std::string JoinNames(const std::vector<std::string>& names);

// The room forms ("ein Korb", "etwas Gras", ...) of the things lying in the
// current room, in the order the room description lists them.
std::vector<std::string> ObjectsLyingHere(const GameSession& session);

// The inventory forms ("einen Korb", "eine zerrissene Zeitung", ...) of the
// carried objects, in inventory order.
std::vector<std::string> CarriedObjects(const GameSession& session);

// Whether the honey jar is open: its lid lies loose or is carried on its own.
bool JarIsOpen(const GameSession& session);
