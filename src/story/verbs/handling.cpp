// Doing things with things: pulling, pushing, turning, pressing, bending, touching and the like.
#include <optional>
#include <string>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/movement.h"
#include "story/verbs/verb_support.h"

namespace {

// Things that can be carried about; moving them about gets the player nowhere.
bool IsPortable(const std::string& o) {
  return OneOf(o, {"korb", "zeitung", "gutschein", "honigglas", "gras", "kugel", "wein", "flasche", "weinflasche",
                   "kuchen", "deckel"});
}

// What is done to the lid is done to the jar: the command goes on as
// opening or closing it, after the note (if any) that says which.
TurnEnd OpenOrCloseTheJar(GameSession& s, Console& console, bool open, const char* note) {
  if (note != nullptr) PrintMessage(s, console, note);
  SetObjects(s, "honigglas", kNeuter);
  s.command.preposition.clear();
  s.command.preposition_count = 0;
  if (open) return HandOver(s, console, "öffne", Open);
  return HandOver(s, console, "schließe", Close);
}

// The cap stays where it is best kept: "ziehe kappe aus", "entferne kappe".
TurnEnd KeepTheCapOn(GameSession& s, Console& console) {
  PrintMessage(s, console, "(nimm Kappe ab)");
  return Answer(s, "Auf deinem Kopf ist die Kappe am besten aufgehoben.");
}

TurnEnd RingTheBell(GameSession& s) {
  if (s.beaver_present) {
    return Answer(s,
                  "Es ertönt ein ohrenbetäubendes Klingeln. 'Lass doch bitte die Klingel in Ruhe', ruft der Biber "
                  "aus seinem Stand. 'Ich bin ja schon da!'");
  }
  // The first ring brings him out; he stays in his stand from then on.
  s.beaver_present = 1;
  s.bell_rung = 1;
  return Answer(s, Paragraph("Es ertönt ein ohrenbetäubendes Klingeln. Kurz darauf hüpft ein fröhlicher orangefarbener "
                             "Biber in einem schwarzen Hosenanzug aus dem Baumarkt, stellt sich in den Stand des "
                             "Schlüsseldienstes und lächelt dich erwartungsvoll an."));
}

TurnEnd PressCoinReturn(GameSession& s, Console& console) {
  if (!s.spare_key_found || s.coin_returned) {
    return Answer(s,
                  "Du drückst die Rückgabetaste. Es geschieht nichts weiter. Es ist offenbar kein Geld im Automaten, "
                  "das zurückgegeben werden soll.");
  }
  PrintMessage(s, console,
               "Du drückst die Rückgabetaste. Aus dem Automaten hörst du zunächst ein Klackern und kurz danach fällt "
               "ein Taler in die Münzrückgabe.");
  s.coin_state = kCoinInReturn;
  s.coin_returned = 1;
  AwardOnce(s, console, s.coin_points_given, 3);
  return TurnEnd::kTopOfTurn;
}

// "löse gutschein ein" is handing the voucher to the bear, where he is.
TurnEnd RedeemVoucher(GameSession& s, Console& console) {
  if (s.current_room != kHoneyStand) return Answer(s, "Hier kannst du ihn nicht einlösen.");
  if (s.spare_key_found) {
    return Answer(s, "Der Honigstand ist geschlossen, und ohne den Bären kannst du den Gutschein nicht einlösen.");
  }
  SetObjects(s, "bären", kMasculine, "gutschein", kMasculine);
  s.command.preposition.clear();
  s.command.preposition_count = 0;
  return HandOver(s, console, "gebe", GiveOrShow);
}

// Whether a thing that can be swung about is carried; nothing for the rest.
std::optional<bool> CarriedForSwinging(const GameSession& s, const std::string& o) {
  if (o == "korb") return s.basket_carried;
  if (o == "zeitung") return s.newspaper_carried;
  if (o == "gutschein") return s.voucher_carried;
  if (o == "honigglas") return s.honey_jar_carried;
  if (o == "gras") return s.grass_carried;
  if (o == "kugel") return s.ball_state == kBallCarried;
  if (o == "deckel" && JarIsOpen(s)) return s.honey_jar_state == kLidCarried;
  return std::nullopt;
}

}  // namespace

TurnStep TouchTheBall(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!OneOf(c.verb, {"schiebe", "ziehe", "berühre", "rolle"})) return std::nullopt;
  if (c.object1 != "kugel" || s.current_room != kWell || s.ball_state != kBallOnWell) return std::nullopt;
  if (s.frog_state < kFrogIsToad) return Answer(s, "'Finger weg von meiner Kugel', ruft der Frosch.");
  if (c.verb == "rolle") {
    return Answer(s, "Lust hättest du schon, mit der Kugel zu spielen. Aber du hast Angst, sie zu verlieren.");
  }
  return Answer(s, "Das würde dir nicht weiterhelfen.");
}

