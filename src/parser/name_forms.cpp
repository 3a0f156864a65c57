#include "parser/name_forms.h"

#include <initializer_list>

#include "console/encoding.h"
#include "console/text_output.h"

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> utf8_words) {
  for (std::string_view candidate : utf8_words) {
    if (word == Cp850(candidate)) return true;
  }
  return false;
}

std::string Phrase(const std::string& noun) {
  if (noun.empty()) return {};
  if (IsPlayer(noun)) return "Spieler ";
  return Capitalise(noun) + " ";
}

// Personal names and the player are named without an article.
bool TakesArticle(const std::string& noun) { return !noun.empty() && !IsPlayer(noun) && !IsPersonalName(noun); }

std::string WithBlank(const std::string& article) { return article.empty() ? article : article + " "; }

// The dative article of the name forms goes by gender alone.
std::string DativeByGender(int gender) {
  switch (gender) {
    case 1: return "dem ";
    case 2: return "der ";
    case 3: return "dem ";
    default: return {};
  }
}

}  // namespace

bool IsPlayer(std::string_view noun) { return noun == "dich"; }

bool IsPersonalName(std::string_view noun) {
  return OneOf(noun, {"oma", "omi", "großmutter", "mama", "mami", "mutter", "mutti"});
}

std::string NominativeArticle(int gender, int plural) {
  if (plural == 1) return "die";
  switch (gender) {
    case 1: return "der";
    case 2: return "die";
    case 3: return "das";
    default: return {};
  }
}

std::string AccusativeArticle(int gender, int plural) {
  if (plural == 1) return "die";
  switch (gender) {
    case 1: return "den";
    case 2: return "die";
    case 3: return "das";
    default: return {};
  }
}

std::string DativeArticle(int gender, int plural) {
  if (plural == 1) return "den";
  switch (gender) {
    case 1: return "dem";
    case 2: return "der";
    case 3: return "dem";
    default: return {};
  }
}

void FillNameForms(GameSession& s) {
  const ParsedCommand& c = s.command;
  s.object1_phrase = Phrase(c.object1);
  s.object2_phrase = Phrase(c.object2);
  s.object1_article = TakesArticle(c.object1) ? WithBlank(AccusativeArticle(c.object1_gender, c.object1_plural)) : "";
  s.object2_article = TakesArticle(c.object2) ? WithBlank(AccusativeArticle(c.object2_gender, c.object2_plural)) : "";
  s.object1_dative_article = TakesArticle(c.object1) ? DativeByGender(c.object1_gender) : "";
  s.object2_dative_article = TakesArticle(c.object2) ? DativeByGender(c.object2_gender) : "";
}
