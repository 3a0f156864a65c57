#include "world/take_drop.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/encoding.h"
#include "console/text_output.h"
#include "parser/shared_answers.h"
#include "world/objects.h"

namespace {

bool Is(const std::string& word, std::string_view utf8) { return word == Cp850(utf8); }

bool OneOf(const std::string& word, std::initializer_list<std::string_view> utf8_words) {
  for (std::string_view candidate : utf8_words) {
    if (word == Cp850(candidate)) return true;
  }
  return false;
}

TurnEnd Answer(GameSession& s, std::string_view utf8) {
  SetMessage(s, Cp850(utf8));
  return TurnEnd::kEndOfTurn;
}

// "Du nimmst den Korb."
TurnEnd Taken(GameSession& s) {
  std::string phrase = s.object1_phrase;
  if (!phrase.empty() && phrase.back() == ' ') phrase.pop_back();
  SetMessage(s, "Du nimmst " + s.object1_article + phrase + ".");
  return TurnEnd::kEndOfTurn;
}

// "Der Korb ist bereits in deinem Besitz."
TurnEnd AlreadyCarried(GameSession& s) {
  const std::string article = s.command.object1_gender == 1 ? std::string("der ") : s.object1_article;
  SetMessage(s, Capitalise(article) + s.object1_phrase + "ist bereits in deinem Besitz.");
  return TurnEnd::kEndOfTurn;
}

// "Du legst den Korb hin."
TurnEnd Dropped(GameSession& s) {
  SetMessage(s, "Du legst " + s.object1_article + s.object1_phrase + "hin.");
  return TurnEnd::kEndOfTurn;
}

// "Honig" means the jar it is in.
void NameTheJar(GameSession& s, Console& console) {
  PrintMessage(s, console, "(das honigglas)");
  s.command.object1 = "honigglas";
  s.command.object1_gender = 3;
  s.command.object1_plural = 0;
  s.object1_article = "das ";
  s.object1_phrase = "Honigglas ";
}

// Whether a following sheep, or the herd, is here to eat grass put down.
bool SheepEatGrassHere(const GameSession& s) {
  return s.sheep_state == 1 || s.sheep_room == s.current_room || s.current_room == 9;
}

void TakeBall(GameSession& s) { s.ball_state = 1; }

void TakeKey(GameSession& s) {
  s.key_holder = 1;
  s.key_under_mat = 0;
}

void TakeJar(GameSession& s) {
  s.honey_jar_carried = 1;
  if (s.honey_jar_state == 3) s.honey_jar_state = 2;
}

// Puts down the jar; a screwed-on lid stays on it where it lies.
void DropJar(GameSession& s) {
  s.honey_jar_carried = 0;
  s.honey_jar_room = s.current_room;
  if (s.honey_jar_state == 2) {
    s.honey_jar_state = 3;
    s.lid_room = s.current_room;
  }
}

void DropLid(GameSession& s) {
  s.honey_jar_state = 0;
  s.lid_room = s.current_room;
}

std::optional<TurnEnd> TakeOff(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object1 == "deckel") {
    // Taking the lid off is opening the jar: the open handler further down
    // the chain answers.
    PrintMessage(s, console, Cp850("(öffne das Glas)"));
    c.verb = Cp850("öffne");
    c.object1 = "honigglas";
    c.object1_gender = 3;
    c.object1_plural = 0;
    c.preposition.clear();
    c.preposition_count = 0;
    s.object1_article = "das ";
    s.object1_phrase = "Honigglas ";
    return std::nullopt;
  }
  if (OneOf(c.object1, {"kappe", "käppchen"})) return Answer(s, "Auf deinem Kopf ist die Kappe am besten aufgehoben.");
  SetMessage(s, "Du kannst " + s.object1_article + s.object1_phrase + "nicht abnehmen.");
  return TurnEnd::kEndOfTurn;
}

}  // namespace

