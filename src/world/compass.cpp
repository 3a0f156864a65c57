#include "world/compass.h"

std::string CompassExitCodes(const GameSession& s) {
  switch (s.current_room) {
    case kNoRoom:
    case kForestEntrance:
      return " n ";
    case kForestPath:
      return " n s ";
    case kDeepForest:
      return " n s w no so ";
    case kBeeMeadow:
      return " sw o ";
    case kWell:
      return " no ";
    case kHoneyStand:
      return " sw ";
    case kBridgeApproach:
      return " n s w ";
    case kBeaverMarket:
      return " w o ";
    case kRiverBank:
      return " o ";
    case kBridge:
      return " n s ";
    case kHouseFront:
      return s.door_open ? " s w " : " s ";
    case kClearing:
      return " nw ";
    default:
      return " ";
  }
}

std::string BlockedExitCodes(const GameSession& s) {
  std::string blocked = " ";
  if (s.current_room == kBridgeApproach && !s.wolf_gone) blocked += "n ";  // the wolf stands on the bridge
  if (s.current_room == kHouseFront && !s.door_open) blocked += "w ";      // the house door is shut
  if (s.current_room == kBeeMeadow && !s.bees_at_jar) blocked += "sw ";    // the bees guard the way
  return blocked;
}
