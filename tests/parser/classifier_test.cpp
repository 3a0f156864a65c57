// What the transcripts cannot reach: the synonym table as a whole, and the
// pager's count of a parser note.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "parser/parser_messages.h"
#include "parser/vocabulary.h"
#include "support/game_harness.h"

namespace {

// One lookup, one answer: a form in two rows would make the second row
// unreachable, and a canonical word found again would be looked up twice.
TEST(VocabularyTest, EachFormIsInOneRowAndEachCanonicalWordIsFinal) {
  GameSession session;
  std::set<std::string> seen;
  for (const SynonymRow& row : SynonymRows()) {
    for (const std::string& form : row.input_forms) EXPECT_TRUE(seen.insert(form).second) << Utf8FromCp850(form);
    if (row.rule == SynonymRule::kFixed) {
      EXPECT_EQ(CanonicalWord(row.canonical, session), row.canonical) << Utf8FromCp850(row.canonical);
    }
  }
}

TEST(ParserNotes, CountAsOnePrintedLineForThePager) {
  GameHarness h;
  h.session().lines_since_pause = 3;
  PrintNote(h.session(), h.console, "(den Korb)");
  EXPECT_EQ(h.session().lines_since_pause, 4);
}

}  // namespace
