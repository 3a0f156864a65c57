// The parsed command of one sentence. A plain record: the parser fills it,
// every later stage reads it, and the turn loop clears it at the top of
// every turn. All words are canonical lower-case words.
#pragma once

#include <string>

struct ParsedCommand {
  std::string verb;
  int verb_count = 0;
  int verb_pos = 0;

  std::string object1;
  int object1_gender = 0;  // 1 masculine, 2 feminine or plural, 3 neuter
  int object1_pos = 0;
  std::string object2;
  int object2_gender = 0;
  int object2_pos = 0;
  int object_count = 0;
  int object1_plural = 0;
  int object2_plural = 0;
  std::string object1_dative_name;
  std::string object2_dative_name;

  std::string preposition;
  int preposition_count = 0;
  int preposition_pos = 0;

  std::string direction;
  int direction_count = 0;

  std::string special_command;
  int special_count = 0;

  std::string comment_word;
  int comment_count = 0;

  std::string adjective1;
  int adjective1_pos = 0;
  std::string adjective2;
  int adjective2_pos = 0;
  int adjective_count = 0;

  std::string first_article;
  int first_article_pos = 0;
  std::string second_article;
  int second_article_pos = 0;
  int article_count = 0;

  int alles_count = 0;
  int mit_count = 0;
  int mit_pos = 0;
  int und_count = 0;
  int pronoun_count = 0;

  bool operator==(const ParsedCommand&) const = default;
};

// The two objects change places with their genders, positions, plural flags
// and display names, and with their articles and adjectives where asked.
void SwapObjects(ParsedCommand& command, bool with_articles, bool with_adjectives);
