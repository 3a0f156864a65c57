// What the girl does with herself: jumping, sitting, standing, climbing,
// crawling, going somewhere, entering and leaving.
#include <string>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/movement.h"
#include "story/verbs/verb_support.h"

namespace {

constexpr const char* kBenchAnswer =
    Paragraph("Bänke sind doch was für alte Leute. Außerdem sagt Mama immer, du sollst nicht herumtrödeln.");

// A question back from a handler: the answer typed next completes it.
TurnEnd AskBack(GameSession& s, const Text& question, const Text& completion) {
  Ask(s, question, completion);
  return TurnEnd::kEndOfTurn;
}

// One of the sheep, or the whole herd.

// Walks in a compass direction as a direction sentence would, with its
// conditional exits, the beaver and the sheep.
TurnEnd Walk(GameSession& s, Console& console, const char* direction) {
  s.command.direction = Cp850(direction);
  return Move(s, console);
}

// The same after a note on what the command is taken for: "(gehe nach Süden)".
TurnEnd WalkNoted(GameSession& s, Console& console, const char* note, const char* direction) {
  PrintMessage(s, console, note);
  return Walk(s, console, direction);
}

void DropPreposition(ParsedCommand& c) {
  c.preposition.clear();
  c.preposition_count = 0;
}

// "sitze auf der bank" is "setze dich auf die bank": object 1 becomes
// object 2 and the player object 1.
void MakeThePlayerObject1(GameSession& s) { PutInFront(s, "dich", kMasculine); }

// "setze dich auf den besen" is riding it: object 2 becomes the only object.
void MakeObject2TheOnlyObject(GameSession& s) {
  ParsedCommand& c = s.command;
  c.object1 = c.object2;
  c.object1_gender = c.object2_gender;
  c.object1_plural = c.object2_plural;
  c.object1_dative_name = c.object2_dative_name;
  c.object1_pos = c.object2_pos;
  c.object2.clear();
  c.object2_gender = kNoGender;
  c.object2_plural = 0;
  c.object2_dative_name.clear();
  c.object_count = 1;
  FillNameForms(s);
}

// Taking a seat: "setze dich", with or without a seat.
TurnEnd TakeASeat(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object_count == 1) {
    if (c.preposition == "in") return AskBack(s, "[In was willst du dich setzen?]", " setze dich in ");
    if (s.current_room != kForestPath) {
      if (c.preposition == "auf") return AskBack(s, "[Worauf willst du dich setzen?]", " setze dich auf ");
      return Answer(s, "Dazu besteht kein Anlass.");
    }
    PrintMessage(s, console, "(auf die Bank)");
    return Answer(s, kBenchAnswer);
  }
  const std::string& seat = c.object2;
  if (seat == "bank") return Answer(s, kBenchAnswer);
  if (seat == "besen") {
    MakeObject2TheOnlyObject(s);
    return HandOver(s, console, "reite", Ride);
  }
  if (seat == "schaf") return Answer(s, "Das Schaf weicht dir aus.");
  if (IsSheep(seat)) return Answer(s, "Die Schafe weichen dir aus.");
  return Answer(s, "Dazu besteht kein Anlass.");
}

}  // namespace

TurnStep Jump(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "springe") return std::nullopt;
  if (c.object_count == 0) {
    if (c.preposition == "in") return AskBack(s, "[In was willst du springen?]", " springe in ");
    if (c.preposition == "auf") return AskBack(s, "[Auf was willst du springen?]", " springe auf ");
    return Answer(s, "Du hüpfst ein wenig herum.");
  }
  const std::string& o = c.object1;
  if (c.preposition.empty()) {
    const bool into_the_well = o == "brunnen";
    PrintMessage(s, console, into_the_well ? "(springe in)" : "(springe auf)");
    c.preposition = into_the_well ? "in" : "auf";
    c.preposition_count = 1;
  }
  if (c.preposition == "in") {
    if (OneOf(o, {"brunnen", "fluss"})) return Answer(s, "Du könntest darin ertrinken!");
    if (o == "dich") return std::nullopt;  // the answers for the player know better
    return Answer(s, "Du kannst nicht " + c.preposition + " " + ObjectPhrase(s) + Infinitive(c) + ".");
  }
  if (Is(o, "brücke")) {
    if (s.current_room == kBridgeApproach && !s.wolf_gone) return Answer(s, "Der Wolf versperrt dir den Weg.");
    return AskBack(s, "[Wohin willst du gehen?]", " gehe ");
  }
  if (IsSheep(o)) return HandOver(s, console, "steige", Climb);
  return Answer(s, "Das würde dir nicht weiterhelfen.");
}

