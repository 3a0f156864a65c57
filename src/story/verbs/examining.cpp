// Examining, searching and finding.
#include "parser/parser_messages.h"
#include "story/room_descriptions.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"
#include "world/rooms.h"
#include "world/text_case.h"

namespace {

// An answer of two paragraphs: the first is printed at once, the second is
// the answer of the turn.
TurnEnd TwoParagraphs(GameSession& s, Console& console, const Text& first, const Text& second) {
  PrintMessage(s, console, first);
  return Answer(s, second);
}

// Pieces of a description joined as prose: a blank between two sentences
// where the first piece does not bring its own.
void AddSentence(std::string& text, const char* utf8) {
  if (!text.empty() && text.back() != ' ') text += ' ';
  text += Cp850(utf8);
}

TurnStep DescribeFur(GameSession& s) {
  const int room = s.current_room;
  const bool sheep_follows = s.sheep_state == kSheepFollowing;
  if (room == kBeaverMarket && s.beaver_present) {
    std::string text = Cp850("Das Fell des Bibers strahlt in leuchtendem Orange.");
    if (sheep_follows) AddSentence(text, "Das Schaf hat weißgraues Fell.");
    return Answer(s, text);
  }
  if (room == kBeaverMarket && sheep_follows) return Answer(s, "Das Schaf hat weißgraues Fell.");
  // Once the key is found the bear has left his stand.
  if (room == kHoneyStand && !s.spare_key_found) return Answer(s, "Der Bär hat braunes Fell.");
  if (room == kBridgeApproach && s.sheep_state < kSheepGone && s.ball_state < kBallGone) {
    return Answer(s, "Das Fell des Wolfs ist dunkelgrau.");
  }
  if (room == kRiverBank) return Answer(s, "Das Fell der Schafe ist weißgrau.");
  return std::nullopt;
}

TurnEnd DescribeHoneyAutomat(GameSession& s) {
  std::string text = Cp850(Paragraph(
      "Am Honigautomaten kann man rund um die Uhr etwas kaufen. Es gibt daran einen Münzeinwurf, eine Münzausgabe,"));
  if (s.coin_state == kCoinInReturn) text += Cp850(" in der sich ein Taler befindet,");
  text += Cp850(Paragraph(
      " eine Münzrückgabetaste und ein geschlossenes Ausgabefach. Auf dem Automaten steht etwas geschrieben."));
  return Answer(s, text);
}

TurnEnd DescribeHoneyStand(GameSession& s, Console& console) {
  std::string first = Cp850(
      Paragraph("Der Honigstand des Bären ist in der ganzen Gegend bekannt. Die Erwachsenen sind ganz verrückt nach "
                "seinem Honig, du selbst machst dir nicht besonders viel daraus."));
  if (!s.spare_key_found) {
    first += Cp850(" Im Honigstand steht der riesige Bär und betrachtet dich freundlich.");
  } else {
    first += Cp850(Paragraph(" Der Stand ist offenbar gerade geschlossen und der riesige Bär ist nirgends zu sehen."));
  }
  return TwoParagraphs(s, console, first, " Direkt neben dem Stand ist ein Honigautomat angebracht.");
}

TurnEnd DescribeHoneyJar(GameSession& s) {
  std::string text = Cp850("Das Glas ist voll mit leckerem Honig. ");
  if (s.honey_jar_state == kLidOnCarriedJar || s.honey_jar_state == kLidOnLyingJar) {
    AddSentence(text, "Verschlossen ist es mit einem Deckel.");
  } else {
    AddSentence(text, "Es ist offen. ");
  }
  if (s.bees_at_jar) AddSentence(text, "Es steht auf dem Boden und Dutzende Bienen kreisen darum.");
  return Answer(s, text);
}

// The descriptions, tested in their order; nothing when none fits.
TurnStep Describe(GameSession& s, Console& console) {
  const std::string& o = s.command.object1;
  const int room = s.current_room;

  if (Is(o, "münzeinwurf")) {
    return Answer(s, Paragraph("In den Münzeinwurf kannst du ganz bestimmt Münzen einwerfen, um etwas zu kaufen."));
  }
  if (Is(o, "münzausgabe")) {
    if (s.coin_state == kCoinInReturn) return Answer(s, "In der Münzausgabe ist ein Taler.");
    return Answer(s, "Die Münzausgabe ist leer.");
  }
  if (o == "ausgabefach") {
    return Answer(
        s, Paragraph("Das Ausgabefach ist geschlossen. Es öffnet sich wohl nur, wenn eine Münze in den Automaten "
                     "eingeworfen wurde."));
  }
  if (o == "honigautomat") return DescribeHoneyAutomat(s);
  if (o == "himmel") return Answer(s, "Es ist ein märchenhaft schöner Himmel.");
  if (IsPlayer(o)) {
    return Answer(s, Paragraph("Dein Name ist Heidi. Du bist mittelgroß und siehst mittelprächtig aus, sagt jedenfalls "
                               "Mama, und Mama muss es ja wissen. Bewaffnet bist du nicht, es sei denn, man zählt "
                               "einen Korb mit Kuchen als Waffe."));
  }
  if (o == "fell") {
    if (TurnStep end = DescribeFur(s)) return end;
  }
  if (o == "biber") {
    std::string text = Cp850(
        Paragraph("Dem Biber gehört der Biberbaumarkt. Er ist ein fröhlicher Geselle mit leuchtend orangefarbenem "
                  "Fell, und er trägt einen schwarzen Hosenanzug, als wäre jeden Tag Sonntag."));
    if (s.key_holder == kKeyWithBeaver) AddSentence(text, "Der Biber hat den verbogenen Schlüssel.");
    return Answer(s, text);
  }
  if (o == "hosenanzug") return Answer(s, "Auf dem Hosenanzug steht etwas geschrieben.");
  if (o == "wasser") return Answer(s, "Das klare Flusswasser plätschert leise im Fluss.");
  if (o == "schild") return Answer(s, "Auf dem Schild steht etwas geschrieben.");
  if (o == "klingel") return Answer(s, "Es ist eine gewöhnliche Klingel. Darüber ist ein Schild befestigt.");
  if (o == "matte") return Answer(s, "Die Matte ist leicht gewölbt. Es wird wohl häufig darunter geschaut.");
  if (Is(o, "schlüsseldienst")) {
    if (!s.beaver_present) {
      return Answer(s, Paragraph("Der Schlüsseldienst ist derzeit nicht besetzt. Weit und breit ist niemand zu sehen, "
                                 "nur eine Klingel ist an dem Stand angebracht."));
    }
    return Answer(s, Paragraph("Im Schlüsseldienst steht der Biber und lächelt dich an, freundlich, aber irgendwie "
                               "falsch. Papa sagt, Geschäftsleute machen das so. An dem Stand ist eine Klingel "
                               "angebracht."));
  }
  if (o == "weg") {
    if (room == kForestEntrance) {
      return Answer(s, Paragraph("Es ist einer dieser ganz gewöhnlichen Waldwege, auf denen in Märchen immer etwas "
                                 "Unangenehmes passiert. Er führt nach Norden in den Wald hinein."));
    }
    if (room == kForestPath || room == kDeepForest) return Answer(s, "Er führt von Süden nach Norden.");
  }
  if (Is(o, "schlüssel")) {
    if (s.key_bent) {
      return Answer(
          s,
          Paragraph("Der Schlüssel ist so stark verbogen, dass du dich fragst, was deine Oma damit angestellt hat."));
    }
    return Answer(s, "Der Schlüssel ist in absoluter Bestform.");
  }
  if (o == "boden" && room == kRiverBank) {
    return Answer(
        s, Paragraph("Die Schafe haben den Boden kahlgefressen und auch ansonsten deutliche Spuren hinterlassen."));
  }
  if (o == "schatten" && room == kHouseFront) {
    return Answer(
        s, Paragraph("Im Schatten der hohen Bäume steht das Haus deiner Oma. Vor der Haustür liegt eine Fußmatte."));
  }
  if (OneOf(o, {"kappe", "käppchen"})) {
    return Answer(s, Paragraph("Die rote Kappe ist ein Geschenk deiner Oma. Mama besteht darauf, dass du sie bei jedem "
                               "Besuch trägst, ganz egal, wie peinlich sie dir ist."));
  }
  if (o == "haus") {
    std::string text = Cp850(
        Paragraph("Das Haus wirkt vor dem Hintergrund der hohen Bäume recht klein. Im Westen führt eine Tür hinein. "
                  "Die Tür ist im Moment "));
    text += s.door_open ? Cp850("geöffnet.") : Cp850("geschlossen.");
    return Answer(s, text);
  }
  if (o == "wegesrand" && room == kForestPath) return Answer(s, "Am Wegesrand steht eine alte Holzbank.");
  if (o == "korb") return Answer(s, "Er ist für die Oma. Darin siehst du einen Kuchen und eine Weinflasche.");
  if (o == "kuchen") return Answer(s, "Den Kuchen hat deine Mama für die Oma gebacken.");
  if (OneOf(o, {"weinflasche", "wein"})) return Answer(s, "Ein trockener Wein für die Oma.");
  if (Is(o, "blumenstrauß")) return Answer(s, "Über den Blumenstrauß wird sich Oma sicher sehr freuen.");
  if (o == "fluss") {
    if (room == kRiverBank) return Answer(s, "In einer Biegung fließt der Fluss von Nord nach Ost.");
    if (room == kClearing) return Answer(s, "Der Fluss fließt mit leisem Geplätscher von Norden nach Süden. ");
    if (room == kBridgeApproach) return Answer(s, "Ein Brücke führt über ihn nach Norden.");
    return Answer(s, "Der Fluss fließt mit leisem Geplätscher von West nach Ost. ");
  }
  if (o == "flussufer" && room == kRiverBank) return Answer(s, "Am Flussufer steht eine kleine Schafherde.");
  if (OneOf(o, {"schafe", "schafherde"})) {
    return Answer(s, "Die Schafe haben nichts mehr zu fressen und stehen nur dämlich herum.");
  }
  if (o == "gras") return Answer(s, "Das ist ganz besonders saftiges Gras.");
  if (o == "wald") {
    return Answer(s, Paragraph("Bäume und noch mehr Bäume, dazu alles mögliche andere Grünzeug, fertig ist der Wald."));
  }
  if (Is(o, "bäume")) {
    if (room == kForestEntrance) return Answer(s, "Im Norden steht alles voll damit. Ein Baum neben dem anderen.");
    if (room == kHouseFront) return Answer(s, "Hochgewachsene Bäume stehen hinter dem Haus.");
    return Answer(s, "Um dich herum steht alles voll mit Bäumen, einer neben dem anderen.");
  }
  if (Is(o, "tür")) {
    std::string text = Cp850("Die Tür führt in das Haus deiner Oma und ist ");
    text += s.door_open ? "offen." : "geschlossen.";
    text += Cp850(" Auf dem Boden vor der Tür liegt eine Fußmatte.");
    return Answer(s, text);
  }
  if (o == "schaf" && s.sheep_state == kSheepFollowing) {
    if (room == kRiverBank) return Answer(s, "Eines der Schafe hat großes Interesse an dem Gras.");
    return Answer(s, "Das Schaf hat großes Interesse an dem Gras.");
  }
  if (o == "biberbaumarkt") {
    return TwoParagraphs(
        s, console,
        Paragraph("Das ist so eine Art Spielzeugladen für Erwachsene. Was Papa daran so toll findet, ist dir ein "
                  "Rätsel. Im Moment hat er jedenfalls geschlossen, und darüber bist du nicht traurig."),
        Paragraph("Direkt am Biberbaumarkt befindet sich ein kleiner Stand mit einem Schlüsseldienst."));
  }
  if (o == "zigarre") return Answer(s, "Die große Zigarre war bestimmt ziemlich teuer.");
  if (o == "honig") {
    std::string text = Cp850("Der Honig im Glas sieht recht lecker aus.");
    if (s.bees_at_jar) AddSentence(text, "Allerdings wäre er mit den ganzen Bienen darin nicht mehr genießbar.");
    return Answer(s, text);
  }
  if (Is(o, "brücke")) {
    if (room == kBridge) return Answer(s, "Die Brücke führt vom Wald im Süden zum Haus deiner Oma im Norden.");
    return Answer(s, "Die schmale Holzbrücke führt nach Norden über den Fluss.");
  }
  if (o == "wolf") {
    return Answer(s,
                  Paragraph("Breit grinsend und mit einer dicken Zigarre zwischen den Zähnen steht der Wolf vor der "
                            "Brücke und versperrt dir den Weg nach Norden. Mit seinem grauen Anzug, der Krawatte und "
                            "der dunklen Sonnenbrille findest du ihn irgendwie faszinierend."));
  }
  if (o == "sonnenbrille") {
    return Answer(s,
                  Paragraph("Die Sonnenbrille ist sehr dunkel, so dass du die Augen des Wolfes nicht sehen kannst."));
  }
  if (o == "krawatte") return Answer(s, "Sie passt richtig gut zum Anzug. Der Wolf hat Geschmack.");
  if (o == "anzug") return Answer(s, "Er passt dem Wolf wie angegossen. Er hat wohl einen guten Schneider.");
  if (o == "brunnen") {
    if (s.frog_state < kFrogIsToad) {
      return Answer(s, "Auf dem Brunnen sitzt ein ekliger Frosch. Daneben liegt eine goldene Kugel.");
    }
    if (s.ball_state == kBallOnWell) return Answer(s, "Auf dem Brunnen liegt eine goldene Kugel.");
    return Answer(s, "Das ist ein ganz gewöhnlicher Brunnen aus Stein.");
  }
  if (o == "kugel") {
    std::string text = Cp850("Die goldene Kugel glänzt im Licht der Sonne.");
    if (s.ball_state == kBallOnWell) AddSentence(text, "Sie liegt auf dem Brunnen.");
    return Answer(s, text);
  }
  if (o == "frosch") {
    return Answer(s,
                  Paragraph("Der Frosch ist sehr grün und extrem eklig. Aus seinen großen Froschaugen schaut er dich "
                            "durchdringend an."));
  }
  if (o == "honigglas") return DescribeHoneyJar(s);
  if (o == "deckel") {
    if (s.honey_jar_state == kLidLoose || s.honey_jar_state == kLidCarried) {
      return Answer(s, "Mit dem Deckel kann das Honigglas geschlossen werden.");
    }
    return Answer(s, "Der Deckel ist auf dem Glas.");
  }
  if (Is(o, "bären")) {
    return Answer(s, Paragraph("Der braune Bär ist riesengroß und wäre ganz schön Furcht einflößend, würde er nicht so "
                               "freundlich lächeln."));
  }
  if (o == "honigstand") return DescribeHoneyStand(s, console);
  if (OneOf(o, {"wiese", "rasen"})) {
    if (room == kClearing) return Answer(s, "Saftiges Gras wächst auf dieser Lichtung.");
    std::string text =
        Cp850(Paragraph("Blumen in allen erdenklichen Farben und saftiges Gras wachsen auf dieser schönen Wiese. "));
    if (!s.bees_at_jar) text += Cp850("Zahllose Bienen schwirren über der Wiese herum.");
    return Answer(s, text);
  }
  if (o == "bienen") {
    if (s.bees_at_jar) {
      return Answer(
          s, Paragraph("Die Bienen sind offensichtlich ganz versessen auf den Honig und umschwirren das offene Glas "
                       "aufgeregt."));
    }
    return Answer(
        s, Paragraph("Emsiges Treiben herrscht bei den Bienen, die um dich herumschwirren und fleißig Honig sammeln."));
  }
  if (o == "blumen") {
    return Answer(s, Paragraph("Unendlich viele Blumen erstrahlen in allen möglichen Farben. Von Weitem sieht es aus, "
                               "als wären in deinem Malkasten alle Farben ineinandergelaufen."));
  }
  if (OneOf(o, {"grünzeug", "gestrüpp", "gebüsch", "sträucher"})) {
    return Answer(
        s, Paragraph("Alle möglichen Arten von Grünzeug sind hier vorhanden, vor allem jede Menge Bäume, Sträucher "
                     "und Gestrüpp."));
  }
  if (o == "zeitung") {
    if (s.newspaper_torn) {
      return Answer(s,
                    Paragraph("Es ist die von dir zerrissene Zeitung von heute, die irgend jemand weggeworfen hatte."));
    }
    return Answer(s, "Es ist die Zeitung von heute, die irgend jemand weggeworfen hat.");
  }
  if (o == "gutschein") return Answer(s, "HONIGGUTSCHEIN steht in Großbuchstaben darauf. Darunter steht noch mehr.");
  return std::nullopt;
}

}  // namespace

