// Taking and putting down: one object by its own branch, or everything at
// once ("nimm alles", "lege alles hin"); and what the player carries.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// "nehme" with one object that is here. Returns nullopt when the object is
// not one this handler knows; the verb chain then goes on. Taking the lid off
// ("nimm den deckel ab") is rewritten to opening the jar and also goes on.
TurnStep TakeObject(GameSession& session, Console& console);

// "lege", "stelle", "werfe", "stecke" without a place. Returns nullopt when
// the object is not carried; the verb chain then goes on.
TurnStep DropObject(GameSession& session, Console& console);

// Putting down what is not carried: the lid on the jar, the cake and the
// wine in the basket, anything else.
TurnEnd RefuseDrop(GameSession& session, Console& console);

TurnEnd TakeAll(GameSession& session, Console& console);
TurnEnd DropAll(GameSession& session, Console& console);

// The inventory command: counts a move and answers with what is carried.
TurnEnd ShowInventory(GameSession& session);
