// The answers to what no handler of the chain answered.
#include <algorithm>
#include <iterator>
#include <string>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/take_drop.h"
#include "story/verbs/verb_support.h"
#include "world/random_source.h"
#include "world/text_case.h"

namespace {

// Doing something to oneself that makes no sense: one of these, by chance.
constexpr const char* kReflexiveAnswers[] = {
    "Welch merkwürdige Idee...", "Seltsames Konzept!", "Komischer Einfall.",
    "Bedenkenswerter Einfall.",  "Komische Idee.",
};

const char* ReflexiveAnswer(GameSession& s) {
  constexpr int kCount = static_cast<int>(std::size(kReflexiveAnswers));
  const int drawn = s.random != nullptr ? s.random->Draw(1, kCount) : kCount;
  return kReflexiveAnswers[std::clamp(drawn, 1, kCount) - 1];
}

// "Aber der Wolf schläft nicht."
TurnEnd NotAsleep(GameSession& s) {
  const ParsedCommand& c = s.command;
  const char* sleeps = c.object1_plural ? "schlafen nicht." : "schläft nicht.";
  if (c.object1_gender == kMasculine && !c.object1_plural) {
    std::string noun = s.object1_phrase;
    if (noun == Cp850("Bären ")) noun = Cp850("Bär ");
    return Answer(s, "Aber der " + noun + Cp850(sleeps));
  }
  return Answer(s, "Aber " + ObjectPhrase(s) + Cp850(sleeps));
}

// "Im Boden kannst du nicht graben."
TurnEnd CannotDig(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (IsPlayer(c.object1)) return Answer(s, "Komische Idee.");
  if (c.object1_plural) return Answer(s, "In den " + c.object1_dative_name + " kannst du nicht graben.");
  const char* in = c.object1_gender == kFeminine ? "In der " : "Im ";
  return Answer(s, in + s.object1_phrase + "kannst du nicht graben.");
}

TurnEnd CannotRide(GameSession& s) {
  if (IsPlayer(s.command.object1)) return Answer(s, "Das ist technisch unmöglich.");
  return Answer(s, Cp850("Es ist nicht möglich, auf ") + DativeName(s, 1) + " zu " + s.command.verb + "n.");
}

// What one does to oneself.
TurnEnd ToOneself(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.verb == "ziehe" && c.preposition == "an") return Answer(s, "Du bist bereits angezogen.");
  if (c.verb == "schneide") return Answer(s, "Nein, das würdest du nicht machen.");
  if (c.verb == "ziehe" && c.preposition == "aus") return Answer(s, "Das würde dir nicht weiterhelfen.");
  if (c.verb == "betrete") return Answer(s, "Du sammelst dich einen Moment.");
  if (c.verb == "benutze") return Answer(s, "[Was willst du genau machen?]");
  return Answer(s, ReflexiveAnswer(s));
}

// "mache" and "schalte": which way is asked back.
TurnStep SwitchOrMake(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.object_count == 1 && c.preposition.empty()) {
    if (c.verb == "mache") Ask(s, "[An, aus, auf oder zu?]", c.verb + " " + c.object1 + " ");
    if (c.verb == "schalte") Ask(s, "[An oder aus?]", c.verb + " " + c.object1 + " ");
    if (OneOf(c.verb, {"mache", "schalte"})) return TurnEnd::kEndOfTurn;
  }
  if (c.verb == "schalte" && OneOf(c.preposition, {"an", "aus"})) {
    return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht " + c.preposition + c.verb + "n.");
  }
  return std::nullopt;
}

TurnEnd CannotPull(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.preposition == "aus") return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht ausziehen.");
  // "ziehe den Korb an" puts it on; "ziehe an dem Korb" pulls.
  if (c.preposition == "an" && c.object1_pos < c.preposition_pos) {
    return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht anziehen.");
  }
  return Answer(s, "An " + DativeName(s, 1) + Cp850(" zu ziehen würde dir nicht weiterhelfen."));
}

// "Es hilft dir nicht weiter, dem Wolf den Korb zu geben."
TurnEnd NoUseGiving(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.object_count < 2) return SayNotHelpful(s);
  return Answer(s, "Es hilft dir nicht weiter, " + DativeName(s, 1) + " " + s.object2_article +
                       TrimBlanks(s.object2_phrase) + " zu " + c.verb + "n.");
}

}  // namespace

TurnStep DefaultAnswer(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  const bool me = IsPlayer(c.object1);
  if (Is(c.verb, "küsse")) return Answer(s, "Komische Idee.");
  if (c.object_count == 2 && c.mit_count > 0 && !me) return SayCannotWith(s);
  if (c.verb == "steige") {
    const std::string preposition = c.preposition.empty() ? std::string("auf") : c.preposition;
    const std::string what = me ? std::string("dich") : ObjectName(s);
    return Answer(s, "Du kannst nicht " + preposition + " " + what + " steigen.");
  }
  if (c.verb == "wecke" && !me) return NotAsleep(s);
  if (Is(c.verb, "berühre")) return Answer(s, "Du fühlst nichts Außergewöhnliches.");
  if (c.verb == "reite") return CannotRide(s);
  if (c.verb == "grabe") return CannotDig(s);
  if (me) return ToOneself(s);
  if (IsPlayer(c.object2)) return Answer(s, "Eine merkwürdige Idee...");
  if (c.verb == "klopfe") return Answer(s, "Das würde dir nicht weiterhelfen.");
  if (TurnStep end = SwitchOrMake(s)) return end;
  if (c.verb == "gehe" && (c.preposition.empty() || c.preposition == "zu")) return Answer(s, "Du bist bereits da.");
  if (c.verb == "mache") return Answer(s, "[Bitte benutze ein aussagekräftigeres Verb als 'mache'.]");
  if (c.verb == "krieche") return Answer(s, "Du kannst nicht unter " + ObjectPhrase(s) + c.verb + "n.");
  if (c.verb == "ziehe") return CannotPull(s);
  if (OneOf(c.verb, {"gebe", "zeige"})) return NoUseGiving(s);
  if (OneOf(c.verb, {"lege", "stelle", "werfe"})) return RefuseDrop(s, console);
  if (Is(c.verb, "drücke")) {
    return Answer(s, Cp850("Du drückst ") + ObjectName(s) + Cp850(". Es geschieht jedoch nichts Ungewöhnliches."));
  }
  if (c.verb == "finde") return Answer(s, "Du siehst " + ObjectName(s) + " hier vor dir.");
  if (c.verb == "benutze") return Answer(s, "[Bitte sage mir genauer, wie du " + ObjectName(s) + " benutzen willst.]");
  if (c.verb == "bewache") return Answer(s, "Es ist nicht notwendig, " + ObjectName(s) + " zu bewachen.");
  if (Is(c.verb, "zünde")) return Answer(s, Cp850("Du kannst ") + ObjectPhrase(s) + Cp850("nicht anzünden."));
  return Answer(s, "Du kannst " + ObjectPhrase(s) + "nicht " + Infinitive(c) + ".");
}
