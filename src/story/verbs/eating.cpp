// Eating, drinking, tasting and smoking.
#include <string>

#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// Eating the grass the sheep was after: a following sheep gives up and goes
// back to its herd.
TurnEnd EatGrass(GameSession& s) {
  if (!s.grass_carried) return Answer(s, "Du hast kein Gras.");
  s.grass_carried = 0;
  s.grass_room = kNotInPlay;
  std::string text = Cp850("Mama sagt, Gemüse sei gesund. Daher vertilgst du genüsslich das frische Gras.");
  if (s.sheep_state == kSheepFollowing) {
    text += s.current_room == kRiverBank
                ? Cp850(" Das Schaf schaut dich verwundert an und verliert das Interesse an dir.")
                : Cp850(
                      " Das Schaf schaut dich verwundert an, verliert das Interesse an dir und läuft zurück nach "
                      "Westen.");
    s.sheep_state = kSheepWithHerd;
    s.sheep_room = kRiverBank;
  }
  return Answer(s, text);
}

}  // namespace

TurnStep Smoke(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "rauche") return std::nullopt;
  if (c.object1 == "zigarre") return Answer(s, "Die Zigarre gehört dem Wolf.");
  if (c.object1 == "gras") return Answer(s, "Für diesen Gedanken bist du noch zu klein.");
  return std::nullopt;
}

TurnStep Taste(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "probiere") return std::nullopt;
  if (c.object1 == "dich") return Answer(s, "Der gewöhnliche Geschmack.");
  return Answer(s, "Nein, das muss nicht sein.");
}

TurnStep Eat(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "esse") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "kuchen") {
    return Answer(s, Paragraph("Es ist nicht sehr höflich, Dinge aufzuessen, die andere Leute geschenkt bekommen "
                               "sollen!"));
  }
  if (OneOf(o, {"blumen", "blumenstrauß"})) {
    return Answer(s, Paragraph("Als kleines Mädchen hast du einmal einen ganzen Blumenstrauß mit Salatdressing "
                               "verspeist. Mama hat dir danach erklärt, dass man Blumen nicht isst, sondern in eine "
                               "Vase stellt. Seitdem weißt du es besser, auch wenn das Dressing wirklich lecker war."));
  }
  if (o == "gras") return EatGrass(s);
  if (o == "honig") {
    if (s.honey_jar_carried) return Answer(s, "Honig pur, igitt! Ohne Brot verträgst du das nicht!");
    return Answer(s, "Du hast keinen Honig.");
  }
  if (o == "frosch") return Answer(s, "Igitt!");
  return std::nullopt;
}

TurnStep Drink(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "trinke") return std::nullopt;
  const std::string& o = c.object1;
  if (OneOf(o, {"wein", "weinflasche", "flasche"})) {
    if (o != "wein") PrintMessage(s, console, "(den Wein)");
    return Answer(s, Paragraph("Der Wein ist ein Geschenk für deine Oma. Und außerdem darfst du noch gar keinen "
                               "Wein trinken!"));
  }
  if (o == "wasser") {
    if (s.current_room == kBridgeApproach || s.current_room == kBridge) {
      return Answer(s, "Von hier aus kommst du nicht an das Wasser heran.");
    }
    if (s.drank_water) return Answer(s, "Du hast bereits genügend Wasser getrunken und daher keinen Durst mehr.");
    s.drank_water = 1;
    return Answer(s, "Du trinkst einen Schluck Flusswasser. Das ist sehr erfrischend!");
  }
  return std::nullopt;
}
