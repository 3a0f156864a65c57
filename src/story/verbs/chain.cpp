#include "story/verbs/chain.h"

#include <algorithm>
#include <iterator>

#include "story/verbs/rewrites.h"

namespace {

// The handlers in the order they are asked.
constexpr VerbHandler kChain[] = {
    Take,
    Follow,
    PutDown,
    Look,
};

TurnEnd RunFrom(GameSession& session, Console& console, const VerbHandler* first) {
  for (const VerbHandler* handler = first; handler != std::end(kChain); ++handler) {
    if (TurnStep end = (*handler)(session, console)) return *end;
  }
  return TurnEnd::kTopOfTurn;
}

}  // namespace

TurnEnd RunVerbChain(GameSession& session, Console& console) {
  RewriteBeforeChain(session, console);
  return RunFrom(session, console, std::begin(kChain));
}

TurnEnd ContinueAt(GameSession& session, Console& console, VerbHandler handler) {
  return RunFrom(session, console, std::find(std::begin(kChain), std::end(kChain), handler));
}
