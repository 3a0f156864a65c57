#include "world/rooms.h"

#include <stdexcept>

#include "world/encoding.h"

namespace {

struct Exit {
  Room from;
  const char* direction;  // UTF-8
  Room to;
};

constexpr Exit kExits[] = {
    {kForestEntrance, "nord", kForestPath},
    {kForestPath, "nord", kDeepForest},
    {kForestPath, "süd", kForestEntrance},
    {kDeepForest, "nord", kBridgeApproach},
    {kDeepForest, "süd", kForestPath},
    {kDeepForest, "west", kBeeMeadow},
    {kDeepForest, "nordost", kHoneyStand},
    {kDeepForest, "südost", kClearing},
    {kBeeMeadow, "ost", kDeepForest},
    {kBeeMeadow, "südwest", kWell},
    {kWell, "nordost", kBeeMeadow},
    {kHoneyStand, "südwest", kDeepForest},
    {kBridgeApproach, "nord", kBridge},
    {kBridgeApproach, "süd", kDeepForest},
    {kBridgeApproach, "west", kBeaverMarket},
    {kBeaverMarket, "west", kRiverBank},
    {kBeaverMarket, "ost", kBridgeApproach},
    {kRiverBank, "ost", kBeaverMarket},
    {kBridge, "nord", kHouseFront},
    {kBridge, "süd", kBridgeApproach},
    {kHouseFront, "süd", kBridge},
    {kHouseFront, "west", kHouseInside},
    {kClearing, "nordwest", kDeepForest},
};

}  // namespace

std::string RoomTitle(int room) {
  switch (room) {
    case kForestEntrance:
      return "Am Waldeingang";
    case kForestPath:
      return "Auf einem Waldweg";
    case kDeepForest:
      return "Tiefer im Wald";
    case kBeeMeadow:
      return "Auf einer Bienenwiese";
    case kWell:
      return "An einem Brunnen";
    case kHoneyStand:
      return "Am Honigstand";
    case kBridgeApproach:
      return Cp850("Vor einer Brücke");
    case kBeaverMarket:
      return "Am Biberbaumarkt";
    case kRiverBank:
      return "Am westlichen Flussufer";
    case kBridge:
      return Cp850("Auf der Brücke");
    case kHouseFront:
      return "Vor dem Haus deiner Oma";
    case kClearing:
      return "Auf einer Lichtung";
    default:
      return {};
  }
}

bool IsPlaceToStand(int room) { return !RoomTitle(room).empty(); }

int& VisitedFlag(GameSession& s, int room) {
  switch (room) {
    case kForestEntrance:
      return s.visited_forest_entrance;
    case kForestPath:
      return s.visited_path;
    case kDeepForest:
      return s.visited_deep_forest;
    case kBeeMeadow:
      return s.visited_bee_meadow;
    case kWell:
      return s.visited_well;
    case kHoneyStand:
      return s.visited_honey_stand;
    case kBridgeApproach:
      return s.visited_bridge_approach;
    case kBeaverMarket:
      return s.visited_beaver_market;
    case kRiverBank:
      return s.visited_river_bank;
    case kBridge:
      return s.visited_bridge;
    case kHouseFront:
      return s.visited_house_front;
    case kHouseInside:
      return s.visited_house_inside;
    case kClearing:
      return s.visited_clearing;
    default:
      throw std::out_of_range("no such room");
  }
}

int VisitedFlag(const GameSession& s, int room) { return VisitedFlag(const_cast<GameSession&>(s), room); }

int ExitTarget(int room, const std::string& direction) {
  for (const Exit& exit : kExits) {
    if (exit.from == room && direction == Cp850(exit.direction)) return exit.to;
  }
  return kNoRoom;
}
