// Cleaning and splitting lines: the bouquet's words, and the lines the
// program feeds itself, which skip the clean-up and so may still hold marks.
#include "parser/normalisation.h"

#include <gtest/gtest.h>

#include "world/encoding.h"
#include "parser/sentences.h"
#include "world/game_session.h"

namespace {

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll(" a a a ", " a ", " b "), " b a b ");  // shared blanks: every other one
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

// Outside the meadow, while the bouquet is carried, "blumen" is the bouquet
// and loses its own article; every other article stays.
TEST(CleanUpTest, BouquetWords) {
  const struct {
    int room, carried;
    const char *typed, *cleaned;
  } cases[] = {
      {7, 1, "gib die blumen der oma", "gib blumenstrauß der oma"},
      {7, 1, "gib die kugel den blumen", "gib die kugel blumenstrauß"},
      {7, 1, "gib der oma die  blumen und dem wolf die kugel", "gib der oma blumenstrauß und dem wolf die kugel"},
      {7, 1, "gib den blumenstrauß der oma", "gib den blumenstrauß der oma"},
      {7, 1, "nimm dieblumen", "nimm dieblumen"},
      {4, 1, "gib die blumen der oma", "gib die blumen der oma"},
      {7, 0, "gib die blumen der oma", "gib die blumen der oma"},
  };
  for (const auto& c : cases) {
    GameSession session;
    session.current_room = c.room;
    session.bouquet_carried = c.carried;
    session.input_line = Cp850(c.typed);
    CleanUpTypedLine(session);
    EXPECT_EQ(Utf8FromCp850(session.input_line), c.cleaned) << c.typed;
  }
}

TEST(ProgramLineTest, FinalMarksAreDroppedButACommaOrALoneUndIsRefused) {
  const struct {
    const char *line, *message, *left;
  } cases[] = {
      {"  schaue unter bett.! ", "", "schaue unter bett"},
      {"nimm korb,", "[Du kannst eine Eingabezeile nicht mit einem Komma abschließen.]", "nimm korb,"},
      {"und .", "[Außer 'und' konnte ich nichts Verwertbares finden.]", "und"},
  };
  for (const auto& c : cases) {
    GameSession session;
    session.line_from_program = 1;
    session.input_line = c.line;
    EXPECT_EQ(Utf8FromCp850(CheckCleanedLine(session)), c.message) << c.line;
    EXPECT_EQ(session.input_line, c.left) << c.line;
    EXPECT_EQ(session.line_from_program, 0) << c.line;
  }
}

TEST(ProgramLineTest, ASentenceEndsAtAMarkAndTheExclamationMarkWins) {
  const struct {
    const char *line, *sentence, *rest, *message;
  } cases[] = {
      {"schaue unter bett. nimm korb", "schaue unter bett", " nimm korb", ""},
      {"a. b! c", "a. b", " c", ""},
      {"nimm korb und geh. nord", "nimm korb und geh", " nord", ""},
      {"und", "", "", "[Dein Satz ergibt keinen Sinn.]"},
  };
  for (const auto& c : cases) {
    GameSession session;
    session.input_line = c.line;
    EXPECT_EQ(SplitSentence(session, true).has_value(), *c.message != '\0') << c.line;
    EXPECT_EQ(Utf8FromCp850(session.message_line), c.message) << c.line;
    EXPECT_EQ(session.sentence_text, c.sentence) << c.line;
    EXPECT_EQ(session.pending_sentences, c.rest) << c.line;
  }
}

}  // namespace
