#include "story/verbs/verb_support.h"

#include "world/text_case.h"

std::string ObjectPhrase(const GameSession& s) { return s.object1_article + s.object1_phrase; }

std::string ObjectName(const GameSession& s) { return TrimBlanks(ObjectPhrase(s)); }

std::string Infinitive(const ParsedCommand& c) {
  if (Is(c.verb, "schließe") && OneOf(c.preposition, {"auf", "ab", "zu"})) return c.preposition + c.verb + "n";
  return c.verb + "n";
}

TurnEnd WolfGrabsTheBall(GameSession& s, Console& console, const char* how) {
  PrintMessage(s, console, how);
  s.ball_state = kBallWithWolf;
  AwardOnce(s, console, s.wolf_grabbed_ball, 4);
  return TurnEnd::kTopOfTurn;
}

TurnEnd HandOver(GameSession& s, Console& console, const char* verb, VerbHandler handler) {
  s.command.verb = Cp850(verb);
  return ContinueAt(s, console, handler);
}

std::string DativeName(const GameSession& s, int object) {
  const ParsedCommand& c = s.command;
  const bool first = object == 1;
  if (IsPlayer(first ? c.object1 : c.object2)) return "dir";
  if (first ? c.object1_plural : c.object2_plural) {
    return "den " + (first ? c.object1_dative_name : c.object2_dative_name);
  }
  return TrimBlanks(first ? s.object1_dative_article + s.object1_phrase : s.object2_dative_article + s.object2_phrase);
}

bool IsSheep(std::string_view noun) { return OneOf(noun, {"schaf", "schafe", "schafherde"}); }

bool IsOma(std::string_view noun) { return OneOf(noun, {"oma", "omi", "großmutter"}); }

void SetObjects(GameSession& s, const char* object1, int gender1, const char* object2, int gender2) {
  ParsedCommand& c = s.command;
  c.object1 = Cp850(object1);
  c.object1_gender = gender1;
  c.object1_plural = 0;
  c.object1_dative_name.clear();
  c.object2 = object2 != nullptr ? Cp850(object2) : std::string();
  c.object2_gender = gender2;
  c.object2_plural = 0;
  c.object2_dative_name.clear();
  c.object_count = object2 != nullptr ? 2 : 1;
  FillNameForms(s);
}

void PutInFront(GameSession& s, std::string_view noun, int gender) {
  ParsedCommand& c = s.command;
  c.object2 = c.object1;
  c.object2_gender = c.object1_gender;
  c.object2_plural = c.object1_plural;
  c.object2_dative_name = c.object1_dative_name;
  c.object2_pos = c.object1_pos;
  c.object1 = std::string(noun);
  c.object1_gender = gender;
  c.object1_plural = 0;
  c.object1_dative_name.clear();
  c.object_count = 2;
  FillNameForms(s);
}
