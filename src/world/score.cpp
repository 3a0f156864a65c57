#include "world/score.h"

#include <string>

#include "console/console.h"
#include "console/encoding.h"
#include "console/status_bar.h"
#include "console/text_output.h"

namespace {

constexpr int kMaximumScore = 30;

}  // namespace

void AwardPoints(GameSession& session, Console& console) {
  if (session.score_notices_on == 1) {
    console.SetForeground(kWhite);
    console.LineEnd();
    console.Write("[Deine Punktzahl hat sich um");
    console.Write(NumberText(session.score_award));
    WriteLine(console, kWhite, Cp850("Punkte erhöht.]"));
    if (session.notice_hint_shown == 0) {
      WriteLine(console, kLightGrey, "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]");
      session.notice_hint_shown = 1;
    }
  }
  session.score += session.score_award;
  console.SetForeground(kLightGrey);
}

TurnEnd ReportScore(GameSession& session) {
  SetMessage(session, "Du hast " + std::to_string(session.score) + " von " + std::to_string(kMaximumScore) +
                          " Punkten erreicht.");
  return TurnEnd::kEndOfTurn;
}

TurnEnd ReportMoves(GameSession& session) {
  const char* unit = session.move_count == 1 ? " Zug" : " Züge";
  SetMessage(session, "Du hast bisher " + std::to_string(session.move_count) + Cp850(unit) + Cp850(" benötigt."));
  return TurnEnd::kEndOfTurn;
}

TurnEnd ToggleScoreNotices(GameSession& session) {
  // Whoever has found the command needs no reminder of it.
  session.notice_hint_shown = 1;
  if (session.score_notices_on == 0) {
    session.score_notices_on = 1;
    SetMessage(session, Cp850("(Benachrichtigungen bei Punktestandsänderungen)."));
  } else {
    session.score_notices_on = 0;
    SetMessage(session, Cp850("(Keine Benachrichtigungen bei Punktestandsänderungen)."));
  }
  return TurnEnd::kEndOfTurn;
}
