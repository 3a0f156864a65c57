// Looking: around, and at, into, under, behind and through things.
#include "parser/parser_messages.h"
#include "story/room_descriptions.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// "schaue" alone, "schaue um" or "schaue dich um": looking around describes
// the room.
bool IsLookAround(const ParsedCommand& c) {
  if (c.object_count == 0) return c.preposition.empty() || c.preposition == "um";
  return c.preposition == "um" && c.object1 == "dich" && c.object_count == 1;
}

// Things that answer whatever the preposition: the river, the house, the
// sky and the door.
TurnStep LookAtSpecial(GameSession& s) {
  const ParsedCommand& c = s.command;
  const std::string& o = c.object1;
  const std::string& p = c.preposition;
  if (o == "fluss" && p == "in") return Answer(s, "Das Wasser im Fluss ist klar und sauber.");
  if (o == "haus" && p == "in") {
    if (!s.door_open) return Answer(s, "Wäre die Tür nicht geschlossen, könntest du in das Haus schauen.");
    return Answer(s, "Im Inneren des Hauses ist es zu dunkel, um von hier aus etwas zu sehen.");
  }
  if (o == "himmel") {
    if (p == "hinter") return Answer(s, "Hinter dem Horizont geht es angeblich weiter.");
    if (p == "unter") return Answer(s, "Unter dem Himmel ist alles, was du sehen kannst.");
    if (p == "in") return Answer(s, "In der Weite des Himmels könntest du dich verlieren.");
  }
  if (Is(o, "tür") && (p == "hinter" || p == "durch")) {
    if (!s.door_open) return Answer(s, "Leider kannst du nicht " + p + Cp850(" geschlossene Türen schauen."));
    if (s.current_room == kHouseFront) {
      return Answer(s, "Hinter der geöffneten Tür ist das Innere des Hauses deiner Oma.");
    }
  }
  return std::nullopt;
}

// The key under the doormat: found once, and worth 2 points the first time.
TurnEnd LookUnderMat(GameSession& s, Console& console) {
  if (!s.key_under_mat) return Answer(s, "Unter der Matte siehst du nichts Besonderes.");
  PrintMessage(s, console,
               Paragraph("Unter der Matte liegt ein verbogener Schlüssel. Das ist Omas Zweitschlüssel. Hoffentlich "
                         "steckt der andere Schlüssel nicht von innen."));
  s.spare_key_found = 1;
  AwardOnce(s, console, s.key_points_given, 2);
  return TurnEnd::kTopOfTurn;
}

// "Du schaust unter den Korb, siehst aber nichts Besonderes."
TurnEnd NothingThere(GameSession& s) {
  return Answer(s, "Du schaust " + s.command.preposition + " " + ObjectName(s) + ", siehst aber nichts Besonderes.");
}

TurnEnd LookUnder(GameSession& s, Console& console) {
  const std::string& o = s.command.object1;
  if (o == "matte") return LookUnderMat(s, console);
  if (o == "boden") return Answer(s, "Es ist unmöglich, unter den Boden zu schauen.");
  if (Is(o, "brücke")) return Answer(s, "Darunter ist der Fluss.");
  if (IsPlayer(o)) return Answer(s, "Da ist der Boden unter deinen Füßen.");
  return NothingThere(s);
}

TurnEnd LookThrough(GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "honigglas") {
    std::string text = Cp850("Das Glas ist voll mit leckerem Honig");
    if (s.bees_at_jar) text += " und jeder Menge Bienen";
    return Answer(s, text + ".");
  }
  return Answer(s, Cp850("Es ist nicht möglich, durch ") + ObjectPhrase(s) + "zu " + Infinitive(s.command) + ".");
}

TurnEnd LookBehind(GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "sonne") return Answer(s, "Das ist absolut unmöglich.");
  if (IsPlayer(o)) return Answer(s, "Da ist nichts hinter dir.");
  return NothingThere(s);
}

TurnStep LookOutOf(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (IsPlayer(c.object1)) return Answer(s, "Das machst du ohnehin ständig.");
  if (Is(c.object1, "öffnung")) {
    c.preposition = "durch";
    return HandOver(s, console, "schaue", Look);
  }
  return Answer(s, "Da kannst du nicht hinausschauen. ");
}

