#include "story/verbs/take_drop.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/text_output.h"
#include "parser/shared_answers.h"
#include "story/verbs/handlers.h"
#include "world/encoding.h"
#include "world/objects.h"
#include "world/text_case.h"

namespace {

// "Du nimmst den Korb."
TurnEnd Taken(GameSession& s) {
  return Answer(s, "Du nimmst " + s.object1_article + TrimBlanks(s.object1_phrase) + ".");
}

// "Der Korb ist bereits in deinem Besitz."
TurnEnd AlreadyCarried(GameSession& s) {
  const std::string article = s.command.object1_gender == kMasculine ? std::string("der ") : s.object1_article;
  return Answer(s, Capitalise(article) + s.object1_phrase + "ist bereits in deinem Besitz.");
}

// "Du legst den Korb hin."
TurnEnd Dropped(GameSession& s) { return Answer(s, "Du legst " + s.object1_article + s.object1_phrase + "hin."); }

// "Honig" means the jar it is in.
void NameTheJar(GameSession& s, Console& console) {
  PrintMessage(s, console, "(das honigglas)");
  s.command.object1 = "honigglas";
  s.command.object1_gender = kNeuter;
  s.command.object1_plural = 0;
  s.object1_article = "das ";
  s.object1_phrase = "Honigglas ";
}

// Whether a following sheep, or the herd, is here to eat grass put down.
bool SheepEatGrassHere(const GameSession& s) {
  return s.sheep_state == kSheepFollowing || s.sheep_room == s.current_room || s.current_room == kRiverBank;
}

void TakeBall(GameSession& s) { s.ball_state = kBallCarried; }

void TakeKey(GameSession& s) {
  s.key_holder = kKeyCarried;
  s.key_under_mat = 0;
}

void TakeJar(GameSession& s) {
  s.honey_jar_carried = 1;
  if (s.honey_jar_state == kLidOnLyingJar) s.honey_jar_state = kLidOnCarriedJar;
}

// Puts down the jar; a screwed-on lid stays on it where it lies.
void DropJar(GameSession& s) {
  s.honey_jar_carried = 0;
  s.honey_jar_room = s.current_room;
  if (s.honey_jar_state == kLidOnCarriedJar) {
    s.honey_jar_state = kLidOnLyingJar;
    s.lid_room = s.current_room;
  }
}

void DropLid(GameSession& s) {
  s.honey_jar_state = kLidLoose;
  s.lid_room = s.current_room;
}

TurnEnd TakeOff(GameSession& s) {
  if (OneOf(s.command.object1, {"kappe", "käppchen"})) {
    return Answer(s, "Auf deinem Kopf ist die Kappe am besten aufgehoben.");
  }
  return Answer(s, "Du kannst " + s.object1_article + s.object1_phrase + "nicht abnehmen.");
}

// "lege den korb auf den boden" is putting it down; on anything else it is a
// placement, which the handlers of the places decide.
bool IsPlainDrop(ParsedCommand& c) {
  if (!OneOf(c.verb, {"lege", "stelle", "werfe", "stecke"})) return false;
  if (c.preposition.empty() || c.preposition == "hin") return true;
  if (c.preposition == "auf" && OneOf(c.object2, {"boden", "waldweg", "weg", "wiese"})) {
    c.preposition.clear();
    c.preposition_count = 0;
    return true;
  }
  return false;
}

}  // namespace

TurnEnd RefuseDrop(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.object1 == "deckel" && (s.honey_jar_state == kLidOnCarriedJar || s.honey_jar_state == kLidOnLyingJar)) {
    PrintMessage(s, console, "Der Deckel ist auf dem Glas. Du müsstest also das Glas hinlegen.");
    return TurnEnd::kTopOfTurn;
  }
  if (OneOf(c.object1, {"kuchen", "wein", "weinflasche"})) {
    if (s.basket_carried) return Answer(s, "Dazu müsstest du den Korb hinlegen.");
    return Answer(s, "Du hast den Korb und damit auch " + s.object1_article + s.object1_phrase + "bereits hingelegt.");
  }
  return Answer(s, "Du besitzt " + s.object1_article + TrimBlanks(s.object1_phrase) + " nicht.");
}

