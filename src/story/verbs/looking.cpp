// Looking: around, and at, into, under, behind and through things.
#include "console/text_output.h"
#include "story/room_descriptions.h"
#include "story/verbs/handlers.h"

namespace {

// "schaue" alone, "schaue um" or "schaue dich um": looking around describes
// the room.
bool IsLookAround(const ParsedCommand& c) {
  if (c.object_count == 0) return c.preposition.empty() || c.preposition == "um";
  return c.preposition == "um" && c.object1 == "dich" && c.object_count == 1;
}

}  // namespace

TurnStep Look(GameSession& s, Console& console) {
  if (s.command.verb != "schaue" || !IsLookAround(s.command)) return std::nullopt;
  DescribeRoom(s, console);
  return TurnEnd::kTopOfTurn;
}
