// What the girl does with herself: jumping, sitting, standing, climbing, crawling, going somewhere, entering and leaving.
#include "story/verbs/handlers.h"
#include "story/verbs/movement.h"
#include "story/verbs/verb_support.h"

TurnStep Jump(GameSession&, Console&) { return std::nullopt; }

TurnStep Cross(GameSession&, Console&) { return std::nullopt; }

TurnStep Go(GameSession&, Console&) { return std::nullopt; }

TurnStep Crawl(GameSession&, Console&) { return std::nullopt; }

TurnStep Stride(GameSession&, Console&) { return std::nullopt; }

TurnStep SitOn(GameSession&, Console&) { return std::nullopt; }

TurnStep Sit(GameSession&, Console&) { return std::nullopt; }

TurnStep Wake(GameSession&, Console&) { return std::nullopt; }

TurnStep Climb(GameSession&, Console&) { return std::nullopt; }

TurnStep Enter(GameSession&, Console&) { return std::nullopt; }

TurnStep Stand(GameSession&, Console&) { return std::nullopt; }

TurnStep Leave(GameSession&, Console&) { return std::nullopt; }

TurnStep Follow(GameSession& s, Console& console) {
  if (s.command.verb != "folge") return std::nullopt;
  // The humming leads to the bee meadow.
  if (s.command.object1 == "gesumme" && s.current_room == kDeepForest) {
    PrintMessage(s, console, "(gehe nach Westen)");
    return EnterRoom(s, console, kBeeMeadow);
  }
  return std::nullopt;
}

TurnStep GoInto(GameSession&, Console&) { return std::nullopt; }
