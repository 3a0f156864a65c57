// What the turn does with a sentence once the parser has read it. The parser
// answers, rejects and asks on its own; everything that acts in the world it
// hands back to the turn loop.
#pragma once

#include <optional>

#include "world/turn.h"

enum class Route {
  kEndOfTurn,       // the parser answered, rejected or asked: print the message line
  kTopOfTurn,       // the parser printed what there was to print
  kSpecialCommand,  // a one-word command about the game
  kMovement,        // a direction sentence, its move counted
  kVerbChain,       // a checked command for the verbs
};

// A step of the parser: nothing lets the sentence go on.
using ParseStep = std::optional<Route>;

inline Route RouteOf(TurnEnd end) { return end == TurnEnd::kEndOfTurn ? Route::kEndOfTurn : Route::kTopOfTurn; }
