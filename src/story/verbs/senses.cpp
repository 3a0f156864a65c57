// Listening, smelling and thinking, and the articles these verbs take.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// Whether an article may stand before the object of "lausche", "rieche" or
// "grabe". These verbs take the object in either case: "rieche die Blume",
// "rieche an der Blume", "lausche dem Fluss", "grabe in den Boden", "grabe in
// dem Boden"; so the article must be the object's accusative or its dative.
// The player's own word takes no article at all.
bool ArticleFitsSense(const ParsedCommand& c, const std::string& article) {
  if (IsPlayer(c.object1)) return false;
  return article == AccusativeArticle(c.object1_gender, c.object1_plural) ||
         article == DativeArticle(c.object1_gender, c.object1_plural);
}

// "Riecht wie ein Korb.": the indefinite article by gender, none for a plural.
std::string IndefiniteArticle(const ParsedCommand& c) {
  if (c.object1_plural) return "";
  return c.object1_gender == kFeminine ? "eine " : "ein ";
}

}  // namespace

TurnStep CheckSenseArticles(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!OneOf(c.verb, {"lausche", "rieche", "grabe"})) return std::nullopt;
  if (c.object_count == 0 || c.first_article.empty() || ArticleFitsSense(c, c.first_article)) return std::nullopt;
  // A sentence the game cannot use: it costs no move, and the rest of the
  // line is dropped as after every such refusal.
  --s.move_count;
  s.more_sentences_pending = 0;
  return Answer(s, "[Hier ergibt '" + c.first_article + "' keinen Sinn.]");
}

TurnStep Smell(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "rieche") return std::nullopt;
  const std::string& o = c.object1;
  if (IsPlayer(o)) return Answer(s, "Du riechst nichts Besonderes.");
  if (OneOf(o, {"blumen", "blumenstrauß"})) return Answer(s, "Das kitzelt in der Nase!");
  if (o == "gras") return Answer(s, "Riecht wie saftiges Gras.");
  const std::string noun = Is(o, "bären") ? Cp850("bär") : o;
  return Answer(s, "Riecht wie " + IndefiniteArticle(c) + Capitalise(noun) + ".");
}

TurnStep Listen(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "lausche") return std::nullopt;
  const int room = s.current_room;
  if (c.object_count == 0) {
    if (room == kHoneyStand) return Answer(s, "Im Norden, hinter dem Gestrüpp, plätschert der Fluss.");
    if ((room >= kBridgeApproach && room <= kBridge) || room == kClearing) {
      return Answer(s, "Du hörst das leise Plätschern des Flusses.");
    }
    if (room == kDeepForest) return Answer(s, "Emsiges Gesumme dringt von Westen an deine Ohren.");
    if (room == kBeeMeadow && !s.bees_at_jar) {
      return Answer(s, "Beinahe ohrenbetäubend laut ist das Gesumme der Bienen.");
    }
  }
  const std::string& o = c.object1;
  if (IsPlayer(o)) return Answer(s, "Im Moment ist nichts von dir zu hören.");
  if (o == "bienen") return Answer(s, "Ganz schön laut sind sie, diese Bienen.");
  if (OneOf(o, {"geplätscher", "fluss", "wasser"})) {
    return Answer(s, "Gleichmäßig und beruhigend plätschert das Wasser im Fluss.");
  }
  if (o == "gesumme" && room == kDeepForest) {
    if (!s.visited_bee_meadow) return Answer(s, "Es klingt wie das Gesumme von endlos vielen Bienen.");
    return Answer(s,
                  Paragraph("Das Gesumme der Bienen auf der Bienenwiese ist bis hierher laut und deutlich zu hören."));
  }
  if (o == "gesumme" && room == kBeeMeadow) return Answer(s, "Unfassbar, dass die Bienen so laut sein können!");
  return Answer(s, "Du hörst nichts Besonderes.");
}

TurnStep Think(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "denke") return std::nullopt;
  if (c.preposition.empty()) PrintMessage(s, console, "(an)");
  const std::string about = IsPlayer(c.object1) ? std::string("dich") : ObjectName(s);
  return Answer(s, Cp850("Du denkst einen Moment an ") + about + Cp850(". Etwas Neues fällt dir jedoch nicht ein."));
}