std::optional<TurnEnd> TakeObject(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.preposition == "ab") return TakeOff(s, console);

  const std::string& o = c.object1;
  const int room = s.current_room;

  if (OneOf(o, {"baum", "bäume"})) return Answer(s, "Dafür fehlt es dir an der nötigen Kraft.");
  if (o == "landschaft") return Answer(s, "Auch noch andere wollen sich an der Landschaft erfreuen.");
  if (o == "strickleiter") {
    return Answer(s, "Die Strickleiter ist oben am Turm befestigt. Du kannst sie daher nicht nehmen.");
  }
  if (Is(o, "schlüssel")) {
    if (s.key_holder == 0 || s.key_holder == 5) {
      TakeKey(s);
      return Answer(s, "Du nimmst den Schlüssel.");
    }
    if (s.key_holder == 1) return Answer(s, "Der Schlüssel ist bereits in deinem Besitz.");
  }
  if (o == "regenschirm") {
    if (s.umbrella_carried == 1) return Answer(s, "Der Regenschirm ist bereits in deinem Besitz.");
    s.umbrella_carried = 1;
    return Answer(s, "Du nimmst den Regenschirm.");
  }
  if (o == "taler") {
    if (s.coin_state == 0 || s.coin_state == 5) {
      s.coin_state = 1;
      return Answer(s, "Du nimmst den Taler.");
    }
    if (s.coin_state == 1) return Answer(s, "Der Taler ist bereits in deinem Besitz.");
    if (s.coin_state == 99) return Answer(s, "Der Taler gehört nun dem Biber.");
  }
  if (o == "schild") return Answer(s, "Das Schild ist fest mit dem Stand verbunden.");
  if (o == "klingel") return Answer(s, "Die Klingel ist fest mit dem Stand verbunden.");
  if (o == "matte") {
    return Answer(s,
                  "Deine Oma wäre nicht begeistert, wenn du ihre Fußmatte wegträgst. Außerdem habt ihr zu Hause "
                  "schon eine.");
  }
  if (o == "wasser") {
    if (room == 7 || room == 10) return Answer(s, "Von hier aus kommst du nicht an das Wasser heran.");
    return Answer(s, "Das Wasser rinnt dir aus den Händen.");
  }
  if (o == "deckel" && s.honey_jar_state == 3) {
    return Answer(s, "Der Deckel ist auf dem Glas. Du solltest zuerst das Glas nehmen.");
  }
  if (o == "bienen") return Answer(s, "Ganz sicher würden sie dich stechen!");
  if (o == "kugel") {
    if (s.frog_state < 3) {
      return Answer(s,
                    "'So, du möchtest also diese Kugel', sagt der Frosch. 'Die gibt es aber nicht umsonst. Gib "
                    "mir einen Kuss, dann reden wir weiter.'");
    }
    if (s.ball_state == 3 || s.ball_state == 0) {
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
    if (s.bees_at_jar == 0) {
      PrintMessage(s, console,
                   Cp850("Kaum bückst du dich nach den Blumen, schwirren dir Dutzende Bienen um den Kopf. Sie "
                         "summen bedrohlich und stechen nach dir, bis du Schritt für Schritt zurückweichst."));
      return Answer(s, "Unter diesen Umständen ist es völlig unmöglich, Blumen zu pflücken.");
    }
    if (s.bouquet_picked == 0) {
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
    if (s.honey_jar_carried == 1) {
      PrintMessage(s, console, "Der Honig ist bereits in deinem Besitz.");
      return TurnEnd::kTopOfTurn;
    }
    if (s.honey_jar_room == room) NameTheJar(s, console);
  }
  if (OneOf(o, {"wein", "weinflasche", "flasche", "kuchen"})) {
    return Answer(s, "Du solltest die Sachen für deine Oma besser im Korb lassen!");
  }
  if (o == "gras") {
    if (s.grass_carried == 1) return AlreadyCarried(s);
    s.grass_carried = 1;
    return Answer(s, "Du nimmst etwas Gras.");
  }
  if (o == "honigglas") {
    if (s.honey_jar_carried == 1) return AlreadyCarried(s);
    if (room == 4 && s.bees_at_jar == 1) {
      return Answer(s,
                    "Sofort fliegen die Bienen auf dich zu und verteidigen ihr Honigglas. So kannst du es nicht "
                    "nehmen.");
    }
    TakeJar(s);
    return Taken(s);
  }
  if (o == "deckel") {
    if (s.honey_jar_state == 0 && s.lid_room == room) {
      s.honey_jar_state = 1;
      return Taken(s);
    }
    if (s.honey_jar_state == 1 || s.honey_jar_state == 2) return AlreadyCarried(s);
  }
  if (c.object_count == 2 && c.mit_count > 0) return SayCannotWith(s);
  if (o == "dich") return Answer(s, "Das ist nicht möglich.");
  return std::nullopt;
}

std::optional<TurnEnd> DropObject(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object1 == "honig" && s.honey_jar_carried == 1) NameTheJar(s, console);
  const std::string& o = c.object1;
  const int room = s.current_room;

  if (OneOf(o, {"kappe", "käppchen"})) return Answer(s, "Auf deinem Kopf ist die Kappe am besten aufgehoben.");

  if (o == "gras" && s.grass_carried == 1) {
    if (SheepEatGrassHere(s)) {
      s.grass_carried = 0;
      s.grass_room = 0;
      s.sheep_state = 0;
      s.sheep_room = 9;
      if (room == 9) return Answer(s, "Du legst das Gras hin und die Schafe fressen es genüsslich auf.");
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
  if (o == "korb" && s.basket_carried == 1) return drop(s.basket_carried, s.basket_room);
  if (o == "zeitung" && s.newspaper_carried == 1) return drop(s.newspaper_carried, s.newspaper_room);
  if (o == "gutschein" && s.voucher_carried == 1) return drop(s.voucher_carried, s.voucher_room);
  if (Is(o, "blumenstrauß") && s.bouquet_carried == 1) return drop(s.bouquet_carried, s.bouquet_room);
  if (o == "regenschirm" && s.umbrella_carried == 1) return drop(s.umbrella_carried, s.umbrella_room);
  if (o == "honigglas" && s.honey_jar_carried == 1) {
    DropJar(s);
    return Dropped(s);
  }
  if (o == "deckel" && s.honey_jar_state == 1) {
    DropLid(s);
    return Dropped(s);
  }
  if (o == "kugel" && s.ball_state == 1) {
    s.ball_state = 0;
    s.ball_room = room;
    return Dropped(s);
  }
  if (Is(o, "schlüssel") && s.key_holder == 1) {
    s.key_holder = 0;
    s.key_room = room;
    return Dropped(s);
  }
  if (o == "taler" && s.coin_state == 1) {
    s.coin_state = 0;
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

  if (s.umbrella_carried == 0 && s.umbrella_room == room) {
    s.umbrella_carried = 1;
    taken.push_back("den Regenschirm");
  }
  if (s.basket_carried == 0 && s.basket_room == room) {
    s.basket_carried = 1;
    taken.push_back("den Korb");
  }
  if (s.newspaper_carried == 0 && s.newspaper_room == room) {
    s.newspaper_carried = 1;
    taken.push_back("die Zeitung");
  }
  if (s.voucher_found == 1 && s.voucher_carried == 0 && s.voucher_room == room) {
    s.voucher_carried = 1;
    taken.push_back("den Gutschein");
  }
  if (s.voucher_redeemed == 1 && s.bees_at_jar == 0 && s.honey_jar_carried == 0 && s.honey_jar_room == room) {
    TakeJar(s);
    taken.push_back("das Honigglas");
  }
  if (s.honey_jar_state == 0 && s.lid_room == room) {
    s.honey_jar_state = 1;
    taken.push_back("den Deckel");
  }
  if (s.ball_state == 0 && s.ball_room == room) {
    TakeBall(s);
    taken.push_back("die Kugel");
  }
  if (s.ball_state == 3 && s.ball_room == room && s.frog_state == 3) {
    TakeBall(s);
    taken.push_back("die Kugel");
  }
  if (s.bouquet_carried == 0 && s.bouquet_room == room) {
    s.bouquet_carried = 1;
    taken.push_back(Cp850("den Blumenstrauß"));
  }
  if ((s.key_holder == 0 && s.key_room == room && s.spare_key_found == 1) || (s.key_holder == 5 && room == 8)) {
    TakeKey(s);
    taken.push_back(Cp850("den Schlüssel"));
  }
  if ((s.coin_state == 0 && s.coin_room == room) || (s.coin_state == 5 && room == 6)) {
    s.coin_state = 1;
    taken.push_back("den Taler");
  }
  if (s.grass_carried == 0 && s.grass_room == room) {
    s.grass_carried = 1;
    taken.push_back("etwas Gras");
  }

  if (taken.empty()) {
    SetMessage(s, "Es ist nichts hier, was du nehmen kannst.");
  } else {
    SetMessage(s, "Du nimmst " + JoinNames(taken) + ".");
  }
  return TurnEnd::kEndOfTurn;
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
  if (s.honey_jar_carried == 1) {
    DropJar(s);
    dropped.push_back("das Honigglas");
  }
  if (s.honey_jar_state == 1) {
    DropLid(s);
    dropped.push_back("den Deckel");
  }
  if (s.ball_state == 1) {
    s.ball_state = 0;
    s.ball_room = room;
    dropped.push_back("die Kugel");
  }
  drop(s.bouquet_carried, s.bouquet_room, "den Blumenstrauß");
  drop(s.grass_carried, s.grass_room, "das Gras");
  if (s.key_holder == 1) {
    s.key_holder = 0;
    s.key_room = room;
    dropped.push_back(Cp850("den Schlüssel"));
  }
  if (s.coin_state == 1) {
    s.coin_state = 0;
    s.coin_room = room;
    dropped.push_back("den Taler");
  }
  drop(s.umbrella_carried, s.umbrella_room, "den Regenschirm");

  if (dropped.empty()) {
    SetMessage(s, "Du hast nichts, was du hinlegen kannst.");
    return TurnEnd::kEndOfTurn;
  }
  PrintMessage(s, console, "Du legst " + JoinNames(dropped) + " " + "hin.");

  if (s.grass_carried == 0 && s.grass_room == room && SheepEatGrassHere(s)) {
    s.grass_carried = 0;
    s.grass_room = 0;
    s.sheep_state = 0;
    if (room == 9) {
      SetMessage(s, Cp850("Kaum hast du das Gras hingelegt, fressen die Schafe es genüsslich auf."));
    } else {
      s.sheep_room = 9;
      SetMessage(s, Cp850("Kaum hast du das Gras hingelegt, frisst das Schaf es genüsslich auf, verliert das "
                          "Interesse an dir und läuft nach Westen zurück zur Schafherde."));
    }
    return TurnEnd::kEndOfTurn;
  }
  return TurnEnd::kTopOfTurn;
}