TurnStep Pull(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "ziehe") return std::nullopt;
  if (c.object_count > 1) {
    --s.move_count;
    s.more_sentences_pending = 0;
    return Answer(s, "[Das Spiel versteht nur 'ziehe an <Gegenstand>' und 'ziehe <Gegenstand> an/aus'.]");
  }
  const std::string& o = c.object1;
  if (OneOf(o, {"kappe", "käppchen"})) {
    if (c.preposition == "aus") return KeepTheCapOn(s, console);
    if (c.preposition == "an") return Answer(s, "Du trägst die Kappe bereits.");
  }
  // Pulling at a sheep or the door, "ziehe an" or plain "ziehe", is trying to move it.
  if (c.preposition != "aus" && (IsSheep(o) || Is(o, "tür"))) return HandOver(s, console, "bewege", MoveObject);
  if (o == "besen") return HandOver(s, console, "bewege", MoveObject);
  if (o == "schublade") return HandOver(s, console, "öffne", Open);
  return std::nullopt;
}

TurnStep Knock(GameSession& s, Console&) {
  if (s.command.verb != "klopfe" || !Is(s.command.object1, "tür")) return std::nullopt;
  if (s.knocked) {
    return Answer(s,
                  "Auch auf dein erneutes Klopfen reagiert deine Oma nicht. Sie kann dich wohl einfach nicht hören.");
  }
  s.knocked = 1;
  return Answer(s,
                "Du klopfst gegen die Tür, doch drinnen rührt sich nichts. Deine Oma hört nicht mehr besonders gut, "
                "aber zu Hause ist sie ganz bestimmt.");
}

TurnStep Loosen(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "löse")) return std::nullopt;
  // Loosening the lid, or taking it off, opens the jar.
  if (c.object1 == "deckel" && (c.preposition.empty() || c.preposition == "ab")) {
    return OpenOrCloseTheJar(s, console, true, "(öffne Honigglas)");
  }
  if (c.preposition == "ein" && c.object1 == "gutschein") return RedeemVoucher(s, console);
  if (OneOf(c.preposition, {"ein", "ab", "auf"})) {
    if (IsPlayer(c.object1)) return Answer(s, "Du kannst dich nicht " + c.preposition + c.verb + "n.");
    return Answer(s, Cp850("Du kannst ") + ObjectPhrase(s) + "nicht " + c.preposition + c.verb + "n.");
  }
  return std::nullopt;
}

TurnStep Replace(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "ersetze" || !IsPlayer(c.object1)) return std::nullopt;
  return Answer(s, "Du kannst dich nicht " + c.verb + "n.");
}

TurnStep Touch(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "berühre")) return std::nullopt;
  if (IsPlayer(c.object1)) return Answer(s, ParserMessage(ParserText::kNothingUnusual));
  if (c.object1 == "frosch") return Answer(s, "Du ekelst dich zu sehr davor, ihn zu berühren.");
  return std::nullopt;
}

TurnStep Rotate(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "drehe") return std::nullopt;
  const std::string& o = c.object1;
  const bool over = c.preposition == "um";
  if (IsPlayer(o)) return Answer(s, over ? "Da ist nichts hinter dir." : "Das war spaßig, nicht wahr?");
  // Turning the lid screws it off the jar, or back on.
  if (o == "deckel" && !over) {
    if (!JarIsOpen(s)) return OpenOrCloseTheJar(s, console, true, "(öffne das Honigglas)");
    return OpenOrCloseTheJar(s, console, false, "(schließe das Honigglas)");
  }
  if (o == "matte") {
    if (!over) {
      return Answer(s, "Du drehst die Matte. Es geschieht nichts weiter. Vielleicht möchtest du sie umdrehen.");
    }
    if (!s.key_under_mat) return Answer(s, "Du drehst die Matte um. Beide Seiten sehen gleich aus.");
    s.spare_key_found = 1;
    return Answer(s,
                  "Du drehst die Matte um. Beide Seiten sehen gleich aus. Beim Umdrehen der Matte fällt dir auf, "
                  "dass ein Schlüssel darunter liegt.");
  }
  if (over && o == "korb") return Answer(s, "Dann würden der Kuchen und der Wein herausfallen!");
  if (over && o == "honigglas") {
    if (s.bees_at_jar) return Answer(s, "Die Bienen würden dich stechen!");
    if (JarIsOpen(s)) return Answer(s, "Dann würde ja der ganze Honig aus dem Glas laufen!");
    return Answer(s, "Das würde dir nicht weiterhelfen, zumal das Glas geschlossen ist.");
  }
  if (over) return Answer(s, Cp850("Du kannst ") + ObjectPhrase(s) + "nicht " + c.preposition + c.verb + "n.");
  if (IsPortable(o)) return SayNotHelpful(s);
  return std::nullopt;
}

