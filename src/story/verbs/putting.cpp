// Putting things into and onto places, throwing and sticking them.
#include <string>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"
#include "world/parsed_command.h"

namespace {

bool IsPutVerb(const std::string& verb) { return OneOf(verb, {"lege", "stelle", "werfe", "stecke"}); }

// Object 1 in the accusative: "den Korb ", "dich " for the player.
std::string Accusative(const GameSession& s) {
  return IsPlayer(s.command.object1) ? std::string("dich ") : ObjectPhrase(s);
}

// "[In was willst du den Korb legen?]"; the answer names the place.
TurnEnd AskWhereInto(GameSession& s) {
  const ParsedCommand& c = s.command;
  Ask(s, "[In was willst du " + Accusative(s) + c.verb + "n?]", c.verb + " " + c.object1 + " in ");
  return TurnEnd::kEndOfTurn;
}

// "[Worauf willst du den Korb legen?]"; the completion carries the "auf", so
// that a plain answer ("die bank") makes a whole command.
TurnEnd AskWhereOnto(GameSession& s) {
  const ParsedCommand& c = s.command;
  Ask(s, "[Worauf willst du " + Accusative(s) + c.verb + "n?]", c.verb + " " + c.object1 + " auf ");
  return TurnEnd::kEndOfTurn;
}

// "Dafür ist der Brunnen nicht geeignet.", "Dafür sind die Schafe nicht geeignet."
TurnEnd Unsuitable(GameSession& s) {
  const ParsedCommand& c = s.command;
  std::string article = IsPersonalName(c.object2) ? "" : NominativeArticle(c.object2_gender, c.object2_plural);
  if (!article.empty()) article += " ";
  std::string noun = s.object2_phrase;
  if (noun == Cp850("Bären ")) noun = Cp850("Bär ");
  return Answer(s, Cp850(c.object2_plural ? "Dafür sind " : "Dafür ist ") + article + noun + "nicht geeignet.");
}

// What happens, and the toad's remark from the well, if it has one to make.
TurnEnd Tell(GameSession& s, Console& console, const char* what_happens, const char* toad_says) {
  if (toad_says == nullptr || s.frog_state != kFrogIsToad) return Answer(s, what_happens);
  PrintMessage(s, console, what_happens);
  return Answer(s, toad_says);
}

// The well keeps what falls into it.
TurnStep IntoWell(GameSession& s, Console& console) {
  const std::string& o = s.command.object1;
  if (o == "korb") {
    s.basket_carried = 0;
    s.basket_room = kLostForGood;
    return Tell(s, console,
                Paragraph("Der Korb fällt in die Dunkelheit des Brunnens. Einen Augenblick später hörst du von tief "
                          "unten ein lautes Platschen."),
                Paragraph("'Danke für den Korb', ruft die Kröte aus der Tiefe des Brunnens. 'Der war doch sicher für "
                          "deine Oma bestimmt? Nun, ich werde ihn in Ehren halten.'"));
  }
  if (o == "zeitung") {
    s.newspaper_carried = 0;
    s.newspaper_room = kLostForGood;
    return Tell(s, console,
                Paragraph("Die Zeitung dreht sich ein paarmal im Kreis, bevor sie aus deiner Wahrnehmung "
                          "verschwindet."),
                s.newspaper_torn ? Paragraph("'Behalte deinen Abfall gefälligst für dich!', schimpft die Kröte aus "
                                             "der Tiefe. 'Das hier ist ein Brunnen und kein Mülleimer!'")
                                 : Paragraph("'Vielen Dank für die Zeitung', ruft die Kröte von unten herauf. 'Nur ist "
                                             "es hier unten leider zu dunkel zum Lesen. Falls du eine Lampe hast, "
                                             "wirf sie doch gleich hinterher!'"));
  }
  if (OneOf(o, {"kuchen", "weinflasche", "wein"})) {
    return Answer(s,
                  "Der Kuchen und die Weinflasche sind in dem Korb. Du müsstest also den Korb in den Brunnen "
                  "werfen.");
  }
  if (o == "gras") {
    s.grass_carried = 0;
    s.grass_room = kNotInPlay;
    return Answer(s, "Das Gras fällt langsam in die Tiefe und ist bald verschwunden.");
  }
  if (o == "kugel") {
    if (s.frog_state != kFrogIsToad) return Answer(s, "'Lass bloß meine Kugel in Ruhe', quakt der Frosch.");
    s.ball_state = kBallLying;
    s.ball_room = kLostForGood;
    return Tell(s, console,
                Paragraph("Schnell fällt die Kugel in die Dunkelheit des Brunnens und schlägt mit einem lauten "
                          "Platschen auf dem Grund auf."),
                Paragraph("'Bist du noch bei Trost?', kreischt die Kröte empört aus der Tiefe. 'Beinahe hättest du "
                          "mich erschlagen!'"));
  }
  if (Is(o, "schlüssel") || o == "taler") {
    if (o == "taler") {
      s.coin_state = kCoinNotCarried;
      s.coin_room = kLostForGood;
    } else {
      s.key_holder = kKeyNotCarried;
      s.key_room = kLostForGood;
    }
    return Answer(s, "Der " + s.object1_phrase +
                         Cp850("fällt schnell in die Tiefe. Erst nach einer ganzen Weile hörst du von weit unten ein "
                               "kaum hörbares Platschen."));
  }
  if (Is(o, "blumenstrauß")) {
    s.bouquet_carried = 0;
    s.bouquet_picked = 0;
    s.bouquet_room = kNotInPlay;
    return Tell(s, console, "Der Blumenstrauß fällt in die Tiefe und ist bald nicht mehr zu sehen.",
                "'Vielen Dank für die Blumen!', bedankt sich die Kröte aus feuchten Tiefen.");
  }
  // The jar never comes this far closed: it stays open with the bees.
  if (o == "deckel") {
    s.honey_jar_state = kLidLoose;
    s.lid_room = kLostForGood;
    return Answer(s, "Der Deckel fällt in die Tiefe und ist schon bald nicht mehr zu sehen.");
  }
  return std::nullopt;
}

// The river carries off what it is given.
TurnStep IntoRiver(GameSession& s) {
  if (s.current_room == kBridgeApproach) {
    return Answer(s, "Von hier aus kommst du nicht nahe genug an den Fluss und an das Wasser heran.");
  }
  const std::string& o = s.command.object1;
  if (o == "korb") {
    s.basket_carried = 0;
    s.basket_room = kLostForGood;
    return Answer(s, "Der Korb schwimmt und schaukelt auf dem Wasser davon und ist schon bald nicht mehr zu sehen.");
  }
  if (o == "zeitung") {
    s.newspaper_carried = 0;
    s.newspaper_room = kLostForGood;
    return Answer(s,
                  "Die Zeitung schwimmt auf dem Wasser davon, dreht sich ein paarmal im Kreis und ist schon bald "
                  "nicht mehr zu sehen.");
  }
  if (o == "gutschein") {
    s.voucher_carried = 0;
    s.voucher_room = kLostForGood;
    return Answer(s, "Der Gutschein schwimmt auf dem Wasser davon und ist schon bald nicht mehr zu sehen.");
  }
  if (o == "honigglas") {
    s.honey_jar_carried = 0;
    s.honey_jar_room = kLostForGood;
    // A screwed-on lid goes down with the jar.
    if (s.honey_jar_state == kLidOnCarriedJar || s.honey_jar_state == kLidOnLyingJar) {
      s.honey_jar_state = kLidOnLyingJar;
      s.lid_room = kLostForGood;
    }
    return Answer(s, "Das Honigglas geht in dem Wasser unter und ist schon bald nicht mehr zu sehen.");
  }
  if (OneOf(o, {"kuchen", "weinflasche", "wein"})) {
    return Answer(s, "Der Kuchen und die Weinflasche sind in dem Korb. Du müsstest also den Korb in das Wasser legen.");
  }
  if (o == "gras") {
    s.grass_carried = 0;
    s.grass_room = kNotInPlay;
    std::string text = Cp850("Das Gras schwimmt auf dem Wasser davon und ist schon bald nicht mehr zu sehen.");
    if (s.sheep_state == kSheepFollowing) {
      text += s.current_room == kRiverBank
                  ? Cp850(" Das Schaf verliert das Interesse an dir und läuft zurück zu seiner Herde.")
                  : Cp850(" Das Schaf verliert das Interesse an dir und läuft zurück nach Westen.");
      s.sheep_state = kSheepWithHerd;
      s.sheep_room = kRiverBank;
    }
    return Answer(s, text);
  }
  if (o == "kugel") {
    s.ball_state = kBallLying;
    s.ball_room = kLostForGood;
    return Answer(s, "Die schwere Kugel geht sehr schnell im Wasser unter und ist schon bald nicht mehr zu sehen.");
  }
  if (Is(o, "schlüssel")) {
    s.key_holder = kKeyNotCarried;
    s.key_room = kLostForGood;
    return Answer(s, "Der Schlüssel geht sehr schnell im Wasser unter und ist schon bald nicht mehr zu sehen.");
  }
  if (o == "taler") {
    s.coin_state = kCoinNotCarried;
    s.coin_room = kLostForGood;
    return Answer(s, "Der Taler geht sehr schnell im Wasser unter und ist schon bald nicht mehr zu sehen.");
  }
  if (Is(o, "blumenstrauß")) {
    s.bouquet_carried = 0;
    s.bouquet_picked = 0;
    s.bouquet_room = kNotInPlay;
    return Answer(s, "Der Blumenstrauß schwimmt auf dem Wasser davon und ist schon bald nicht mehr zu sehen.");
  }
  if (o == "deckel") {
    if (s.honey_jar_state == kLidOnCarriedJar || s.honey_jar_state == kLidOnLyingJar) {
      return Answer(s, "Der Deckel ist auf dem Glas. Du müsstest also das Glas ins Wasser legen.");
    }
    s.honey_jar_state = kLidLoose;
    s.lid_room = kLostForGood;
    return Answer(s,
                  "Der Deckel schwimmt auf dem Wasser davon, geht dabei langsam unter und ist schon bald nicht mehr "
                  "zu sehen.");
  }
  return std::nullopt;
}

// The honey automat takes the Taler, and keeps it.
TurnEnd IntoCoinSlot(GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "taler") {
    if (s.coin_state != kCoinCarried) return Answer(s, "Du hast den Taler nicht.");
    s.coin_state = kCoinStuck;
    s.coin_returned = 0;
    return Answer(s, "Du wirfst den Taler in den Münzeinwurf. Er bleibt jedoch im Automaten stecken.");
  }
  return Answer(s, Capitalise(Accusative(s)) + Cp850("kannst du nicht in den Münzeinwurf werfen."));
}

