#include "story/verbs/chain.h"

#include <algorithm>
#include <iterator>

#include "story/verbs/rewrites.h"

namespace {

// The handlers in the order they are asked.
constexpr VerbHandler kChain[] = {
    CheckSenseArticles,
    TouchTheBall,
    Feed,
    Jump,
    Pull,
    Call,
    Kick,
    Throw,
    Search,
    Smoke,
    Stick,
    Cross,
    Go,
    Buy,
    Pay,
    Knock,
    Examine,
    Crawl,
    Stride,
    Tear,
    Light,
    Greet,
    Trample,
    Talk,
    Torment,
    Catch,
    SitOn,
    Sit,
    Wake,
    Smell,
    Kill,
    Ride,
    Loosen,
    Replace,
    Destroy,
    Touch,
    Taste,
    Rotate,
    MoveObject,
    Climb,
    ScareAway,
    Read,
    Enter,
    Kiss,
    Eat,
    Drink,
    Sweep,
    Hit,
    Stand,
    Leave,
    Close,
    GiveOrShow,
    Tell,
    AskAbout,
    Press,
    Bend,
    Repair,
    Take,
    Lure,
    Follow,
    Swing,
    Find,
    Listen,
    GoInto,
    PutDown,
    PutInOrOn,
    Stroke,
    Tickle,
    Think,
    RemoveThing,
    Open,
    Clean,
    Hug,
    Look,
    Push,
    Use,
    DefaultAnswer,
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
