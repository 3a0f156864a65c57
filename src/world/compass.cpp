#include "world/compass.h"

std::string CompassExitCodes(const GameSession& s) {
  switch (s.current_room) {
    case 0:
    case 1: return " n ";
    case 2: return " n s ";
    case 3: return " n s w no so ";
    case 4: return " sw o ";
    case 5: return " no ";
    case 6: return " sw ";
    case 7: return " n s w ";
    case 8: return " w o ";
    case 9: return " o ";
    case 10: return " n s ";
    case 11: return s.door_open == 1 ? " s w " : " s ";
    case 13: return " nw ";
    default: return " ";
  }
}

std::string BlockedExitCodes(const GameSession& s) {
  std::string blocked = " ";
  if (s.current_room == 7 && s.wolf_gone == 0) blocked += "n ";   // the wolf stands on the bridge
  if (s.current_room == 11 && s.door_open == 0) blocked += "w ";  // the house door is shut
  if (s.current_room == 4 && s.bees_at_jar == 0) blocked += "sw ";  // the bees guard the way
  return blocked;
}