TurnEnd IntoBasket(GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "kuchen") return Answer(s, "Der Kuchen ist bereits im Korb.");
  if (OneOf(o, {"wein", "weinflasche", "flasche"})) return Answer(s, "Die Weinflasche ist bereits im Korb.");
  return Answer(s, "Der Kuchen und der Wein füllen den Korb schon aus.");
}

TurnStep Into(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.object1 == c.object2) return Answer(s, "Wie sollte das funktionieren?");
  if (c.object1 == "frosch" && c.object2 == "brunnen") {
    return Answer(s, "'He, lass mich in Ruhe', ruft der Frosch und hüpft ein Stück zur Seite.");
  }
  if (c.object2 == "brunnen") {
    if (TurnStep end = IntoWell(s, console)) return end;
  }
  if (OneOf(c.object2, {"münzeinwurf", "honigautomat"})) return IntoCoinSlot(s);
  if (OneOf(c.object2, {"fluss", "wasser"})) {
    if (TurnStep end = IntoRiver(s)) return end;
  }
  if (c.object2 == "korb") return IntoBasket(s);
  if (IsPlayer(c.object2)) return Answer(s, "Du kannst nichts in dich " + c.verb + "n.");
  return Unsuitable(s);
}

// What may lie on the bench, and be gone with the next one to sit there.
bool IsPortable(const GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "deckel") return s.honey_jar_state == kLidLoose || s.honey_jar_state == kLidCarried;
  return OneOf(o, {"korb", "zeitung", "gutschein", "honigglas", "kugel", "blumenstrauß", "gras"});
}

