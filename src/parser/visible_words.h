// What may be named in the current room: the background words, the room's
// own words and the things that are here or carried.
#pragma once

#include <string>
#include <string_view>

#include "world/game_session.h"

// Builds session.visible_words anew for the current command. For "pflücke"
// a bouquet in the bee meadow becomes the flowers it would be picked from.
void BuildVisibleWords(GameSession& session);

// Object 1 must be in the list as a whole word.
bool IsObject1Visible(const GameSession& session);
// Object 2 may also be found inside a longer word of the list.
bool IsObject2Visible(const GameSession& session);
