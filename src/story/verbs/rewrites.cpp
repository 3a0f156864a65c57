#include "story/verbs/rewrites.h"

#include "console/text_output.h"
#include "world/encoding.h"

namespace {

void DropPreposition(ParsedCommand& c) {
  c.preposition.clear();
  c.preposition_count = 0;
}

}  // namespace

void RewriteBeforeChain(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (Is(c.verb, "pflücke") && OneOf(c.object1, {"blumen", "gras"})) c.verb = "nehme";
  if (c.verb == "lese" && c.preposition == "auf") {
    c.verb = "nehme";
    DropPreposition(c);
  }
  if (c.verb == "nehme" && c.preposition == "ab" && c.object1 == "deckel") {
    PrintMessage(s, console, "(öffne das Glas)");
    c.verb = Cp850("öffne");
    c.object1 = "honigglas";
    c.object1_gender = kNeuter;
    c.object1_plural = 0;
    DropPreposition(c);
    s.object1_article = "das ";
    s.object1_phrase = "Honigglas ";
  }
}
