// Opening and closing, locking and unlocking.
#include <string>

#include "parser/parser_messages.h"
#include "story/room_events.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// "Deckel" and "Honig" stand for the jar.
void NameTheJar(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object1 == "honigglas") return;
  PrintMessage(s, console, "(das Honigglas)");
  SetObjects(s, "honigglas", kNeuter);
}

TurnEnd UnlockDoor(GameSession& s) {
  if (!s.door_locked) return Answer(s, "Die Tür ist bereits aufgeschlossen.");
  if (s.key_holder != kKeyCarried) return Answer(s, "Du hast keinen geeigneten Schlüssel.");
  if (s.key_bent) {
    return Answer(s, "Der Schlüssel ist so stark verbogen, dass du die Tür damit nicht aufschließen kannst.");
  }
  s.door_locked = 0;
  return Answer(s, "Ein leises Klacken weist darauf hin, dass die Tür nun nicht mehr abgeschlossen ist.");
}

TurnEnd LockDoor(GameSession& s) {
  if (s.door_open) return Answer(s, "Die Tür ist geöffnet und du kannst sie nicht zuschließen.");
  if (s.door_locked) {
    if (s.key_holder == kKeyCarried && s.key_bent) {
      return Answer(s,
                    "Wäre die Tür nicht ohnehin bereits abgeschlossen, könntest du sie mit dem verbogenen Schlüssel "
                    "vermutlich nicht abschließen.");
    }
    return Answer(s, "Die Tür ist bereits abgeschlossen.");
  }
  if (s.key_holder != kKeyCarried) return Answer(s, "Du hast keinen geeigneten Schlüssel.");
  s.door_locked = 1;
  return Answer(s, "Ein kleines Klacken weist darauf hin, dass die Tür nun wieder abgeschlossen ist.");
}

TurnEnd OpenJar(GameSession& s, Console& console) {
  if (!s.honey_jar_carried) return Answer(s, "Du hast das Glas nicht.");
  if (JarIsOpen(s)) return Answer(s, "Das Honigglas ist bereits geöffnet.");
  s.honey_jar_state = kLidCarried;
  if (s.current_room != kBeeMeadow) return Answer(s, "Das Honigglas ist jetzt offen.");
  // The bees leave the flowers for the honey.
  PrintMessage(s, console,
               Paragraph("Kaum ist das Glas geöffnet, bist du umzingelt von Dutzenden Bienen. Schnell stellst du es "
                         "auf den Boden und trittst einen Schritt zurück. Summend fallen die Bienen über den Honig "
                         "her, und für ihre Wiese interessieren sie sich nicht mehr."));
  BeesTakeTheJar(s, console);
  return TurnEnd::kTopOfTurn;
}

TurnEnd CloseJar(GameSession& s) {
  if (s.honey_jar_state == kLidLoose) return Answer(s, "Du besitzt den Deckel nicht.");
  if (s.honey_jar_state != kLidCarried) return Answer(s, "Das Glas ist bereits geschlossen.");
  if (!s.honey_jar_carried) return Answer(s, "Du hast das Glas nicht.");
  s.honey_jar_state = kLidOnCarriedJar;
  return Answer(s, "Du schließt das Glas.");
}

// "öffne X mit" and "öffne mit X": the question for the missing half.
TurnEnd AskForTheOtherObject(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.mit_pos > c.object1_pos) {
    Ask(s, "[Mit was willst du " + ObjectPhrase(s) + Cp850("öffnen?]"), c.verb + " " + c.object1 + " mit");
  } else {
    Ask(s, "[Was willst du damit " + c.verb + "n?]", " " + c.verb + " mit " + c.object1);
  }
  return TurnEnd::kEndOfTurn;
}

}  // namespace

TurnStep Close(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "schließe")) return std::nullopt;
  const std::string& o = c.object1;
  if (Is(o, "tür")) {
    const bool with_key = Is(c.object2, "schlüssel");
    if (c.object_count > 1 && !with_key) return std::nullopt;
    if (c.preposition == "auf") return UnlockDoor(s);
    if (c.preposition == "zu") return LockDoor(s);
    // "schließe die tür mit dem schlüssel": whichever of the two can be done.
    if (with_key) return s.door_locked ? UnlockDoor(s) : LockDoor(s);
    if (!s.door_open) return Answer(s, "Die Tür ist bereits geschlossen.");
    s.door_open = 0;
    return Answer(s, "Du schließt die Tür.");
  }
  // Apart from the door only the lid closes anything here: other tools, and
  // locking or unlocking, are left to the default answers.
  const bool with_lid = c.object2 == "deckel";
  if (!with_lid && (c.object_count > 1 || OneOf(c.preposition, {"auf", "zu"}))) return std::nullopt;
  if (OneOf(o, {"wein", "flasche", "weinflasche"})) return Answer(s, "Die Flasche Wein ist bereits geschlossen.");
  if (OneOf(o, {"honigglas", "honig", "deckel"})) {
    NameTheJar(s, console);
    return CloseJar(s);
  }
  return std::nullopt;
}

TurnStep Open(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "öffne")) return std::nullopt;
  if (c.object_count == 1 && c.mit_count > 0) return AskForTheOtherObject(s);
  const std::string& o = c.object1;
  if (Is(o, "tür")) {
    const bool with_key = Is(c.object2, "schlüssel");
    if (c.object_count > 1 && !with_key) return std::nullopt;
    // With the key a locked door is unlocked first.
    if (s.door_locked) return with_key ? UnlockDoor(s) : Answer(s, "Die Tür ist abgeschlossen.");
    if (s.door_open) return Answer(s, "Die Tür ist bereits geöffnet.");
    s.door_open = 1;
    return Answer(s, "Du öffnest die Tür.");
  }
  if (c.object_count > 1) return std::nullopt;
  if (IsPlayer(o)) return Answer(s, "Du versuchst, dich zu öffnen.");
  if (o == "honigautomat") {
    return Answer(s, "Der Honigautomat ist fest verschlossen. Er kann wohl nur von dem Bären geöffnet werden.");
  }
  if (o == "ausgabefach") return Answer(s, "Das Ausgabefach ist sehr stabil, so dass du es nicht öffnen kannst.");
  if (OneOf(o, {"weinflasche", "wein", "flasche"})) {
    return Answer(s, "Du würdest die Flasche Wein gar nicht aufbekommen.");
  }
  if (o == "zeitung") {
    PrintMessage(s, console, "(lies Zeitung)");
    return HandOver(s, console, "lese", Read);
  }
  if (OneOf(o, {"honigglas", "honig", "deckel"})) {
    NameTheJar(s, console);
    return OpenJar(s, console);
  }
  return std::nullopt;
}
