#include "story/score.h"

#include <string>

#include "console/console.h"
#include "console/status_bar.h"
#include "console/text_output.h"
#include "world/encoding.h"

namespace {

constexpr int kMaximumScore = 30;

}  // namespace

void AwardPoints(GameSession& session, Console& console) {
  if (session.score_notices_on) {
    console.SetForeground(kWhite);
    console.LineEnd();
    console.Write("[Deine Punktzahl hat sich um");
    console.Write(NumberText(session.score_award));
    WriteLine(console, kWhite, Cp850("Punkte erhöht.]"));
    if (!session.notice_hint_shown) {
      WriteLine(console, kLightGrey, "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]");
      session.notice_hint_shown = 1;
    }
  }
  session.score += session.score_award;
  console.SetForeground(kLightGrey);
}

void AwardOnce(GameSession& session, Console& console, int& flag, int points) {
  if (flag) return;
  flag = 1;
  session.score_award = points;
  AwardPoints(session, console);
}

TurnEnd ReportScore(GameSession& session) {
  return Answer(session, "Du hast " + std::to_string(session.score) + " von " + std::to_string(kMaximumScore) +
                             " Punkten erreicht.");
}

TurnEnd ReportMoves(GameSession& session) {
  const char* unit = session.move_count == 1 ? " Zug" : " Züge";
  return Answer(session, "Du hast bisher " + std::to_string(session.move_count) + Cp850(unit) + Cp850(" benötigt."));
}

TurnEnd ToggleScoreNotices(GameSession& session) {
  // Whoever has found the command needs no reminder of it.
  session.notice_hint_shown = 1;
  session.score_notices_on = !session.score_notices_on;
  if (session.score_notices_on) return Answer(session, "(Benachrichtigungen bei Punktestandsänderungen).");
  return Answer(session, "(Keine Benachrichtigungen bei Punktestandsänderungen).");
}
