// Giving, showing, feeding and luring.
#include <string>

#include "parser/parser_messages.h"
#include "story/ending.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"
#include "world/objects.h"
#include "world/text_case.h"

namespace {

// Whoever can be given or shown something.
bool IsReceiver(const std::string& o) {
  return IsSheep(o) || IsOma(o) || OneOf(o, {"wolf", "frosch", "kröte", "bären", "biber", "bienen"});
}

// Object 2 in the accusative, without a trailing blank: "das Gras".
std::string AccusativeName2(const GameSession& s) { return TrimBlanks(s.object2_article + s.object2_phrase); }

// "gib gras schafe": the thing came first. The receiver becomes object 1,
// and the corrected form is shown: "(Gib den Schafen das Gras)."
void PutReceiverFirst(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (IsReceiver(c.object1) || !IsReceiver(c.object2)) return;
  SwapObjects(c, true, true);
  FillNameForms(s);
  const char* verb = c.verb == "gebe" ? "(Gib " : "(Zeige ";
  PrintMessage(s, console, verb + DativeName(s, 1) + " " + AccusativeName2(s) + ").");
}

// The frame of a give or show command with a single object, the receiver.
TurnEnd AskWhatToGive(GameSession& s) {
  ParsedCommand& c = s.command;
  if (c.object1.empty()) {
    --s.move_count;
    s.more_sentences_pending = 0;
    return Answer(s, "[Ich verstehe diesen Satz nicht.]");
  }
  if (s.more_sentences_pending) {
    s.more_sentences_pending = 0;
    s.pending_completion.clear();
    s.pending_mode = 0;
    --s.move_count;  // as for telling: an enumeration is refused like a parser message
    return Answer(s, Cp850("[Auf diese Weise sind Aufzählungen nicht möglich.]"));
  }
  const bool gives = c.verb == "gebe";
  if (c.object1 == "dich" && gives) return Answer(s, "[Probiere es mit 'nimm'.]");
  const std::string receiver = c.object1 == "dich" ? std::string("dir") : DativeName(s, 1);
  Ask(s, "[Was willst du " + receiver + (gives ? " geben?]" : " zeigen?]"), c.verb + " " + c.object1 + " ");
  return TurnEnd::kEndOfTurn;
}

// --- the wolf ---------------------------------------------------------------

// The wolf empties the basket and throws it into the river: it is lost.
TurnEnd WolfEatsTheBasket(GameSession& s, Console& console) {
  if (!s.basket_carried) return Answer(s, "Du hast den Korb nicht.");
  PrintMessage(s, console,
               Paragraph("'Was haben wir denn da Schönes?', sagt der Wolf und nimmt dir den Korb aus den Händen."));
  PrintMessage(s, console, "");
  PrintMessage(s, console,
               Paragraph("Mit zwei gewaltigen Bissen verschlingt er den Kuchen, leert die Weinflasche in einem "
                         "einzigen Zug und wischt sich genüsslich das Maul ab. Dann wirft er den leeren Korb in hohem "
                         "Bogen in den Fluss, wo er langsam davontreibt."));
  PrintMessage(s, console, "");
  PrintMessage(s, console,
               Paragraph("'Mache dir nur keine unbegründete Hoffnungen', sagt der Wolf. 'Bestechlich bin ich "
                         "nicht.'"));
  s.basket_carried = 0;
  s.basket_room = kLostForGood;
  return TurnEnd::kTopOfTurn;
}

TurnStep GiveOrShowToWolf(GameSession& s, Console& console, bool gives) {
  const std::string& thing = s.command.object2;
  if (thing == "kugel") {
    if (s.ball_state == kBallCarried) {
      return WolfGrabsTheBall(s, console,
                              Paragraph("Gierig reißt der Wolf die goldene Kugel an sich und lässt sie in seinem "
                                        "Anzug verschwinden."));
    }
    return Answer(s, "Du hast die goldene Kugel nicht.");
  }
  if (thing == "schaf") return Answer(s, "Du siehst hier kein Schaf.");
  if (!gives) return std::nullopt;
  if (OneOf(thing, {"korb", "kuchen", "wein", "weinflasche"})) return WolfEatsTheBasket(s, console);
  if (thing == "gras") {
    return Answer(s, "'Willst du mich füttern, oder was soll das? Gras ist etwas für Schafe.'");
  }
  if (thing == "zeitung") {
    if (s.newspaper_torn) {
      return Answer(
          s, Paragraph("'Das Lesen strengt mich zu sehr an', sagt der Wolf. 'Noch dazu ist deine Zeitung zerrissen.'"));
    }
    return Answer(s, "'Das Lesen strengt mich zu sehr an', sagt der Wolf.");
  }
  return std::nullopt;
}

// --- the bear ---------------------------------------------------------------

TurnEnd BearTakesTheVoucher(GameSession& s, Console& console) {
  if (s.voucher_redeemed) return Answer(s, "Du hast ihm den Gutschein schon gegeben.");
  if (!s.voucher_carried) return Answer(s, "Du hast den Gutschein nicht.");
  PrintMessage(s, console,
               Paragraph("'Vielen Dank, junge Dame.' Der Bär nimmt den Gutschein, greift hinter sich nach einem Glas "
                         "Honig und drückt es dir mit feierlichem Gesichtsausdruck in die Hände."));
  s.voucher_redeemed = 1;
  s.voucher_room = kVoucherHandedOver;
  s.voucher_carried = 0;
  s.honey_jar_carried = 1;
  s.honey_jar_state = kLidOnCarriedJar;
  AwardOnce(s, console, s.honey_points_given, 3);
  return TurnEnd::kTopOfTurn;
}

TurnStep GiveOrShowToBear(GameSession& s, Console& console, bool gives) {
  const std::string& thing = s.command.object2;
  if (thing == "gutschein") {
    if (gives) return BearTakesTheVoucher(s, console);
    return Answer(
        s,
        Paragraph("'Wenn du den Gutschein bei mir einlöst, gebe ich dir ein Glas mit leckerem Honig', sagt der Bär."));
  }
  if (Is(thing, "schlüssel") && s.key_bent) {
    return Answer(s, Paragraph("'Mit deinem verbogenen Schlüssel kann ich dir leider nicht weiterhelfen. Am besten "
                               "gehst du damit zum Schlüsseldienst des Bibers.'"));
  }
  return std::nullopt;
}

// --- the beaver -------------------------------------------------------------

TurnEnd BeaverTakesTheCoin(GameSession& s, Console& console) {
  if (s.coin_state != kCoinCarried) return Answer(s, "Du hast den Taler nicht.");
  if (s.key_holder != kKeyWithBeaver) {
    return Answer(s, Paragraph("'Ich weiß nicht, wofür du mir den Taler geben willst', sagt der Biber und nimmt den "
                               "Taler nicht an."));
  }
  PrintMessage(s, console,
               Paragraph("'Danke, kleines Mädchen', sagt der Biber. In Nullkommanichts ist der Schlüssel "
                         "geradegebogen und der Biber gibt ihn dir zurück."));
  s.key_holder = kKeyCarried;
  s.key_bent = 0;
  s.coin_state = kCoinPaid;
  AwardOnce(s, console, s.repair_points_given, 5);
  return TurnEnd::kTopOfTurn;
}

TurnStep GiveOrShowToBeaver(GameSession& s, Console& console, bool gives) {
  const std::string& thing = s.command.object2;
  if (Is(thing, "schlüssel")) {
    if (!gives) {
      if (!s.key_bent || s.key_holder == kKeyNotCarried) return std::nullopt;
      s.repair_offered = 1;
      return Answer(
          s, Paragraph(
                 "'Der ist ganz schön verbogen', stellt der Biber fest. 'Für einen Taler biege ich ihn dir gerade.'"));
    }
    if (s.key_holder == kKeyNotCarried) {
      return Answer(s, "Falls du einen Schlüssel hättest, könntest du ihn dem Biber geben.");
    }
    if (s.key_holder == kKeyWithBeaver) return Answer(s, "Der Biber hat den Schlüssel bereits.");
    if (!s.key_bent) return std::nullopt;
    s.key_holder = kKeyWithBeaver;
    s.repair_offered = 1;
    return Answer(s, Paragraph("'Der ist ganz schön verbogen, dein Schlüssel. Für einen Taler biege ich ihn dir "
                               "gerade', sagt der Biber und behält den Schlüssel zunächst."));
  }
  if (thing == "taler" && gives) return BeaverTakesTheCoin(s, console);
  return std::nullopt;
}

// --- the bees and the sheep -------------------------------------------------

TurnStep ShowTheJarToTheBees(GameSession& s) {
  if (s.bees_at_jar) return Answer(s, "Die Bienen haben das Glas bereits für sich entdeckt.");
  if (!s.honey_jar_carried) return Answer(s, "Du hast das Honigglas nicht.");
  if (!JarIsOpen(s)) return Answer(s, "Für das geschlossene Glas Honig interessieren sich die Bienen nicht.");
  return std::nullopt;
}

TurnStep GiveOrShowToBees(GameSession& s, bool gives) {
  if (!OneOf(s.command.object2, {"honig", "honigglas"})) return std::nullopt;
  // Handing over the closed jar is only showing it.
  if (!gives || (s.honey_jar_carried && s.honey_jar_state == kLidOnCarriedJar)) return ShowTheJarToTheBees(s);
  return std::nullopt;
}

// Showing the grass makes one sheep follow the player.
TurnEnd ShowTheGrassToTheSheep(GameSession& s) {
  if (s.sheep_state == kSheepShorn || s.sheep_state == kSheepGone) {
    return Answer(s, "Es gibt nun keinen Grund mehr, den Schafen so übel mitzuspielen.");
  }
  if (s.sheep_state == kSheepFollowing) {
    if (s.current_room == kRiverBank) return Answer(s, "Eines der Schafe hat großes Interesse an dem Gras.");
    return Answer(s, "Das Schaf hat großes Interesse an dem Gras.");
  }
  if (!s.grass_carried) return Answer(s, "Du hast kein Gras.");
  s.sheep_state = kSheepFollowing;
  s.sheep_room = s.current_room;
  return Answer(s, Paragraph("Eines der Schafe ist zutraulicher als die anderen und nähert sich dir. Es hat ganz den "
                             "Anschein, als würde es dir nun folgen."));
}

// Giving the grass away: it is eaten, and a following sheep goes home. A
// shorn sheep has run off already and stays gone.
TurnEnd GiveTheGrassToTheSheep(GameSession& s) {
  if (!s.grass_carried) return Answer(s, "Du hast kein Gras.");
  s.grass_carried = 0;
  s.grass_room = kNotInPlay;
  if (s.sheep_state == kSheepFollowing) {
    s.sheep_state = kSheepWithHerd;
    s.sheep_room = kRiverBank;
  }
  if (s.current_room == kRiverBank) {
    return Answer(
        s, Paragraph(
               "Nach wenigen Augenblicken ist das Gras aufgefressen und die Schafe verlieren das Interesse an dir."));
  }
  return Answer(s, Paragraph("Nach wenigen Augenblicken ist das Gras aufgefressen. Das Schaf verliert das Interesse "
                             "an dir und läuft zurück nach Westen."));
}

TurnStep GiveOrShowToSheep(GameSession& s, bool gives) {
  const std::string& thing = s.command.object2;
  if (thing == "gras") return gives ? GiveTheGrassToTheSheep(s) : ShowTheGrassToTheSheep(s);
  if (thing == "kuchen") {
    if (gives) return Answer(s, "Die Schafe haben kein Interesse an dem Kuchen.");
    return Answer(
        s, Paragraph("Einen Versuch ist es ja wert, aber du musst feststellen, dass Schafe keinen Kuchen fressen."));
  }
  if (OneOf(thing, {"blumen", "blumenstrauß"})) {
    if (gives) return Answer(s, "Die Schafe interessieren sich nicht für den Blumenstrauß.");
    return Answer(s, "Die Schafe scheinen keine Blumen zu fressen.");
  }
  return std::nullopt;
}

}  // namespace

