// The rough verbs: hitting, kicking, killing, chasing away and the like.
#include <string>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"
#include "world/text_case.h"

namespace {

// The herd, as against the one sheep.
bool IsHerd(const std::string& o) { return OneOf(o, {"schafe", "schafherde"}); }

// What the characters think of being hit or kicked.
TurnStep HitCharacter(GameSession& s) {
  const std::string& o = s.command.object1;
  if (o == "wolf") return Answer(s, "Es wäre sehr gefährlich, sich mit dem Wolf anzulegen!");
  if (o == "frosch" || IsSheep(o)) return Answer(s, "Das bringst du nicht übers Herz.");
  if (Is(o, "bären")) return Answer(s, "Du solltest dich besser nicht mit dem Bären anlegen.");
  if (o == "bienen") {
    if (s.command.verb == "trete") return Answer(s, "Damit würdest du die Bienen nur aggressiv machen.");
    return Answer(s, "Ganz sicher würden sie dich stechen!");
  }
  return std::nullopt;
}

}  // namespace

TurnStep Kick(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "trete") return std::nullopt;
  const std::string& o = c.object1;
  if (OneOf(o, {"frosch", "wolf", "bären"})) return HandOver(s, console, "schlage", Hit);
  if (TurnStep end = HitCharacter(s)) return end;
  if (Is(o, "tür") && !s.door_open) return Answer(s, "Durch Treten kannst du die Tür nicht öffnen.");
  if (o == "dich") return Answer(s, "Warum solltest du dich treten?");
  return Answer(s, Cp850("Es würde dir nicht weiterhelfen, ") + ObjectPhrase(s) + "zu treten.");
}

TurnStep Light(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (!OneOf(c.verb, {"zünde", "entzünde"})) return std::nullopt;
  if (Is(c.verb, "zünde") && c.preposition.empty()) {
    PrintMessage(s, console, Cp850("[zünde an]"));
    c.preposition = "an";
  }
  const std::string& o = c.object1;
  if (o == "dich") return Answer(s, "Da weigere ich mich.");
  if (o == "frosch") return Answer(s, "Ein Knallfrosch ist das leider nicht.");
  if (IsSheep(o)) return Answer(s, "Du hast nichts dabei, womit du die Schafe anzünden könntest.");
  return std::nullopt;
}

TurnStep Trample(GameSession& s, Console&) {
  if (s.command.verb != "zertrete") return std::nullopt;
  return Answer(s, "Das würde dir nicht weiterhelfen.");
}

TurnStep Torment(GameSession& s, Console&) {
  if (!Is(s.command.verb, "quäle")) return std::nullopt;
  return Answer(s, ParserMessage(ParserText::kShouldNotDoThat));
}

TurnStep Catch(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "fange") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "schaf") return Answer(s, "Das Schaf ist schneller als du und weicht dir geschickt aus.");
  if (IsHerd(o)) return Answer(s, "Die Schafe sind schneller als du. Es gelingt dir nicht, eines davon zu fangen.");
  if (o == "bienen") return Answer(s, "Ganz sicher würden sie dich stechen.");
  return std::nullopt;
}

TurnStep Kill(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "töte")) return std::nullopt;
  const std::string& o = c.object1;
  const char* kind = nullptr;
  if (o == "wolf") kind = "Wölfe.";
  if (o == "frosch") kind = "Frösche.";
  if (Is(o, "bären")) kind = "Bären.";
  if (o == "biber") kind = "Biber.";
  if (IsSheep(o)) kind = "Schafe.";
  if (kind != nullptr) return Answer(s, Cp850("Kleine Mädchen töten keine ") + Cp850(kind));
  if (o == "bienen") return Answer(s, "Du willst nicht riskieren, von ihnen gestochen zu werden.");
  return std::nullopt;
}

TurnStep Ride(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "reite") return std::nullopt;
  if (c.object1 == "schaf") return Answer(s, "Das Schaf ist schneller als du und weicht dir geschickt aus.");
  if (IsHerd(c.object1)) return Answer(s, "Die Schafe sind schneller als du und weichen vor dir zurück.");
  return std::nullopt;
}

TurnStep Destroy(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "zerstöre")) return std::nullopt;
  if (Is(c.object1, "tür")) return HandOver(s, console, "bewege", MoveObject);
  return Answer(s, "Du solltest besser nach einer friedlichen Lösung suchen.");
}

TurnStep ScareAway(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "verscheuche") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "wolf") return Answer(s, "So einfach lässt er sich nicht verjagen.");
  if (o == "frosch") return Answer(s, "'Bitte Abstand halten', sagt der Frosch und hüpft ein Stück zur Seite.");
  if (IsHerd(o)) {
    return Answer(s, Paragraph("Die Schafe schauen dich nur dämlich an und wissen offenbar nicht, was du von ihnen "
                               "willst."));
  }
  if (o == "schaf") {
    return Answer(s, Paragraph("Das Schaf schaut dich dämlich an und weiß offenbar nicht, was du von ihm willst."));
  }
  if (o == "bienen") {
    if (s.bees_at_jar) {
      return Answer(s, Paragraph("Das ist nicht mehr notwendig, denn die Bienen interessieren sich nur noch für das "
                                 "offene Honigglas und lassen dich in Ruhe."));
    }
    return Answer(s, Paragraph("Das ist leichter gesagt, als getan. Du fuchtelst wild mit den Armen, doch damit "
                               "machst du die Bienen nur noch angriffslustiger. Du wirst dir etwas anderes einfallen "
                               "lassen müssen."));
  }
  return std::nullopt;
}

TurnStep Hit(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "schlage") return std::nullopt;
  const bool with_tool = c.mit_count > 0;
  if (with_tool && c.object_count == 1) {
    if (c.mit_pos > c.object1_pos) {
      Ask(s, "[Mit was willst du " + ObjectPhrase(s) + c.verb + "n?]", "schlage " + c.object1 + " mit ");
    } else {
      Ask(s, "[Was willst du damit " + c.verb + "n?]", " schlage mit " + c.object1);
    }
    return TurnEnd::kEndOfTurn;
  }
  if (TurnStep end = HitCharacter(s)) return end;
  if (c.preposition == "gegen") {
    return Answer(s, "Es hilft dir nicht weiter, gegen " + ObjectPhrase(s) + "zu " + c.verb + "n.");
  }
  if (with_tool && c.object1 == "dich") return Answer(s, "So etwas würdest du nie tun.");
  if (with_tool) {
    return Answer(s, "Es hilft dir nicht weiter, " + ObjectPhrase(s) + "mit " + DativeName(s, 2) + " zu schlagen.");
  }
  return std::nullopt;
}
