#include "world/score.h"

#include "console/console.h"
#include "console/encoding.h"
#include "console/status_bar.h"
#include "console/text_output.h"

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