TurnStep Feed(GameSession& s, Console& console) {
  if (!Is(s.command.verb, "fütter")) return std::nullopt;
  const std::string& o = s.command.object1;
  if (IsSheep(o)) return HandOver(s, console, "gebe", GiveOrShow);
  if (o == "wolf") return Answer(s, "Du hättest Angst, dass er die Hand beißt, die ihn füttert.");
  if (OneOf(o, {"frosch", "kröte", "bären", "biber"})) {
    return Answer(s, Cp850("Es würde dir nicht weiterhelfen, ") + ObjectPhrase(s) + Cp850("zu füttern."));
  }
  return std::nullopt;
}

TurnStep GiveOrShow(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (!OneOf(c.verb, {"gebe", "zeige"})) return std::nullopt;
  if (c.object_count < 2 || c.object2.empty()) return AskWhatToGive(s);
  const bool gives = c.verb == "gebe";
  if (c.object1 == "dich") {
    if (gives) return Answer(s, "[Probiere es mit 'nimm'.]");
    s.more_sentences_pending = 0;
    return Answer(s, "[Den Sinn dieses Satzes verstehe ich nicht.]");
  }
  PutReceiverFirst(s, console);

  const std::string& receiver = c.object1;
  if (receiver == "wolf") return GiveOrShowToWolf(s, console, gives);
  if (Is(receiver, "bären")) return GiveOrShowToBear(s, console, gives);
  if (receiver == "biber") return GiveOrShowToBeaver(s, console, gives);
  if (receiver == "bienen") return GiveOrShowToBees(s, gives);
  if (IsSheep(receiver)) return GiveOrShowToSheep(s, gives);
  if (IsOma(receiver) && gives && OneOf(c.object2, {"korb", "kuchen", "wein", "weinflasche"})) RunEnding(s, console);
  return std::nullopt;
}

