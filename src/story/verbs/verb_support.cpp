#include "story/verbs/verb_support.h"

#include "world/text_case.h"

std::string ObjectPhrase(const GameSession& s) { return s.object1_article + s.object1_phrase; }

std::string ObjectName(const GameSession& s) { return TrimBlanks(ObjectPhrase(s)); }

std::string Infinitive(const ParsedCommand& c) {
  if (Is(c.verb, "schließe") && OneOf(c.preposition, {"auf", "ab", "zu"})) return c.preposition + c.verb + "n";
  return c.verb + "n";
}

TurnEnd HandOver(GameSession& s, Console& console, const char* verb, VerbHandler handler) {
  s.command.verb = Cp850(verb);
  return ContinueAt(s, console, handler);
}
