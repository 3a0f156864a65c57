#include "world/rooms.h"

#include <stdexcept>

int& VisitedFlag(GameSession& s, int room) {
  switch (room) {
    case 1: return s.visited_forest_entrance;
    case 2: return s.visited_path;
    case 3: return s.visited_deep_forest;
    case 4: return s.visited_bee_meadow;
    case 5: return s.visited_well;
    case 6: return s.visited_honey_stand;
    case 7: return s.visited_bridge_approach;
    case 8: return s.visited_beaver_market;
    case 9: return s.visited_river_bank;
    case 10: return s.visited_bridge;
    case 11: return s.visited_house_front;
    case 12: return s.visited_house_inside;
    case 13: return s.visited_clearing;
    default: throw std::out_of_range("no such room");
  }
}

int VisitedFlag(const GameSession& s, int room) { return VisitedFlag(const_cast<GameSession&>(s), room); }