TurnStep Lure(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "locke") return std::nullopt;
  const std::string& o = c.object1;

  if (c.object_count >= 2 && !c.object2.empty()) {
    if (IsSheep(o) && c.object2 == "gras") return HandOver(s, console, "zeige", GiveOrShow);
    if (o == "bienen" && OneOf(c.object2, {"honig", "honigglas"})) return HandOver(s, console, "zeige", GiveOrShow);
    if (o == "wolf" && c.object2 == "kugel") return HandOver(s, console, "gebe", GiveOrShow);
    return Answer(
        s, Cp850("Es würde dir nicht weiterhelfen, ") + ObjectPhrase(s) + "mit " + DativeName(s, 2) + " zu locken.");
  }

  if (IsSheep(o)) {
    if (s.sheep_state != kSheepWithHerd) return Answer(s, "Es gibt keinen Grund mehr, ein Schaf anzulocken.");
    if (o == "schaf") return Answer(s, "Du könntest ihm etwas zeigen, was es gern frisst.");
    return Answer(s, "Das funktioniert wohl am besten, wenn du ihnen etwas zeigst.");
  }
  if (o == "bienen") {
    if (s.bees_at_jar) {
      return Answer(s, Paragraph("Mit dem Glas hast du sie bereits angelockt, und von dem Glas wirst du sie wohl "
                                 "nicht mehr weglocken können."));
    }
    return Answer(s, "Wenn du nur wüsstest, was die Bienen interessieren könnte.");
  }
  return std::nullopt;
}