TurnStep MoveObject(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "bewege") return std::nullopt;
  const std::string& o = c.object1;
  if (IsPlayer(o)) return Answer(s, "Sage mir bitte genauer, wohin du gehen willst.");
  if (Is(o, "tür")) {
    if (s.door_locked) {
      return Answer(s,
                    "Die Tür ist abgeschlossen. Du kannst sie auf diese Art nicht bewegen oder aufmachen. Ohne sie "
                    "vorher aufzuschließen, wirst du sie nicht öffnen können.");
    }
    if (!s.door_open) return Answer(s, "Du könntest die Tür einfach öffnen.");
    return Answer(s, "Du könntest die Tür einfach schließen.");
  }
  if (IsSheep(o)) return Answer(s, "Auf diese Art gelingt es dir nicht, ein Schaf mitzunehmen.");
  if (IsPortable(o)) return SayNotHelpful(s);
  return std::nullopt;
}

TurnStep Sweep(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "kehre") return std::nullopt;
  if (c.object_count > 1) return Answer(s, "Damit kannst du nichts kehren.");
  if (c.mit_count > 0 && c.mit_pos < c.object1_pos) return Answer(s, "Damit kannst du nicht kehren.");
  if (c.mit_count > 0) return Answer(s, ParserMessage(ParserText::kIncompleteSentence));
  return Answer(s, "Du hast keinen Besen.");
}

TurnStep Press(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "drücke")) return std::nullopt;
  const std::string& o = c.object1;
  if (Is(o, "tür")) return HandOver(s, console, "bewege", MoveObject);
  if (o == "klingel") return RingTheBell(s);
  if (Is(o, "rückgabetaste")) return PressCoinReturn(s, console);
  if (o == "frosch") return Answer(s, "'He, was fällt dir ein', empört sich der Frosch und hüpft zur Seite.");
  return std::nullopt;
}

TurnStep Bend(GameSession& s, Console&) {
  if (s.command.verb != "biege" || !Is(s.command.object1, "schlüssel")) return std::nullopt;
  if (!s.key_bent) return Answer(s, "Der Schlüssel ist bereits so gerade, wie er nur sein kann.");
  return Answer(s,
                "Du versuchst, den Schlüssel mit aller Kraft gerade zu biegen, er ist jedoch zu stabil und du kannst "
                "seine Form aus eigener Kraft nicht verändern.");
}

TurnStep Repair(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "repariere") return std::nullopt;
  const std::string& o = c.object1;
  if (IsPlayer(o)) return Answer(s, "Du bist nicht kaputt.");
  if (o == "zeitung" && s.newspaper_torn) {
    return Answer(s, "Es ist dir leider nicht möglich, die vielen Teile der Zeitung wieder zusammenzufügen.");
  }
  if (Is(o, "schlüssel") && s.key_bent) {
    return Answer(s, "Im Moment hast du keine Ahnung, wie du den Schlüssel reparieren könntest.");
  }
  return Answer(s, Cp850("Es gibt keinen Grund, ") + ObjectPhrase(s) +
                       "zu reparieren. Du kannst nur Dinge reparieren, die kaputt sind.");
}

TurnStep Swing(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "schwinge") return std::nullopt;
  if (OneOf(c.object1, {"kappe", "käppchen"})) return Answer(s, "Das würde dir nicht wirklich weiterhelfen.");
  const std::optional<bool> carried = CarriedForSwinging(s, c.object1);
  if (!carried) return std::nullopt;
  if (!*carried) return Answer(s, "Du hast " + ObjectPhrase(s) + "nicht.");
  return Answer(s, Cp850("Fröhlich schwingst du ") + ObjectPhrase(s) + "hin und her.");
}

TurnStep RemoveThing(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "entferne") return std::nullopt;
  if (c.object1 == "deckel") return OpenOrCloseTheJar(s, console, true, nullptr);
  if (OneOf(c.object1, {"kappe", "käppchen"})) return KeepTheCapOn(s, console);
  return std::nullopt;
}

TurnStep Clean(GameSession& s, Console&) {
  if (!OneOf(s.command.verb, {"putze", "reinige"})) return std::nullopt;
  return Answer(s, "Deine Mutter wäre stolz auf dich, aber das hilft dir gerade nicht weiter.");
}

TurnStep Push(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "schiebe") return std::nullopt;
  const std::string& o = c.object1;
  if (IsSheep(o) || Is(o, "tür")) return HandOver(s, console, "bewege", MoveObject);
  if (o == "frosch") return Answer(s, "'Lass mich in Ruhe', ruft der Frosch und hüpft zur Seite.");
  if (IsPortable(o)) return SayNotHelpful(s);
  return std::nullopt;
}

TurnStep Use(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "benutze") return std::nullopt;
  if (c.mit_count > 0) return Answer(s, ParserMessage(ParserText::kUseAPreciseVerb));
  if (c.object1 == "waldeingang" && s.current_room == kForestEntrance) {
    PrintMessage(s, console, "(gehe in den wald)");
    return EnterRoom(s, console, kForestPath);
  }
  return std::nullopt;
}