TurnStep TakeObject(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.preposition == "ab") return TakeOff(s);

  const std::string& o = c.object1;
  const int room = s.current_room;

  if (OneOf(o, {"baum", "bäume"})) return Answer(s, "Dafür fehlt es dir an der nötigen Kraft.");
  if (o == "landschaft") return Answer(s, "Auch noch andere wollen sich an der Landschaft erfreuen.");
  if (o == "strickleiter") {
    return Answer(s, "Die Strickleiter ist oben am Turm befestigt. Du kannst sie daher nicht nehmen.");
  }
  if (Is(o, "schlüssel")) {
    if (s.key_holder == kKeyNotCarried || s.key_holder == kKeyWithBeaver) {
      TakeKey(s);
      return Answer(s, "Du nimmst den Schlüssel.");
    }
    if (s.key_holder == kKeyCarried) return Answer(s, "Der Schlüssel ist bereits in deinem Besitz.");
  }
  if (o == "regenschirm") {
    if (s.umbrella_carried) return Answer(s, "Der Regenschirm ist bereits in deinem Besitz.");
    s.umbrella_carried = 1;
    return Answer(s, "Du nimmst den Regenschirm.");
  }
  if (o == "taler") {
    if (s.coin_state == kCoinNotCarried || s.coin_state == kCoinInReturn) {
      s.coin_state = kCoinCarried;
      return Answer(s, "Du nimmst den Taler.");
    }
    if (s.coin_state == kCoinCarried) return Answer(s, "Der Taler ist bereits in deinem Besitz.");
    if (s.coin_state == kCoinPaid) return Answer(s, "Der Taler gehört nun dem Biber.");
  }
  if (o == "schild") return Answer(s, "Das Schild ist fest mit dem Stand verbunden.");
  if (o == "klingel") return Answer(s, "Die Klingel ist fest mit dem Stand verbunden.");
  if (o == "matte") {
    return Answer(s,
                  "Deine Oma wäre nicht begeistert, wenn du ihre Fußmatte wegträgst. Außerdem habt ihr zu Hause "
                  "schon eine.");
  }
  if (o == "wasser") {
    if (room == kBridgeApproach || room == kBridge)
      return Answer(s, "Von hier aus kommst du nicht an das Wasser heran.");
    return Answer(s, "Das Wasser rinnt dir aus den Händen.");
  }
  if (o == "deckel" && s.honey_jar_state == kLidOnLyingJar) {
    return Answer(s, "Der Deckel ist auf dem Glas. Du solltest zuerst das Glas nehmen.");
  }
  if (o == "bienen") return Answer(s, "Ganz sicher würden sie dich stechen!");
  if (o == "kugel") {
    if (s.frog_state < kFrogIsToad) {
      return Answer(s,
                    "'So, du möchtest also diese Kugel', sagt der Frosch. 'Die gibt es aber nicht umsonst. Gib "
                    "mir einen Kuss, dann reden wir weiter.'");
    }
    if (s.ball_state == kBallOnWell || s.ball_state == kBallLying) {
      TakeBall(s);
      return Taken(s);
    }
    return AlreadyCarried(s);
  }
  if (OneOf(o, {"schaf", "schafe", "herde", "schafherde"})) {
    return Answer(s, "Leider bist du nicht in der Lage, ein Schaf zu tragen.");
  }
  if (OneOf(o, {"kappe", "käppchen"})) return Answer(s, "Du trägst die Kappe bereits auf deinem Kopf.");
  if (o == "frosch") {
    return Answer(s, "'Was fällt dir ein? Lass mich hier sitzen', ruft der Frosch und hüpft zur Seite.");
  }
  if (o == "blumen") {
    if (!s.bees_at_jar) {
      PrintMessage(s, console,
                   Cp850("Kaum bückst du dich nach den Blumen, schwirren dir Dutzende Bienen um den Kopf. Sie "
                         "summen bedrohlich und stechen nach dir, bis du Schritt für Schritt zurückweichst."));
      return Answer(s, "Unter diesen Umständen ist es völlig unmöglich, Blumen zu pflücken.");
    }
    if (!s.bouquet_picked) {
      s.bouquet_picked = 1;
      s.bouquet_carried = 1;
      return Answer(s, "Du pflückst für die Oma einen hübschen Blumenstrauß.");
    }
    return Answer(s, "Du hast doch schon einen Strauß gepflückt!");
  }
  if (o == "korb" || o == "zeitung" || o == "gutschein" || Is(o, "blumenstrauß")) {
    int& carried = o == "korb"        ? s.basket_carried
                   : o == "zeitung"   ? s.newspaper_carried
                   : o == "gutschein" ? s.voucher_carried
                                      : s.bouquet_carried;
    if (carried == 1) return AlreadyCarried(s);
    carried = 1;
    return Taken(s);
  }
  if (o == "honig") {
    if (s.honey_jar_carried) {
      PrintMessage(s, console, "Der Honig ist bereits in deinem Besitz.");
      return TurnEnd::kTopOfTurn;
    }
    if (s.honey_jar_room == room) NameTheJar(s, console);
  }
  if (OneOf(o, {"wein", "weinflasche", "flasche", "kuchen"})) {
    return Answer(s, "Du solltest die Sachen für deine Oma besser im Korb lassen!");
  }
  if (o == "gras") {
    if (s.grass_carried) return AlreadyCarried(s);
    s.grass_carried = 1;
    return Answer(s, "Du nimmst etwas Gras.");
  }
  if (o == "honigglas") {
    if (s.honey_jar_carried) return AlreadyCarried(s);
    if (room == kBeeMeadow && s.bees_at_jar) {
      return Answer(s,
                    "Sofort fliegen die Bienen auf dich zu und verteidigen ihr Honigglas. So kannst du es nicht "
                    "nehmen.");
    }
    TakeJar(s);
    return Taken(s);
  }
  if (o == "deckel") {
    if (s.honey_jar_state == kLidLoose && s.lid_room == room) {
      s.honey_jar_state = kLidCarried;
      return Taken(s);
    }
    if (s.honey_jar_state == kLidCarried || s.honey_jar_state == kLidOnCarriedJar) return AlreadyCarried(s);
  }
  if (c.object_count == 2 && c.mit_count > 0) return SayCannotWith(s);
  if (o == "dich") return Answer(s, "Das ist nicht möglich.");
  return std::nullopt;
}