const char* Pronoun(int gender) {
  switch (gender) {
    case kMasculine:
      return "ihn ";
    case kNeuter:
      return "es ";
    default:
      return "sie ";
  }
}

TurnEnd Onto(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object_count == 1) return AskWhereOnto(s);
  const bool me = IsPlayer(c.object1);
  if (me && c.object2 == "matte") return Answer(s, "Du stellst dich kurz auf die Matte. Nichts weiter geschieht.");
  if (c.object1 == "deckel" && OneOf(c.object2, {"honigglas", "honig"})) {
    if (s.honey_jar_state == kLidOnCarriedJar || s.honey_jar_state == kLidOnLyingJar) {
      return Answer(s, "Der Deckel ist bereits auf dem Honigglas.");
    }
    PrintMessage(s, console, "(schließe das Honigglas)");
    SetObjects(s, "honigglas", kNeuter);
    c.preposition.clear();
    c.preposition_count = 0;
    return HandOver(s, console, "schließe", Close);
  }
  if (IsPlayer(c.object2)) {
    return Answer(s, me ? "Das ist technisch unmöglich." : "Das würde dir nicht weiterhelfen.");
  }
  if (c.object2 == "brunnen" && !me) {
    return Answer(s, "Du solltest besser nichts auf den Brunnen legen, denn es könnte hineinfallen.");
  }
  if (c.object2 == "bank") {
    if (me) return Answer(s, "Dafür ist sie dir zu unbequem.");
    if (IsPortable(s)) {
      return Answer(s, Cp850("Besser nicht. Der Nächste, der sich auf die Bank setzt, könnte ") + ObjectName(s) +
                           " einfach mitnehmen. Und vielleicht brauchst du " + Pronoun(c.object1_gender) + "ja noch.");
    }
  }
  return Unsuitable(s);
}

}  // namespace

