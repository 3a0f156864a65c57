#include "story/room_events.h"

#include "console/console.h"
#include "console/encoding.h"
#include "console/text_output.h"
#include "story/story_text.h"
#include "world/objects.h"
#include "world/score.h"

namespace {

// A paragraph set off from the text above by a bare line end.
void PrintAfterLineEnd(GameSession& s, Console& console, std::string_view utf8) {
  console.LineEnd();
  PrintMessage(s, console, Cp850(utf8));
}

// The events print their line ends directly; in full mode the pager is told
// of them ahead.
void CountLinesInFullMode(GameSession& s, int lines) {
  if (s.brief_mode == 0) s.lines_since_pause = static_cast<std::int16_t>(s.lines_since_pause + lines);
}

void Award(GameSession& s, Console& console, int& flag, int points) {
  if (flag != 0) return;
  flag = 1;
  s.score_award = points;
  AwardPoints(s, console);
}

}  // namespace

void RunArrivalEvents(GameSession& s, Console& console) {
  if (s.current_room == 10 && s.key_bent == 0 && s.cigar_smoke_noticed == 0) {
    CountLinesInFullMode(s, 2);
    PrintAfterLineEnd(s, console,
                      Paragraph("Für einen ganz kurzen Moment steigt dir der Duft von Zigarrenrauch in die Nase. "
                                "Der Wolf scheint ganz in der Nähe zu sein."));
    s.cigar_smoke_noticed = 1;
  }

  if (s.current_room == 3 && s.spare_key_found == 1 && s.little_bear_seen == 0) {
    CountLinesInFullMode(s, 2);
    PrintAfterLineEnd(s, console,
                      Paragraph("Ein kleiner gelber Bär mit einem zu kurzen roten Pullover kommt kopfschüttelnd aus "
                                "Richtung Nordosten angetappst."));
    PrintAfterLineEnd(s, console,
                      Paragraph("'Hat einfach nicht geklappt', brummelt er vor sich hin, 'dabei war es so ein "
                                "schöner Plan.' Ohne dich zu beachten, tappt er weiter nach Norden und ist im "
                                "nächsten Moment zwischen den Bäumen verschwunden."));
    s.little_bear_seen = 1;
  }

  if (s.current_room == 7 && s.sheep_state == 1 && s.sheep_room == 7) {
    CountLinesInFullMode(s, 5);
    PrintAfterLineEnd(s, console,
                      Paragraph("Blitzartig stürzt sich der Wolf mit einer Schere bewaffnet auf das Schaf und "
                                "schert es. Ehe du auch nur 'Mäh' sagen kannst, hält er einen dicken Ballen Wolle "
                                "in den Pfoten und betrachtet ihn sehr zufrieden."));
    PrintAfterLineEnd(s, console,
                      Paragraph("Das Schaf schaut noch einen Moment belämmert in die Runde und läuft schließlich "
                                "nach Süden in den Wald hinein."));
    s.sheep_state = 4;
    s.sheep_room = kSheepRanOff;
    s.wolf_has_sheep = 1;
    Award(s, console, s.sheep_points_given, 4);
  }

  if (s.current_room == 7 && s.wolf_gone == 0 && s.ball_state < 5 && s.sheep_state < 5 &&
      !(s.sheep_points_given == 1 && s.wolf_grabbed_ball == 1)) {
    PrintAfterLineEnd(s, console, Paragraph("Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."));
  }
}

bool RunBeeSwarm(GameSession& s, Console& console) {
  const bool jar_open = s.honey_jar_state == 0 || s.honey_jar_state == 1;
  if (s.current_room != 4 || s.honey_jar_carried != 1 || s.bees_at_jar != 0 || !jar_open) return false;
  PrintAfterLineEnd(s, console,
                    Paragraph("Sofort bist du umzingelt von Dutzenden Bienen, die im Sturzflug auf das offene "
                              "Honigglas zuschießen. Vor Schreck stellst du es auf den Boden. Die Bienen machen sich "
                              "begeistert darüber her und haben für den Rest der Wiese kein Auge mehr übrig."));
  s.honey_jar_carried = 0;
  s.honey_jar_room = 4;
  s.bees_at_jar = 1;
  Award(s, console, s.bees_points_given, 3);
  return true;
}

void RunGrasshopper(GameSession& s, Console& console) {
  if (s.current_room != 4 || s.grasshopper_seen != 0) return;
  PrintAfterLineEnd(s, console,
                    Paragraph("Im Augenwinkel siehst du einen grünen Grashüpfer mit einem braunen Hut, der eilig "
                              "zwischen den Blumen verschwindet. Hatte er da etwa eine Geige unter dem Arm?"));
  s.grasshopper_seen = 1;
}

void PrintObjectsPresent(GameSession& s, Console& console, const std::vector<std::string>& names) {
  if (names.empty()) return;
  console.LineEnd();
  // One direct line: the console wraps it if it must.
  console.SetForeground(kLightGrey);
  console.Write((names.size() == 1 ? "Hier ist " : "Hier sind ") + JoinNames(names) + ".");
  console.LineEnd();
  ++s.lines_since_pause;
}
