// How a command handler hands control back to the turn loop.
#pragma once

#include <optional>

// The two re-entry points of the turn loop.
enum class TurnEnd {
  kEndOfTurn,  // print the message line, then the top of the turn
  kTopOfTurn,  // the handler has printed its own output already
};

// A step or handler that may end the turn: nothing lets the next one go on.
using TurnStep = std::optional<TurnEnd>;

// Where the line being processed came from.
enum class InputOrigin {
  kTyped,        // read at the prompt
  kQueued,       // a further sentence of the last typed line
  kFromProgram,  // put into input_line by the game itself
};

// Thrown to restart the game from the start-up (the restart command, the
// ending, an unusable save file); the turn loop catches it.
struct RestartRequest {};
