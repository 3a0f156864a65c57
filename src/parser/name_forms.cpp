#include "parser/name_forms.h"

#include "console/text_output.h"
#include "world/encoding.h"

namespace {

std::string Phrase(const std::string& noun) {
  if (noun.empty()) return {};
  if (IsPlayer(noun)) return "Spieler ";
  return Capitalise(noun) + " ";
}

// Personal names and the player are named without an article.
bool TakesArticle(const std::string& noun) { return !noun.empty() && !IsPlayer(noun) && !IsPersonalName(noun); }

std::string WithBlank(const std::string& article) { return article.empty() ? article : article + " "; }

}  // namespace

bool IsPlayer(std::string_view noun) { return noun == "dich"; }

bool IsPersonalName(std::string_view noun) {
  return OneOf(noun, {"oma", "omi", "großmutter", "mama", "mami", "mutter", "mutti"});
}

std::string NominativeArticle(int gender, int plural) {
  if (plural) return "die";
  switch (gender) {
    case kMasculine:
      return "der";
    case kFeminine:
      return "die";
    case kNeuter:
      return "das";
    default:
      return {};
  }
}

std::string AccusativeArticle(int gender, int plural) {
  if (plural) return "die";
  switch (gender) {
    case kMasculine:
      return "den";
    case kFeminine:
      return "die";
    case kNeuter:
      return "das";
    default:
      return {};
  }
}

std::string DativeArticle(int gender, int plural) {
  if (plural) return "den";
  switch (gender) {
    case kMasculine:
    case kNeuter:
      return "dem";
    case kFeminine:
      return "der";
    default:
      return {};
  }
}

void FillNameForms(GameSession& s) {
  const ParsedCommand& c = s.command;
  s.object1_phrase = Phrase(c.object1);
  s.object2_phrase = Phrase(c.object2);
  s.object1_article = TakesArticle(c.object1) ? WithBlank(AccusativeArticle(c.object1_gender, c.object1_plural)) : "";
  s.object2_article = TakesArticle(c.object2) ? WithBlank(AccusativeArticle(c.object2_gender, c.object2_plural)) : "";
  // The dative article of the name forms goes by gender alone.
  s.object1_dative_article = TakesArticle(c.object1) ? WithBlank(DativeArticle(c.object1_gender, 0)) : "";
  s.object2_dative_article = TakesArticle(c.object2) ? WithBlank(DativeArticle(c.object2_gender, 0)) : "";
}
