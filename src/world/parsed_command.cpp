#include "world/parsed_command.h"

#include <utility>

void SwapObjects(ParsedCommand& c, bool with_articles, bool with_adjectives) {
  std::swap(c.object1, c.object2);
  std::swap(c.object1_gender, c.object2_gender);
  std::swap(c.object1_pos, c.object2_pos);
  std::swap(c.object1_plural, c.object2_plural);
  std::swap(c.object1_dative_name, c.object2_dative_name);
  if (with_articles) {
    std::swap(c.first_article, c.second_article);
    std::swap(c.first_article_pos, c.second_article_pos);
  }
  if (with_adjectives) {
    std::swap(c.adjective1, c.adjective2);
    std::swap(c.adjective1_pos, c.adjective2_pos);
  }
}
