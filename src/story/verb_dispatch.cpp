#include "story/verb_dispatch.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "console/encoding.h"
#include "console/text_output.h"
#include "story/room_descriptions.h"
#include "world/take_drop.h"

namespace {

bool OneOf(const std::string& word, std::initializer_list<std::string_view> utf8_words) {
  for (std::string_view candidate : utf8_words) {
    if (word == Cp850(candidate)) return true;
  }
  return false;
}

// Picking flowers or grass, and picking something up ("lies den korb auf"),
// are taking.
void HandOverToTake(ParsedCommand& c) {
  const bool picks = c.verb == Cp850("pflücke") && (c.object1 == "blumen" || c.object1 == "gras");
  const bool picks_up = c.verb == "lese" && c.preposition == "auf";
  if (!picks && !picks_up) return;
  c.verb = "nehme";
  if (picks_up) {
    c.preposition.clear();
    c.preposition_count = 0;
  }
}

// "lege den korb auf den boden" is putting it down; on anything else it is a
// placement the put handler decides.
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

// "schaue" alone, "schaue um" or "schaue dich um": looking around describes
// the room.
bool IsLookAround(const ParsedCommand& c) {
  if (c.verb != "schaue") return false;
  if (c.object_count == 0) return c.preposition.empty() || c.preposition == "um";
  return c.preposition == "um" && c.object1 == "dich" && c.object_count == 1;
}

// Putting down what is not carried: the default answer of the drop verbs.
TurnEnd RefuseDrop(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.object1 == "deckel" && (s.honey_jar_state == 2 || s.honey_jar_state == 3)) {
    PrintMessage(s, console, Cp850("Der Deckel ist auf dem Glas. Du müsstest also das Glas hinlegen."));
    return TurnEnd::kTopOfTurn;
  }
  if (OneOf(c.object1, {"kuchen", "wein", "weinflasche"})) {
    if (s.basket_carried == 1) {
      SetMessage(s, Cp850("Dazu müsstest du den Korb hinlegen."));
    } else {
      SetMessage(s, "Du hast den Korb und damit auch " + s.object1_article + s.object1_phrase + "bereits hingelegt.");
    }
    return TurnEnd::kEndOfTurn;
  }
  std::string phrase = s.object1_article + s.object1_phrase;
  phrase.erase(phrase.find_last_not_of(' ') + 1);
  SetMessage(s, "Du besitzt " + phrase + " nicht.");
  return TurnEnd::kEndOfTurn;
}

}  // namespace

TurnEnd DispatchVerb(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;

  HandOverToTake(c);
  if (c.verb == "nehme") {
    if (std::optional<TurnEnd> end = TakeObject(s, console)) return *end;
  }
  if (IsPlainDrop(c)) {
    if (std::optional<TurnEnd> end = DropObject(s, console)) return *end;
    if (c.verb != "stecke") return RefuseDrop(s, console);
  }
  if (IsLookAround(c)) {
    DescribeRoom(s, console);
    return TurnEnd::kTopOfTurn;
  }
  // The other verbs' handlers and the default answers are not written yet.
  return TurnEnd::kTopOfTurn;
}

TurnEnd RunListenHandler(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }

TurnEnd RunSitHandler(GameSession&, Console&) { return TurnEnd::kTopOfTurn; }