TurnStep DropObject(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object1 == "honig" && s.honey_jar_carried) NameTheJar(s, console);
  const std::string& o = c.object1;
  const int room = s.current_room;

  if (OneOf(o, {"kappe", "käppchen"})) return Answer(s, "Auf deinem Kopf ist die Kappe am besten aufgehoben.");

  if (o == "gras" && s.grass_carried) {
    if (SheepEatGrassHere(s)) {
      s.grass_carried = 0;
      s.grass_room = kNotInPlay;
      s.sheep_state = kSheepWithHerd;
      s.sheep_room = kRiverBank;
      if (room == kRiverBank) return Answer(s, "Du legst das Gras hin und die Schafe fressen es genüsslich auf.");
      return Answer(s,
                    "Du legst das Gras hin. Das Schaf frisst es genüsslich auf, verliert das Interesse an dir und "
                    "läuft nach Westen zurück zur Schafherde.");
    }
    s.grass_carried = 0;
    s.grass_room = room;
    return Dropped(s);
  }

  const auto drop = [&](int& carried, int& where) {
    carried = 0;
    where = room;
    return Dropped(s);
  };
  if (o == "korb" && s.basket_carried) return drop(s.basket_carried, s.basket_room);
  if (o == "zeitung" && s.newspaper_carried) return drop(s.newspaper_carried, s.newspaper_room);
  if (o == "gutschein" && s.voucher_carried) return drop(s.voucher_carried, s.voucher_room);
  if (Is(o, "blumenstrauß") && s.bouquet_carried) return drop(s.bouquet_carried, s.bouquet_room);
  if (o == "regenschirm" && s.umbrella_carried) return drop(s.umbrella_carried, s.umbrella_room);
  if (o == "honigglas" && s.honey_jar_carried) {
    DropJar(s);
    return Dropped(s);
  }
  if (o == "deckel" && s.honey_jar_state == kLidCarried) {
    DropLid(s);
    return Dropped(s);
  }
  if (o == "kugel" && s.ball_state == kBallCarried) {
    s.ball_state = kBallLying;
    s.ball_room = room;
    return Dropped(s);
  }
  if (Is(o, "schlüssel") && s.key_holder == kKeyCarried) {
    s.key_holder = kKeyNotCarried;
    s.key_room = room;
    return Dropped(s);
  }
  if (o == "taler" && s.coin_state == kCoinCarried) {
    s.coin_state = kCoinNotCarried;
    s.coin_room = room;
    return Dropped(s);
  }

  if (o == "dich" && c.verb == "lege") return Answer(s, "Dafür gibt es keinen Grund.");
  if (o == "dich" && c.verb == "stelle") return Answer(s, "Du stehst bereits.");
  return std::nullopt;
}

