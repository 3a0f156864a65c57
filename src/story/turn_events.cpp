#include "story/turn_events.h"

#include "console/console.h"
#include "console/text_output.h"
#include "parser/vocabulary.h"
#include "story/score.h"
#include "world/encoding.h"
#include "world/random_source.h"

namespace {

void PrintAfterEmptyLine(GameSession& s, Console& console, std::string_view utf8) {
  PrintMessage(s, console, "");
  PrintMessage(s, console, Cp850(utf8));
}

}  // namespace

void RunWolfEvents(GameSession& s, Console& console) {
  if (s.current_room == kBridgeApproach && s.ball_room == kBridgeApproach && s.ball_state == kBallLying) {
    PrintAfterEmptyLine(s, console,
                        "Der Wolf sieht die Kugel auf dem Boden liegen, reißt sie gierig an sich und lässt sie "
                        "in seinem Anzug verschwinden.");
    s.ball_state = kBallWithWolf;
    AwardOnce(s, console, s.wolf_grabbed_ball, 4);
  }
  if (s.ball_state == kBallWithWolf && s.sheep_state == kSheepShorn) {
    s.wolf_gone = 1;
    s.ball_state = kBallGone;
    s.sheep_state = kSheepGone;
    PrintAfterEmptyLine(s, console,
                        "'Also gut, du hast mir alles gegeben, was ich wollte', sagt der Wolf. 'Geschäft ist "
                        "Geschäft.' Er zieht Nadel und Faden aus der Brusttasche und schneidert sich aus der "
                        "frisch geschorenen Wolle in Windeseile ein täuschend echtes Schafskostüm.");
    PrintAfterEmptyLine(s, console,
                        "Dann zündet er sich eine dicke Zigarre an, greift nach einem Koffer, der wohl die ganze "
                        "Zeit hinter dem Brückengeländer gestanden hat, und schlendert gemächlich über die "
                        "Brücke nach Norden davon.");
  }
}

void RunAmbience(GameSession& s, Console& console, RandomSource& random) {
  if (s.move_count <= 2 || s.last_ambience_move >= s.move_count || s.pending_mode >= 1 || s.context_verb_turns >= 1 ||
      IsRepeatWord(s.command.special_command)) {
    return;
  }
  if (s.current_room > kNoRoom && s.current_room != kWell && s.current_room != kClearing) {
    switch (random.Draw(1, 70)) {
      case 1:
        PrintAfterEmptyLine(s, console, "Für einen Moment frischt der Wind auf und rauscht in den Wipfeln der Bäume.");
        break;
      case 2:
        if (!s.woodpecker_heard) {
          PrintAfterEmptyLine(s, console, "Irgendwo in der Ferne morst ein Specht das SOS.");
        }
        s.woodpecker_heard = 1;
        break;
      case 3:
        if (!s.hare_seen) {
          PrintAfterEmptyLine(s, console,
                              "Ein Hase hoppelt aus dem Gebüsch, sieht dich, erstarrt kurz in seiner Bewegung und "
                              "verschwindet im nächsten Moment im dichten Gestrüpp.");
        }
        s.hare_seen = 1;
        break;
      default:
        break;
    }
  }
  const std::string kiss = Cp850("küsse");
  const std::string press = Cp850("drücke");
  if (s.current_room == kWell && !s.frog_transformed && s.command.verb != kiss && s.command.verb != press &&
      s.context_verb != kiss && s.context_verb != press) {
    random.SeedFromClock();
    if (random.Draw(1, 3) == 1 && !s.frog_lament_shown) {
      PrintAfterEmptyLine(s, console, "'Wäre ich doch nur wieder so schön wie zuvor', sagt der Frosch.");
      s.frog_lament_shown = 1;
    }
  }
  s.last_ambience_move = s.move_count;
}
