#include "parser/shared_answers.h"

#include <string>

#include "console/encoding.h"
#include "console/text_output.h"

TurnEnd SayNotHelpful(GameSession& s) {
  SetMessage(s, "Es hilft dir nicht weiter, " + s.object1_article + s.object1_phrase + "zu " + s.command.verb + "n.");
  return TurnEnd::kEndOfTurn;
}

TurnEnd SayNotPossibleWith(GameSession& s, std::string_view thing) {
  if (thing.empty()) {
    SetMessage(s, Cp850("Das ist nicht möglich."));
  } else {
    SetMessage(s, "Das ist mit " + std::string(thing) + Cp850(" nicht möglich."));
  }
  s.more_sentences_pending = 0;
  return TurnEnd::kEndOfTurn;
}

TurnEnd SayCannotWith(GameSession& s) {
  const ParsedCommand& c = s.command;
  std::string verb = c.verb;
  if (verb == Cp850("schließe") && (c.preposition == "ab" || c.preposition == "zu" || c.preposition == "auf")) {
    verb = c.preposition + verb;
  }
  std::string text = "Du kannst " + s.object1_article + s.object1_phrase + "nicht mit ";
  if (c.object2 == "dich") {
    text += "dir " + verb + "n.";
  } else if (c.object2_plural == 1) {
    text += "den " + c.object2_dative_name + " " + verb + "n.";
  } else {
    text += s.object2_dative_article + s.object2_phrase + verb + "n.";
  }
  SetMessage(s, text);
  return TurnEnd::kEndOfTurn;
}