TurnEnd TakeAll(GameSession& s, Console&) {
  ++s.move_count;
  const int room = s.current_room;
  std::vector<std::string> taken;

  if (!s.umbrella_carried && s.umbrella_room == room) {
    s.umbrella_carried = 1;
    taken.push_back("den Regenschirm");
  }
  if (!s.basket_carried && s.basket_room == room) {
    s.basket_carried = 1;
    taken.push_back("den Korb");
  }
  if (!s.newspaper_carried && s.newspaper_room == room) {
    s.newspaper_carried = 1;
    taken.push_back("die Zeitung");
  }
  if (s.voucher_found && !s.voucher_carried && s.voucher_room == room) {
    s.voucher_carried = 1;
    taken.push_back("den Gutschein");
  }
  if (s.voucher_redeemed && !s.bees_at_jar && !s.honey_jar_carried && s.honey_jar_room == room) {
    TakeJar(s);
    taken.push_back("das Honigglas");
  }
  if (s.honey_jar_state == kLidLoose && s.lid_room == room) {
    s.honey_jar_state = kLidCarried;
    taken.push_back("den Deckel");
  }
  if (s.ball_state == kBallLying && s.ball_room == room) {
    TakeBall(s);
    taken.push_back("die Kugel");
  }
  if (s.ball_state == kBallOnWell && s.ball_room == room && s.frog_state == kFrogIsToad) {
    TakeBall(s);
    taken.push_back("die Kugel");
  }
  if (!s.bouquet_carried && s.bouquet_room == room) {
    s.bouquet_carried = 1;
    taken.push_back(Cp850("den Blumenstrauß"));
  }
  if ((s.key_holder == kKeyNotCarried && s.key_room == room && s.spare_key_found) ||
      (s.key_holder == kKeyWithBeaver && room == kBeaverMarket)) {
    TakeKey(s);
    taken.push_back(Cp850("den Schlüssel"));
  }
  if ((s.coin_state == kCoinNotCarried && s.coin_room == room) ||
      (s.coin_state == kCoinInReturn && room == kHoneyStand)) {
    s.coin_state = kCoinCarried;
    taken.push_back("den Taler");
  }
  if (!s.grass_carried && s.grass_room == room) {
    s.grass_carried = 1;
    taken.push_back("etwas Gras");
  }

  if (taken.empty()) return Answer(s, "Es ist nichts hier, was du nehmen kannst.");
  return Answer(s, "Du nimmst " + JoinNames(taken) + ".");
}

TurnEnd DropAll(GameSession& s, Console& console) {
  ++s.move_count;
  const int room = s.current_room;
  std::vector<std::string> dropped;
  const auto drop = [&](int& carried, int& where, const char* name) {
    if (carried != 1) return;
    carried = 0;
    where = room;
    dropped.push_back(Cp850(name));
  };

  drop(s.basket_carried, s.basket_room, "den Korb");
  drop(s.newspaper_carried, s.newspaper_room, "die Zeitung");
  drop(s.voucher_carried, s.voucher_room, "den Gutschein");
  if (s.honey_jar_carried) {
    DropJar(s);
    dropped.push_back("das Honigglas");
  }
  if (s.honey_jar_state == kLidCarried) {
    DropLid(s);
    dropped.push_back("den Deckel");
  }
  if (s.ball_state == kBallCarried) {
    s.ball_state = kBallLying;
    s.ball_room = room;
    dropped.push_back("die Kugel");
  }
  drop(s.bouquet_carried, s.bouquet_room, "den Blumenstrauß");
  drop(s.grass_carried, s.grass_room, "das Gras");
  if (s.key_holder == kKeyCarried) {
    s.key_holder = kKeyNotCarried;
    s.key_room = room;
    dropped.push_back(Cp850("den Schlüssel"));
  }
  if (s.coin_state == kCoinCarried) {
    s.coin_state = kCoinNotCarried;
    s.coin_room = room;
    dropped.push_back("den Taler");
  }
  drop(s.umbrella_carried, s.umbrella_room, "den Regenschirm");

  if (dropped.empty()) return Answer(s, "Du hast nichts, was du hinlegen kannst.");
  PrintMessage(s, console, "Du legst " + JoinNames(dropped) + " " + "hin.");

  if (!s.grass_carried && s.grass_room == room && SheepEatGrassHere(s)) {
    s.grass_carried = 0;
    s.grass_room = kNotInPlay;
    s.sheep_state = kSheepWithHerd;
    if (room == kRiverBank) return Answer(s, "Kaum hast du das Gras hingelegt, fressen die Schafe es genüsslich auf.");
    s.sheep_room = kRiverBank;
    return Answer(s,
                  "Kaum hast du das Gras hingelegt, frisst das Schaf es genüsslich auf, verliert das Interesse an "
                  "dir und läuft nach Westen zurück zur Schafherde.");
  }
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowInventory(GameSession& s) {
  ++s.move_count;
  const std::vector<std::string> names = CarriedObjects(s);
  if (names.empty()) return Answer(s, "Du trägst nichts bei dir.");
  return Answer(s, "Du hast " + JoinNames(names) + ".");
}

TurnStep Take(GameSession& s, Console& console) {
  if (s.command.verb != "nehme") return std::nullopt;
  if (s.command.alles_count == 1) return TakeAll(s, console);
  return TakeObject(s, console);
}

TurnStep PutDown(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (!IsPlainDrop(c)) return std::nullopt;
  if (c.alles_count == 1) return DropAll(s, console);
  if (TurnStep end = DropObject(s, console)) return end;
  if (c.verb == "stecke") return std::nullopt;
  return RefuseDrop(s, console);
}
