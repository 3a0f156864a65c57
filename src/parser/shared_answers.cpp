#include "parser/shared_answers.h"

#include <string>

#include "console/text_output.h"
#include "world/encoding.h"

TurnEnd SayNotHelpful(GameSession& s) {
  return Answer(s,
                "Es hilft dir nicht weiter, " + s.object1_article + s.object1_phrase + "zu " + s.command.verb + "n.");
}

TurnEnd SayNotPossibleWith(GameSession& s, std::string_view thing) {
  s.more_sentences_pending = 0;
  if (thing.empty()) return Answer(s, "Das ist nicht möglich.");
  return Answer(s, "Das ist mit " + std::string(thing) + Cp850(" nicht möglich."));
}

TurnEnd SayCannotWith(GameSession& s) {
  const ParsedCommand& c = s.command;
  std::string verb = c.verb;
  if (Is(verb, "schließe") && OneOf(c.preposition, {"ab", "zu", "auf"})) verb = c.preposition + verb;
  std::string text = "Du kannst " + s.object1_article + s.object1_phrase + "nicht mit ";
  if (c.object2 == "dich") {
    text += "dir " + verb + "n.";
  } else if (c.object2_plural) {
    text += "den " + c.object2_dative_name + " " + verb + "n.";
  } else {
    text += s.object2_dative_article + s.object2_phrase + verb + "n.";
  }
  return Answer(s, text);
}