TurnStep Throw(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "werfe") return std::nullopt;
  const std::string& p = c.preposition;
  const bool me = IsPlayer(c.object1);
  if (p.empty()) return me ? Answer(s, "Dazu besteht kein Grund.") : SayNotHelpful(s);
  if (p == "um") {
    if (me) return Answer(s, "Es hilft dir nicht weiter, dich umzuwerfen.");
    return Answer(s, "Zu versuchen, " + ObjectPhrase(s) + "umzuwerfen, hilft dir nicht weiter.");
  }
  if (p == "ein" && c.object1 == "taler" && s.current_room == kHoneyStand) {
    PrintMessage(s, console, "(in den Münzeinwurf)");
    return IntoCoinSlot(s);
  }
  // Redeeming the voucher.
  if (p == "ein" && c.object1 == "gutschein") return HandOver(s, console, "löse", Loosen);
  if (p == "ein" || p == "ab" || (p == "auf" && c.object_count == 1)) {
    if (me) return Answer(s, "Du kannst dich nicht " + p + "werfen.");
    return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht " + p + "werfen.");
  }
  return std::nullopt;
}

TurnStep Stick(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "stecke") return std::nullopt;
  if (c.preposition.empty() && c.object_count == 1) return AskWhereInto(s);
  // The key in the door turns it: it unlocks a locked door and locks an
  // unlocked one.
  if (c.preposition == "in" && Is(c.object1, "schlüssel") && Is(c.object2, "tür")) {
    const bool lock = !s.door_locked;
    PrintMessage(s, console, lock ? "(schließe die Tür ab)" : "(schließe die Tür auf)");
    SwapObjects(c, true, true);
    c.preposition = lock ? "zu" : "auf";
    FillNameForms(s);
    return HandOver(s, console, "schließe", Close);
  }
  return std::nullopt;
}

TurnStep PutInOrOn(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!IsPutVerb(c.verb)) return std::nullopt;
  if (c.preposition == "in" && c.object_count == 1) return AskWhereInto(s);
  if (c.object1 == "gutschein" && c.object2 == "zeitung") {
    return Answer(s, "Es besteht kein Anlass, den Gutschein wieder in die Zeitung zu legen.");
  }
  if (c.preposition == "auf" && c.object_count > 0) return Onto(s, console);
  if (c.preposition == "in" && c.object_count == 2) return Into(s, console);
  // Putting down without a place was the put-down handler's.
  return std::nullopt;
}