TurnStep Cross(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "überquere")) return std::nullopt;
  // Crossing the bridge is the way north, which the wolf may still bar.
  if (Is(c.object1, "brücke") && s.current_room == kBridgeApproach) return Walk(s, console, "nord");
  return AskBack(s, "[In welche Richtung willst du gehen?]", " gehe ");
}

TurnStep Go(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "gehe" || c.object_count == 0) return std::nullopt;
  const std::string& o = c.object1;
  const std::string& p = c.preposition;
  const int room = s.current_room;

  if (p == "durch") {
    if (o == "waldeingang" && room == kForestEntrance) return Walk(s, console, "nord");
    if (room == kHouseFront && OneOf(o, {"tür", "haus"})) return Walk(s, console, "west");
    if (o == "dich") return std::nullopt;
    return Answer(s, Cp850("Es ist dir unmöglich, durch ") + ObjectPhrase(s) + "zu gehen.");
  }
  if (p == "auf") {
    if (OneOf(o, {"flur", "brücke"})) {
      DropPreposition(c);
      return HandOver(s, console, "betrete", Enter);
    }
    if (o == "boden") return Answer(s, "Du bist bereits auf dem Boden.");
    if (OneOf(o, {"lichtung", "wiese", "rasen"})) return Answer(s, "Du bist bereits darauf.");
    if (o == "dich") return std::nullopt;
    return Answer(s, "Du kannst nicht auf " + ObjectPhrase(s) + "gehen.");
  }
  if (OneOf(p, {"", "zu", "nach"}) && OneOf(o, {"brücke", "haus"})) {
    DropPreposition(c);
    return HandOver(s, console, "betrete", Enter);
  }
  return std::nullopt;
}

TurnStep Crawl(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "krieche" || !c.preposition.empty()) return std::nullopt;
  return Answer(s, "[Das Programm versteht nur 'krieche' oder 'krieche unter <Gegenstand>'.]");
}

TurnStep Stride(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "durchschreite") return std::nullopt;
  if (Is(c.object1, "tür") && s.current_room == kHouseFront) return WalkNoted(s, console, "(Gehe nach Westen)", "west");
  return std::nullopt;
}

TurnStep SitOn(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "sitze") return std::nullopt;
  if (c.object_count > 1) return Answer(s, "[Das Spiel versteht nur 'sitze auf <Gegenstand>'.]");
  if (c.object1 == "dich") return Answer(s, "['Sitze dich' ergibt für mich keinen Sinn.]");
  MakeThePlayerObject1(s);
  return HandOver(s, console, "setze", Sit);
}

TurnStep Sit(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "setze") return std::nullopt;
  if (c.object1 == "dich") return TakeASeat(s, console);
  if (c.object_count == 1 && c.preposition == "auf") {
    if (OneOf(c.object1, {"kappe", "käppchen"})) return Answer(s, "Du trägst die Kappe bereits auf deinem Kopf.");
    return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht aufsetzen.");
  }
  return Answer(s, Paragraph("[Das Spiel versteht nur 'setze dich', 'setze dich in <Gegenstand>' und 'setze "
                             "<Gegenstand> auf'.]"));
}

TurnStep Wake(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "wecke" || c.object1 != "dich") return std::nullopt;
  return Answer(s, "Du bist bereits wach.");
}

