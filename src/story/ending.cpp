#include "story/ending.h"

#include <iterator>
#include <string>

#include "console/console.h"
#include "console/status_bar.h"
#include "console/text_output.h"
#include "story/score.h"
#include "story/story_text.h"
#include "world/encoding.h"
#include "world/turn.h"

namespace {

constexpr int kRestartDelay = 1000;  // milliseconds
constexpr int kExitDelay = 3000;

constexpr std::string_view kFinalScene[] = {
    Paragraph("Düster ist es hier drin und irgendwie unheimlich. Durch die Vorhänge fällt kaum Licht, doch "
              "hinten im Zimmer erkennst du das Bett deiner Oma."),
    Paragraph("Sie liegt im Bett und hat die Haube tief ins Gesicht gezogen. Was hat sie für große Ohren! "
              "Und erst die Augen, die Hände und dieser riesige Mund! Das liegt wohl in der Familie. Zum "
              "Glück kommst du nach Papa."),
    Paragraph("Plötzlich fällt draußen ein Schuss, und kurz darauf betritt der Jäger das Haus. Stolz erzählt "
              "er von einem verirrten Schaf, das er eben erlegt hat. 'Seltsames Tier. Habe nie zuvor ein "
              "Schaf gesehen, das Zigarre raucht!'"),
};

// The two points of the ending come without a notice.
void AwardSilently(GameSession& s, Console& console) {
  s.score_notices_on = 0;
  s.score_award = 2;
  AwardPoints(s, console);
}

int LowerCase(int key) { return (key >= 'A' && key <= 'Z') ? key - 'A' + 'a' : key; }

}  // namespace

void RunEnding(GameSession& s, Console& console) {
  PrintMessage(s, console,
               Cp850("Bevor du das Haus betrittst, wirfst du mit einem Lächeln einen letzten Blick zurück in den "
                     "Wald."));
  console.LineEnd();
  PrintMessage(s, console, Cp850("Du musst der Oma unbedingt von deinen Erlebnissen erzählen!"));
  console.LineEnd();

  WriteLine(console, s.accent_colour, Centre("<Beliebige Taste>"));
  s.lines_since_pause = 1;
  console.SetCursorVisible(false);
  RedrawStatusBar(s, console);
  console.ReadKey(WaitKind::kAnyKey);

  console.SetColours(kLightGrey, kBlack);
  console.Clear();
  console.SetCursor(5, 1);

  if (s.basket_carried) AwardSilently(s, console);
  if (s.bouquet_carried) AwardSilently(s, console);

  s.place_name = "Im Haus deiner Oma";
  WriteLine(console, s.accent_colour, s.place_name);
  console.LineEnd();
  console.SetForeground(kLightGrey);

  for (size_t i = 0; i < std::size(kFinalScene); ++i) {
    if (i > 0) console.LineEnd();
    PrintMessage(s, console, Cp850(kFinalScene[i]));
  }

  WriteLine(console, kWhite, Cp850("Du hast das Spiel erfolgreich beendet! Herzlichen Glückwunsch!"));
  console.SetForeground(kLightGrey);
  console.LineEnd();
  WriteLine(
      console, kLightGrey,
      "Du hast" + NumberText(s.score) + "von 30 Punkten in" + NumberText(s.move_count) + Cp850("Zügen erreicht."));

  console.LineEnd();
  WriteLine(console, kLightGrey, Cp850("Möchtest du das Spiel (n)eu beginnen oder be(e)nden?"));
  const int question_row = console.CursorRow();
  s.lines_since_pause = 1;
  console.SetCursorVisible(false);
  RedrawStatusBar(s, console);
  console.SetColours(kLightGrey, kBlack);

  for (;;) {
    const int key = LowerCase(console.ReadKey(WaitKind::kChoice));
    if (key == 'n') {
      console.Sleep(kRestartDelay);
      throw RestartRequest{};
    }
    if (key == 'e') {
      console.SetCursor(question_row, 1);
      console.LineEnd();
      WriteLine(console, kWhite,
                Cp850("Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org"));
      RedrawStatusBar(s, console);
      console.Sleep(kExitDelay);
      throw ProgramExit{0};
    }
  }
}