TurnStep Search(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "durchsuche") return std::nullopt;
  if (c.object1 == "zeitung") {
    if (!s.newspaper_carried) {
      PrintMessage(s, console, "(Du nimmst die Zeitung zunächst).");
      s.newspaper_carried = 1;
    }
    if (!s.voucher_found) {
      s.voucher_found = 1;
      s.voucher_carried = 1;
      return Answer(s, "Beim Durchsuchen der Zeitung findest du einen Gutschein, den du nimmst.");
    }
  }
  if (c.object1 == "schrank") {
    c.preposition = "in";
    c.preposition_count = 1;
    return HandOver(s, console, "schaue", Look);
  }
  if (OneOf(c.object1, {"wiese", "bienenwiese"})) {
    return Answer(s, "Du findest nichts Unerwartetes, leider auch keinen Grashüpfer.");
  }
  return Answer(s, "Du entdeckst nichts Unerwartetes.");
}

TurnStep Examine(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "untersuche") return std::nullopt;
  if (OneOf(c.object1, {"lichtung", "landschaft", "waldeingang"})) {
    // Looking at the whole place is looking around.
    c.verb = "schaue";
    DescribeRoom(s, console);
    return TurnEnd::kTopOfTurn;
  }
  if (OneOf(c.object1, {"geplätscher", "gesumme"})) return HandOver(s, console, "lausche", Listen);
  if (TurnStep end = Describe(s, console)) return end;
  if (c.object1 == "wind") return Answer(s, ParserMessage(ParserText::kNothingUnusual));
  return Answer(s, "Du siehst nichts Besonderes.");
}

TurnStep Find(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "finde") return std::nullopt;
  const std::string& o = c.object1;
  if (Is(o, "grashüpfer")) return Answer(s, "Leider kannst du den Grashüpfer nicht finden.");
  if (o == "hasen") return Answer(s, "Leider kannst du den Hasen nicht entdecken.");
  if (o == "landschaft") {
    return Answer(s, Paragraph("Zu suchen brauchst du danach wirklich nicht, man wird ja geradezu davon erschlagen."));
  }
  if (IsPlayer(o)) {
    std::string title = RoomTitle(s.current_room);
    if (!title.empty()) title[0] = LowerCase(title.substr(0, 1))[0];
    return Answer(s, "Du befindest dich " + title + ".");
  }
  return std::nullopt;
}