TurnStep Climb(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "steige" || c.object_count == 0) return std::nullopt;
  const std::string& o = c.object1;
  // "erklimme den baum" climbs onto it.
  if (c.preposition.empty()) {
    c.preposition = "auf";
    c.preposition_count = 1;
  }
  if (c.preposition == "aus") return Answer(s, "Daraus kannst du nicht steigen.");
  if (c.preposition == "in" && o == "brunnen") {
    return Answer(s, "Das wäre zu gefährlich. Du könntest stürzen und im Brunnen ertrinken!");
  }
  if (c.preposition != "auf") return std::nullopt;
  if (OneOf(o, {"baum", "bäume"})) return Answer(s, "Keiner der Bäume scheint dafür geeignet zu sein.");
  if (o == "brunnen") return Answer(s, "Du willst nicht riskieren, hineinzufallen.");
  if (IsSheep(o)) return HandOver(s, console, "reite", Ride);
  return std::nullopt;
}

TurnStep Enter(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "betrete") return std::nullopt;
  const std::string& o = c.object1;
  const int room = s.current_room;

  if (OneOf(o, {"lichtung", "wiese", "rasen"})) return Answer(s, "Du bist bereits darauf.");
  if (o == "biberbaumarkt") return Answer(s, "Er hat geschlossen.");
  if (Is(o, "brücke") && room == kBridgeApproach) return Walk(s, console, "nord");
  if (Is(o, "brücke") && room == kBridge) return Answer(s, "Du bist bereits auf der Brücke.");
  if (o == "haus" && room == kHouseFront) return Walk(s, console, "west");
  if (OneOf(o, {"wald", "waldeingang"}) && room == kForestEntrance) return Walk(s, console, "nord");
  if (o == "wald") return Answer(s, "Du bist bereits im Wald.");
  if (o == "honigstand") {
    if (s.spare_key_found) return Answer(s, "Der Honigstand hat geschlossen und du kannst ihn nicht betreten.");
    return Answer(s, Paragraph("'Was fällt dir ein, junge Dame?', sagt der Bär und schiebt dich ein Stück zurück."));
  }
  if (Is(o, "schlüsseldienst")) {
    if (s.beaver_present) {
      return Answer(s,
                    Paragraph("'Mein Stand, mein Schlüsseldienst', sagt der Biber und lässt dich nicht in den Stand."));
    }
    return Answer(s, "Der Schlüsseldienst hat momentan geschlossen und du kannst ihn nicht betreten.");
  }
  return std::nullopt;
}

// The parser has answered "stehe" and "stehe auf" alone: what comes here
// names something.
TurnStep Stand(GameSession& s, Console&) {
  if (s.command.verb != "stehe") return std::nullopt;
  return Answer(s, ParserMessage(ParserText::kStandOneWordOnly));
}

TurnStep Leave(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "verlasse") return std::nullopt;
  const int room = s.current_room;
  if (room == kBeeMeadow && OneOf(c.object1, {"wiese", "rasen"})) {
    return Answer(s, "(Nach Osten oder nach Südwesten?)");
  }
  if (room == kForestPath) return WalkNoted(s, console, "(gehe nach Süden)", "süd");
  if (room == kBridge && Is(c.object1, "brücke")) return Answer(s, "[Nach Norden oder nach Süden?]");
  return Answer(s, ParserMessage(ParserText::kUseCompassDirectionsHere));
}

TurnStep Follow(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "folge") return std::nullopt;
  const int room = s.current_room;
  // The humming leads to the bee meadow.
  if (c.object1 == "gesumme" && room == kDeepForest) {
    PrintMessage(s, console, "(gehe nach Westen)");
    return EnterRoom(s, console, kBeeMeadow);
  }
  if (c.object1 == "weg" && room == kForestEntrance) return WalkNoted(s, console, "(Gehe nach Norden)", "nord");
  if (c.object1 == "wolf" && s.wolf_gone) {
    if (room == kBridgeApproach) return WalkNoted(s, console, "(gehe nach Norden)", "nord");
    if (room == kBridge || room == kHouseFront) return Answer(s, "Du hast keine Ahnung, wohin er gelaufen ist.");
  }
  if (c.object1 == "dich") return std::nullopt;
  return AskBack(s, "[In welche Richtung willst du gehen?]", " gehe ");
}

TurnStep GoInto(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "gehe" || c.preposition != "in" || c.object_count == 0) return std::nullopt;
  if (c.object1 == "bett") {
    MakeThePlayerObject1(s);
    return HandOver(s, console, "lege", PutDown);
  }
  DropPreposition(c);
  return HandOver(s, console, "betrete", Enter);
}
