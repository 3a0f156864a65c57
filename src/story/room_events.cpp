#include "story/room_events.h"

#include "console/console.h"
#include "console/text_output.h"
#include "story/score.h"
#include "story/story_text.h"
#include "world/encoding.h"
#include "world/objects.h"

namespace {

// A paragraph set off from the text above by a bare line end.
void PrintAfterLineEnd(GameSession& s, Console& console, std::string_view utf8) {
  console.LineEnd();
  PrintMessage(s, console, Cp850(utf8));
}

// The events print their line ends directly; in full mode the pager is told
// of them ahead.
void CountLinesInFullMode(GameSession& s, int lines) {
  if (!s.brief_mode) s.lines_since_pause = static_cast<std::int16_t>(s.lines_since_pause + lines);
}

}  // namespace

void RunArrivalEvents(GameSession& s, Console& console) {
  if (s.current_room == kBridge && !s.key_bent && !s.cigar_smoke_noticed) {
    CountLinesInFullMode(s, 2);
    PrintAfterLineEnd(s, console,
                      Paragraph("Für einen ganz kurzen Moment steigt dir der Duft von Zigarrenrauch in die Nase. "
                                "Der Wolf scheint ganz in der Nähe zu sein."));
    s.cigar_smoke_noticed = 1;
  }

  if (s.current_room == kDeepForest && s.spare_key_found && !s.little_bear_seen) {
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

  if (s.current_room == kBridgeApproach && s.sheep_state == kSheepFollowing && s.sheep_room == kBridgeApproach) {
    CountLinesInFullMode(s, 5);
    PrintAfterLineEnd(s, console,
                      Paragraph("Blitzartig stürzt sich der Wolf mit einer Schere bewaffnet auf das Schaf und "
                                "schert es. Ehe du auch nur 'Mäh' sagen kannst, hält er einen dicken Ballen Wolle "
                                "in den Pfoten und betrachtet ihn sehr zufrieden."));
    PrintAfterLineEnd(s, console,
                      Paragraph("Das Schaf schaut noch einen Moment belämmert in die Runde und läuft schließlich "
                                "nach Süden in den Wald hinein."));
    s.sheep_state = kSheepShorn;
    s.sheep_room = kSheepRanOff;
    s.wolf_has_sheep = 1;
    AwardOnce(s, console, s.sheep_points_given, 4);
  }

  if (s.current_room == kBridgeApproach && !s.wolf_gone && s.ball_state < kBallGone && s.sheep_state < kSheepGone &&
      !(s.sheep_points_given && s.wolf_grabbed_ball)) {
    PrintAfterLineEnd(s, console, Paragraph("Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."));
  }
}

bool RunBeeSwarm(GameSession& s, Console& console) {
  const bool jar_open = s.honey_jar_state == kLidLoose || s.honey_jar_state == kLidCarried;
  if (s.current_room != kBeeMeadow || !s.honey_jar_carried || s.bees_at_jar || !jar_open) return false;
  PrintAfterLineEnd(s, console,
                    Paragraph("Sofort bist du umzingelt von Dutzenden Bienen, die im Sturzflug auf das offene "
                              "Honigglas zuschießen. Vor Schreck stellst du es auf den Boden. Die Bienen machen sich "
                              "begeistert darüber her und haben für den Rest der Wiese kein Auge mehr übrig."));
  BeesTakeTheJar(s, console);
  return true;
}

void BeesTakeTheJar(GameSession& s, Console& console) {
  s.honey_jar_carried = 0;
  s.honey_jar_room = kBeeMeadow;
  s.bees_at_jar = 1;
  AwardOnce(s, console, s.bees_points_given, 3);
}

void RunGrasshopper(GameSession& s, Console& console) {
  if (s.current_room != kBeeMeadow || s.grasshopper_seen) return;
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