TurnEnd LookIntoHoneyStand(GameSession& s) {
  if (!s.spare_key_found) {
    return Answer(s, Paragraph("Wahrscheinlich ist da drin alles voller Honiggläser, aber dafür bist du leider zu "
                               "klein. Alles, was du über den Tresen hinweg siehst, ist der riesige Bär."));
  }
  // Once the key is found the bear has closed his stand.
  return Answer(s, Paragraph("Wahrscheinlich ist da drin alles voller Honiggläser, aber dafür bist du leider zu klein. "
                             "Über den Tresen hinweg siehst du nur, dass der Stand geschlossen ist."));
}

TurnStep LookInto(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  const std::string& o = c.object1;
  if (IsPlayer(o)) return Answer(s, "Das geht nun wirklich nicht.");
  if (o == "korb") return HandOver(s, console, "untersuche", Examine);
  if (o == "weinflasche") return Answer(s, "In der Flasche ist trockener Wein.");
  if (o == "honigstand") return LookIntoHoneyStand(s);
  if (Is(o, "schlüsseldienst")) return Answer(s, "Im Stand fällt dir nichts Besonderes auf.");
  if (o == "zeitung") {
    PrintMessage(s, console, "(lies Zeitung)");
    return HandOver(s, console, "lese", Read);
  }
  if (o == "kugel") {
    return Answer(s,
                  Paragraph("Die goldene Kugel glänzt im Licht der Sonne, aber etwas erkennen kannst du darin nicht."));
  }
  if (Is(o, "münzeinwurf")) return Answer(s, "Es ist dunkel im Münzeinwurf. Du kannst darin nichts sehen.");
  if (o == "ausgabefach") return Answer(s, "Das Ausgabefach ist geschlossen und du kannst somit nicht hineinschauen.");
  if (Is(o, "münzausgabe")) {
    if (s.coin_state == kCoinInReturn) return Answer(s, "In der Münzausgabe ist ein Taler.");
    return Answer(s, "In der Münzausgabe kannst du nichts erkennen. Sie ist leer.");
  }
  if (o == "brunnen") {
    return Answer(s, Paragraph("Du beugst dich über den Rand und schaust hinunter. Der Schacht ist so tief und so "
                               "dunkel, dass du dort unten rein gar nichts erkennen kannst."));
  }
  return Answer(s, "Du kannst nicht in " + ObjectPhrase(s) + Infinitive(c) + ".");
}

// "schaue unter" and the like without a thing: the question back.
TurnEnd AskWhere(GameSession& s) {
  const ParsedCommand& c = s.command;
  Ask(s, "[" + Capitalise(c.preposition) + " was willst du " + Infinitive(c) + "?]", "schaue " + c.preposition + " ");
  return TurnEnd::kEndOfTurn;
}

}  // namespace

TurnStep Look(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "schaue") return std::nullopt;
  if (c.object_count > 1) {
    s.more_sentences_pending = 0;
    return Answer(s, "[Mit 'schaue' können nicht mehrere Objekte verwendet werden.]");
  }
  if (IsLookAround(c)) {
    DescribeRoom(s, console);
    return TurnEnd::kTopOfTurn;
  }
  if (TurnStep end = LookAtSpecial(s)) return end;

  // Looking at a thing, or having a look at it ("schaue den korb an"), is
  // examining it.
  if (c.object_count == 1 && (c.preposition.empty() || c.preposition == "an")) {
    return HandOver(s, console, "untersuche", Examine);
  }
  if (c.object_count == 0 && c.preposition == "an") {
    Ask(s, "[Was willst du anschauen?]", "schaue an ");
    return TurnEnd::kEndOfTurn;
  }
  if (c.preposition == "hinter" && c.object1 == "honigglas") c.preposition = "durch";
  if (c.preposition == "in" && OneOf(c.object1, {"kappe", "käppchen"})) {
    return Answer(s, "In der Kappe findest du nichts.");
  }

  if (!OneOf(c.preposition, {"unter", "durch", "hinter", "aus", "in"})) return std::nullopt;
  if (c.object_count == 0) return AskWhere(s);
  if (c.preposition == "unter") return LookUnder(s, console);
  if (c.preposition == "durch") return LookThrough(s);
  if (c.preposition == "hinter") return LookBehind(s);
  if (c.preposition == "aus") return LookOutOf(s, console);
  return LookInto(s, console);
}
