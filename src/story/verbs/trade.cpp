// Buying and paying.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// Paying the beaver for straightening the key is giving him the Taler.
TurnEnd PayTheBeaver(GameSession& s, Console& console) {
  if (!s.beaver_present) return Answer(s, "Dazu müsste der Biber hier sein.");
  if (s.coin_state != kCoinCarried) return Answer(s, "Du hast kein Geld, um die Schlüsselreparatur zu bezahlen.");
  if (s.key_holder != kKeyWithBeaver) {
    return Answer(s, "Der Biber hat im Moment nichts, das du mit dem Taler bezahlen kannst.");
  }
  PrintMessage(s, console, "(gib dem Biber den Taler)");
  SetObjects(s, "biber", kMasculine, "taler", kMasculine);
  s.command.preposition.clear();
  s.command.preposition_count = 0;
  return HandOver(s, console, "gebe", GiveOrShow);
}

}  // namespace

TurnStep Buy(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "kaufe") return std::nullopt;
  if (s.coin_state != kCoinCarried) return Answer(s, "Mama hat dir kein Geld mitgegeben.");
  if (s.current_room == kBeaverMarket && Is(c.object1, "schlüssel")) {
    return Answer(s, "Ein Taler ist zu wenig, um einen Schlüssel zu kaufen.");
  }
  return Answer(s, "Den Taler möchtest du nicht unnötig ausgeben.");
}

TurnStep Pay(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "bezahle") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "biber" || (Is(o, "schlüssel") && s.current_room == kBeaverMarket)) return PayTheBeaver(s, console);
  // Paying oneself is left to the answers for odd ideas.
  if (IsPlayer(o)) return std::nullopt;
  if (s.coin_state != kCoinCarried) return Answer(s, "Du hast kein Geld, um " + ObjectPhrase(s) + "zu bezahlen.");
  return Answer(s, Cp850("Es ist nicht nötig, ") + ObjectPhrase(s) + "zu bezahlen.");
}
