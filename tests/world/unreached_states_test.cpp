// States that only the puzzles lead to. Until their verbs answer, a player
// cannot get there, so each case sets the session up as the puzzle will leave
// it and then plays from the prompt, much as a transcript does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "support/game_harness.h"
#include "world/rooms.h"

namespace {

using S = GameSession;

void KeyAtTheBeaver(S& s) { s.current_room = 8; s.spare_key_found = 1; s.key_under_mat = 0; s.key_holder = 5; }
void SheepFollows(S& s) { s.sheep_state = 1; s.sheep_room = s.current_room; s.grass_carried = 1; }
// East of the meadow with the jar open, its lid in the other hand.
void OpenJarCarried(S& s) {
  s.current_room = 3;
  s.voucher_redeemed = 1;
  s.honey_jar_carried = 1;
  s.honey_jar_state = 1;
}

struct Case {
  const char* label;
  void (*set_up)(S&);
  // The screen rows from the first prompt on, joined by "|": word wrap and
  // empty rows count. A row ">..." is a typed line and its echo; "..." stands
  // for any text.
  std::string script;
};

bool Matches(std::string_view text, std::string_view pattern) {
  const size_t gap = pattern.find("...");
  if (gap == std::string_view::npos) return text == pattern;
  if (text.substr(0, gap) != pattern.substr(0, gap)) return false;
  for (size_t at = gap; at <= text.size(); ++at) {
    if (Matches(text.substr(at), pattern.substr(gap + 3))) return true;
  }
  return false;
}

// Every room but the house seen before: arriving shows the short forms.
std::string Play(const Case& c) {
  GameHarness h;
  h.frontend.set_shows_pages(false);
  h.StartUp();
  h.frontend.Flush(h.console);
  for (int room = kFirstRoom; room <= kLastRoom; ++room) VisitedFlag(h.session(), room) = room != 12;
  c.set_up(h.session());
  for (size_t row = 0; row < c.script.size(); row = c.script.find('|', row) + 1) {
    if (c.script[row] == '>') h.frontend.Line(c.script.substr(row + 1, c.script.find('|', row) - row - 1));
    if (c.script.find('|', row) == std::string::npos) break;
  }
  const size_t first = h.Lines().size();
  h.Play();
  std::string text;
  for (size_t i = first; i < h.Lines().size(); ++i) text += "|" + h.Lines()[i];
  while (text.ends_with("|")) text.pop_back();
  return text.substr(std::min(text.size(), text.find_first_not_of('|')));
}

const Case kCases[] = {
    {"over the bridge, the wolf gone, the key straight",
     [](S& s) {
       s.current_room = 7; s.wolf_gone = 1; s.ball_state = 5; s.sheep_state = 5;
       s.spare_key_found = 1; s.key_under_mat = 0; s.key_holder = 1; s.key_bent = 0; s.coin_state = 99;
     },
     ">schaue|Vor einer Brücke||...||Nach Süden gelangst du zurück in Richtung Waldeingang, am Fluss entlang "
     "kannst|du nach Westen gehen. Und über die Brücke geht es nun endlich nach Norden zu|deiner Oma.|"
     "|>n|Auf der Brücke||Für einen ganz kurzen Moment steigt dir der Duft von Zigarrenrauch in die Nase.|"
     "Der Wolf scheint ganz in der Nähe zu sein.||>o|Nach Osten gelangst du von hier aus nicht. Die Brücke führt "
     "von Süden nach|Norden.||>schaue|Auf der Brücke||Du befindest dich auf der schmalen Holzbrücke, die über den "
     "Fluss führt.||Nach Süden gelangst du zurück in den Wald, nach Norden zu deiner Oma.|"
     "|>n|Vor dem Haus deiner Oma||>schaue|Vor dem Haus deiner Oma||...||Nach Süden gelangst du zurück zur Brücke.|"
     "|>n|Im Norden stehen die Bäume zu dicht. Nach Süden gelangst du zurück zur Brücke,|"
     "nach Westen kannst du das Haus deiner Oma betreten.||>w|Die geschlossene Tür versperrt dir den Weg.|"
     "|>i|Du hast einen Korb und einen Schlüssel.||>s|Auf der Brücke||>s|Vor einer Brücke"},
    {"the key under the mat, the door unlocked but closed",
     [](S& s) { s.current_room = 11; s.door_locked = 0; },
     ">nimm schlüssel|Du siehst hier keinen Schlüssel.|"
     "|>nimm matte|Deine Oma wäre nicht begeistert, wenn du ihre Fußmatte wegträgst. ...|"
     "|>w|(Du öffnest zunächst die Tür.)|Bevor du das Haus betrittst, ..."},
    {"the key found under the mat",
     [](S& s) { s.current_room = 11; s.spare_key_found = 1; },
     ">s|Auf der Brücke||>n|Vor dem Haus deiner Oma||>nimm schlüssel|Du nimmst den Schlüssel.|"
     "|>lege schlüssel hin|Du legst den Schlüssel hin.||>s|Auf der Brücke|"
     "|>n|Vor dem Haus deiner Oma||Hier ist ein Schlüssel."},
    {"through the bees to the well",
     [](S& s) {
       s.current_room = 4; s.bees_at_jar = s.voucher_redeemed = s.grasshopper_seen = 1; s.honey_jar_room = 4;
     },
     ">nimm honigglas|Sofort fliegen die Bienen auf dich zu und verteidigen ihr Honigglas. So kannst|"
     "du es nicht nehmen.||>nimm alles|Es ist nichts hier, was du nehmen kannst.|"
     "|>nimm blumen|Du pflückst für die Oma einen hübschen Blumenstrauß.|"
     "|>pflücke blumen|Du hast doch schon einen Strauß gepflückt!|"
     "|>sw|An einem Brunnen||Ein Frosch sitzt auf dem Brunnen. Neben dem Frosch liegt eine goldene Kugel.|"
     "|>s|Nach Süden kannst du von hier aus nicht gehen, doch nach Nordosten gelangst du|zur Bienenwiese.|"
     "|>runter|Das wäre zu gefährlich. Du könntest stürzen und im Brunnen ertrinken!|"
     "|>hoch|Du kannst von hier aus nicht hinauf gelangen.|"
     "|>nimm kugel|'So, du möchtest also diese Kugel', sagt der Frosch. 'Die gibt es aber nicht|"
     "umsonst. Gib mir einen Kuss, dann reden wir weiter.'|"
     "|>nimm frosch|'Was fällt dir ein? Lass mich hier sitzen', ruft der Frosch und hüpft zur|Seite.|"
     "|>nimm alles|Es ist nichts hier, was du nehmen kannst.|"
     "|>schaue|An einem Brunnen||Ein steinerner Brunnen steht hier mitten im Wald herum. ...||"
     "Ein sehr grüner Frosch sitzt auf dem Brunnen ...||Nach Nordosten gelangst du zurück zur Blumenwiese.|"
     "|>raus|(gehe nach Nordosten)|Auf einer Bienenwiese||Dutzende Bienen umschwirren das offene Honigglas, das "
     "auf dem Boden steht."},
    {"the toad has left the ball",
     [](S& s) { s.current_room = 4; s.bees_at_jar = s.grasshopper_seen = 1; s.frog_state = 3; s.move_count = 1234; },
     ">sw|An einem Brunnen||Auf dem Brunnen liegt eine goldene Kugel.|"
     "|>schaue|An einem Brunnen||...||Auf dem Brunnen liegt eine goldene Kugel.||"
     "Nach Nordosten gelangst du zurück zur Blumenwiese.||>nimm alles|Du nimmst die Kugel.|"
     "|>nimm kugel|Die Kugel ist bereits in deinem Besitz.|"
     "|>schaue|An einem Brunnen||...||Nach Nordosten gelangst du zurück zur Blumenwiese.|"
     "|>no|Auf einer Bienenwiese||Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.|"
     "|>sw|An einem Brunnen||>lege kugel hin|Du legst die Kugel hin.||>nimm kugel|Du nimmst die Kugel.|"
     "|>züge|Du hast bisher 1243 Züge benötigt."},
    {"the beaver holds the key, and hands it back as the girl leaves east",
     [](S& s) { KeyAtTheBeaver(s); s.bell_rung = 1; s.beaver_present = 1; },
     ">i|Du hast einen Korb.||>schaue|Am Biberbaumarkt||...||Zum Glück ist hier wohl aber gerade geschlossen.||"
     "Direkt am Biberbaumarkt befindet sich ein kleiner Stand mit einem|Schlüsseldienst. In dem Stand steht der "
     "Biber und lächelt dich mit einem|falschen Lächeln an. Der Biber hat den verbogenen Schlüssel.||"
     "Du kannst am Fluss entlang nach Westen und Osten gehen.|"
     "|>o||'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den|Schlüssel.||Vor einer Brücke||"
     "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden.|"
     "|>i|Du hast einen Korb und einen verbogenen Schlüssel.||>w|Am Biberbaumarkt||Der Biber steht in seinem Stand."},
    {"a sheep follows the grass, the key comes back first",
     [](S& s) { KeyAtTheBeaver(s); SheepFollows(s); },
     ">w||'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den|Schlüssel.||Das Schaf folgt dir.|"
     "Am westlichen Flussufer||Eine kleine Schafherde steht am Flussufer.|"
     "|>o|Eines der Schafe folgt dir.||Am Biberbaumarkt||Hier ist ein Schaf.|"
     "|>lege gras hin|Du legst das Gras hin. Das Schaf frisst es genüsslich auf, verliert das|"
     "Interesse an dir und läuft nach Westen zurück zur Schafherde.|"
     "|>o|Vor einer Brücke||Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."},
    {"the key taken back from the beaver, the grass dropped before the sheep",
     [](S& s) { KeyAtTheBeaver(s); SheepFollows(s); },
     ">nimm alles|Du nimmst den Schlüssel.||>lege alles hin|Du legst den Korb, das Gras und den Schlüssel hin.|"
     "Kaum hast du das Gras hingelegt, frisst das Schaf es genüsslich auf, verliert|"
     "das Interesse an dir und läuft nach Westen zurück zur Schafherde."},
    {"the wolf shears the sheep, grabs the ball and leaves",
     [](S& s) { s.current_room = 8; SheepFollows(s); s.frog_state = 3; s.ball_state = 0; s.ball_room = 7; },
     ">o|Das Schaf folgt dir.|Vor einer Brücke||Blitzartig stürzt sich der Wolf mit einer Schere bewaffnet auf das "
     "Schaf und|schert es. ...||Das Schaf schaut noch einen Moment belämmert in die Runde und läuft schließlich|"
     "nach Süden in den Wald hinein.||[Deine Punktzahl hat sich um 4 Punkte erhöht.]|"
     "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]||"
     "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden.||Hier ist eine Kugel.||"
     "Der Wolf sieht die Kugel ...||[Deine Punktzahl hat sich um 4 Punkte erhöht.]||"
     "'Also gut, du hast mir alles gegeben, was ich wollte', sagt der Wolf. ...|"
     "|>punkte|Du hast 8 von 30 Punkten erreicht.||>n|Auf der Brücke"},
    {"notices off, the shearing counts silently",
     [](S& s) { s.current_room = 8; SheepFollows(s); s.score = 8; },
     ">meldung|(Keine Benachrichtigungen bei Punktestandsänderungen).|"
     "|>o|Das Schaf folgt dir.|Vor einer Brücke||Blitzartig ...hinein.||Vor der Brücke steht der Wolf und "
     "versperrt dir den Weg nach Norden.||>punkte|Du hast 12 von 30 Punkten erreicht.|"
     "|>n|Der Wolf stellt sich dir in den Weg und sagt:|'Besorge mir die goldene Kugel und dein Weg ist frei!'"},
    {"notices on again, without the hint line",
     [](S& s) { s.current_room = 8; SheepFollows(s); },
     ">meldung|(Keine Benachrichtigungen bei Punktestandsänderungen).|"
     "|>meldung|(Benachrichtigungen bei Punktestandsänderungen).|"
     "|>o|Das Schaf folgt dir.|Vor einer Brücke||Blitzartig ...hinein.||[Deine Punktzahl hat sich um 4 Punkte "
     "erhöht.]||Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."},
    {"the wolf grabs the ball lying before him",
     [](S& s) {
       s.first_prompt_done = 1;  // else the game's first prompt moves up over the notice
       s.current_room = 7; s.frog_state = 3; s.ball_state = 0; s.ball_room = 7;
     },
     "Der Wolf sieht die Kugel ...||[Deine Punktzahl hat sich um 4 Punkte erhöht.]|"
     "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]|"
     "|>n|Der Wolf stellt sich dir in den Weg und sagt:|'Besorge mir ein Schaf und dein Weg ist frei!'"},
    {"the bees take the open jar",
     [](S& s) { OpenJarCarried(s); s.grass_room = 4; s.grasshopper_seen = 0; },
     ">w|Auf einer Bienenwiese||Dutzende Bienen sammeln fleißig Honig.||Sofort bist du umzingelt von Dutzenden "
     "Bienen, die im Sturzflug auf das offene|...||[Deine Punktzahl hat sich um 3 Punkte erhöht.]|"
     "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]|"
     "|>i|Du hast einen Korb und einen Deckel.||>schaue|Auf einer Bienenwiese||...||"
     "Nach Osten gelangst du zurück auf den Waldweg, aber auch nach Südwesten kannst|du die Wiese verlassen.||"
     "Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.||"
     "Im Augenwinkel siehst du einen grünen Grashüpfer ...||Hier ist etwas Gras.||>o|Tiefer im Wald|"
     "|>w|Auf einer Bienenwiese||Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.||"
     "Hier ist etwas Gras."},
    {"the bees pay for the open jar only once",
     [](S& s) { OpenJarCarried(s); s.bees_points_given = 1; },
     ">w|Auf einer Bienenwiese||Dutzende Bienen sammeln fleißig Honig.||Sofort bist du umzingelt ...|"
     "|>punkte|Du hast 0 von 30 Punkten erreicht."},
    {"the bees leave a closed jar alone",
     [](S& s) { OpenJarCarried(s); s.honey_jar_state = 2; s.grasshopper_seen = 1; },
     ">w|Auf einer Bienenwiese||Dutzende Bienen sammeln fleißig Honig.||>i|Du hast einen Korb und ein Honigglas."},
    {"the closed jar and its lid",
     [](S& s) { OpenJarCarried(s); s.current_room = 2; s.honey_jar_state = 2; },
     ">lege alles hin|Du legst den Korb und das Honigglas hin.|"
     "|>nimm deckel|Der Deckel ist auf dem Glas. Du solltest zuerst das Glas nehmen.|"
     "|>nimm alles|Du nimmst den Korb, die Zeitung und das Honigglas.|"
     "|>lege honig hin|(das honigglas)|Du legst das Honigglas hin.|"
     "|>nimm honig|(das honigglas)|Du nimmst das Honigglas.||>nimm honig|Der Honig ist bereits in deinem Besitz.|"
     "|>nimm honigglas|Das Honigglas ist bereits in deinem Besitz.|"
     "|>nimm deckel|Der Deckel ist bereits in deinem Besitz.||>nimm den deckel ab|(öffne das Glas)"
     "|Das Honigglas ist jetzt offen."},
    {"the loose lid",
     [](S& s) { OpenJarCarried(s); s.current_room = 1; },
     ">lege deckel hin|Du legst den Deckel hin.||>nimm deckel|Du nimmst den Deckel.|"
     "|>nimm deckel|Der Deckel ist bereits in deinem Besitz.|"
     "|>lege alles hin|Du legst den Korb, das Honigglas und den Deckel hin.|"
     "|>nimm alles|Du nimmst den Korb, das Honigglas und den Deckel."},
    {"every object taken, carried, put down and lying here",
     [](S& s) {
       s.current_room = 2; s.basket_carried = 0; s.basket_room = 2; s.newspaper_torn = 1; s.voucher_found = 1;
       s.voucher_room = 2; s.voucher_redeemed = 1; s.honey_jar_room = 2; s.lid_room = 2; s.frog_state = 3;
       s.ball_state = 0; s.ball_room = 2; s.bouquet_picked = 1; s.bouquet_room = 2; s.grass_room = 2;
       s.spare_key_found = 1; s.key_under_mat = 0; s.key_room = 2; s.umbrella_room = 2; s.coin_room = 2;
     },
     ">nimm alles|Du nimmst den Regenschirm, den Korb, die Zeitung, den Gutschein, das Honigglas,|"
     "den Deckel, die Kugel, den Blumenstrauß, den Schlüssel, den Taler und etwas|Gras.|"
     "|>i|Du hast einen Korb, eine zerrissene Zeitung, einen Gutschein, ein Honigglas,|"
     "einen Deckel, eine Kugel, einen Blumenstrauß, etwas Gras, einen verbogenen|"
     "Schlüssel, einen Regenschirm und einen Taler.|"
     "|>lege alles hin|Du legst den Korb, die Zeitung, den Gutschein, das Honigglas, den Deckel, die|"
     "Kugel, den Blumenstrauß, das Gras, den Schlüssel, den Taler und den Regenschirm|hin.||>s|Am Waldeingang|"
     "|>n|Auf einem Waldweg||Hier sind ein Korb, eine Zeitung, ein Gutschein, ein Honigglas, ein Deckel, eine|"
     " Kugel, ein Blumenstrauß, etwas Gras, ein Schlüssel, ein Regenschirm und ein Tal|er.|"
     "|>nimm regenschirm|Du nimmst den Regenschirm.|"
     "|>nimm regenschirm|Der Regenschirm ist bereits in deinem Besitz.||>nimm taler|Du nimmst den Taler.|"
     "|>nimm taler|Der Taler ist bereits in deinem Besitz."},
    {"the coin from the return, the honey stand closed",
     [](S& s) { s.current_room = 6; s.coin_state = 5; s.coin_returned = 1; s.spare_key_found = 1; },
     ">schaue|Am Honigstand||...||Der Honigstand ist offenbar gerade geschlossen und der riesige Bär ist nirgends|"
     "zu sehen.||...||Nach Südwesten gelangst du zurück zum Waldweg.||>nimm alles|Du nimmst den Taler.|"
     "|>sw|Tiefer im Wald||Ein kleiner gelber Bär mit einem zu kurzen roten Pullover kommt kopfschüttelnd|"
     "aus Richtung Nordosten angetappst.||'Hat einfach nicht geklappt', ...|"
     "|>no|Am Honigstand||Der Honigstand hat mittlerweile geschlossen und der riesige Bär ist nirgends|"
     "mehr zu sehen.||>sw|Tiefer im Wald"},
    {"things not really here are not listed",
     [](S& s) {
       s.honey_jar_room = s.lid_room = s.ball_room = s.key_room = s.voucher_room = s.coin_room = 2;
       s.honey_jar_state = 2; s.newspaper_carried = 1; s.coin_state = 5; s.sheep_room = 2; s.wolf_has_sheep = 1;
     },
     ">n|Auf einem Waldweg"},
};

TEST(UnreachedStates, PlayFromThePrompt) {
  for (const Case& c : kCases) {
    const std::string played = Play(c);
    EXPECT_TRUE(Matches(played, c.script)) << c.label << "\n  expected: " << c.script << "\n  played:   " << played;
  }
}

}  // namespace
