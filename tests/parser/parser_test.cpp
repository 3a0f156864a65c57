// What the transcripts cannot reach in the parser: the synonym table as a whole, the pager's count of a note, the
// bouquet's words, the lines the program feeds itself (which skip the clean-up and so may still hold marks), and
// whatever is typed: the parser ends every turn, with no crash, no error, no endless re-parsing.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/play_sentence.h"
#include "parser/normalisation.h"
#include "parser/parser_messages.h"
#include "parser/sentences.h"
#include "parser/vocabulary.h"
#include "support/game_harness.h"
#include "world/encoding.h"
#include "world/game_error.h"
#include "world/game_session.h"

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

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll(" a a a ", " a ", " b "), " b a b ");  // shared blanks: every other one
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

// Outside the meadow, while the bouquet is carried, "blumen" is the bouquet
// and loses its own article; every other article stays.
TEST(CleanUpTest, BouquetWords) {
  const std::tuple<int, int, const char*, const char*> cases[] = {  // room, bouquet carried, typed, cleaned
      {7, 1, "gib die blumen der oma", "gib blumenstrauß der oma"},
      {7, 1, "gib die kugel den blumen", "gib die kugel blumenstrauß"},
      {7, 1, "gib der oma die  blumen und dem wolf die kugel", "gib der oma blumenstrauß und dem wolf die kugel"},
      {7, 1, "gib den blumenstrauß der oma", "gib den blumenstrauß der oma"},
      {7, 1, "nimm dieblumen", "nimm dieblumen"},
      {4, 1, "gib die blumen der oma", "gib die blumen der oma"},
      {7, 0, "gib die blumen der oma", "gib die blumen der oma"},
  };
  for (const auto& [room, carried, typed, cleaned] : cases) {
    GameSession session;
    session.current_room = room, session.bouquet_carried = carried, session.input_line = Cp850(typed);
    CleanUpTypedLine(session);
    EXPECT_EQ(Utf8FromCp850(session.input_line), cleaned) << typed;
  }
}

TEST(ProgramLineTest, FinalMarksAreDroppedButACommaOrALoneUndIsRefused) {
  const std::tuple<const char*, const char*, const char*> cases[] = {  // line, message, line left
      {"  schaue unter bett.! ", "", "schaue unter bett"},
      {"nimm korb,", "[Du kannst eine Eingabezeile nicht mit einem Komma abschließen.]", "nimm korb,"},
      {"und .", "[Außer 'und' konnte ich nichts Verwertbares finden.]", "und"},
  };
  for (const auto& [line, message, left] : cases) {
    GameSession session;
    session.line_from_program = 1, session.input_line = line;
    EXPECT_EQ(Utf8FromCp850(CheckCleanedLine(session)), message) << line;
    EXPECT_EQ(std::pair(session.input_line, int{session.line_from_program}), std::pair(std::string(left), 0)) << line;
  }
}

TEST(ProgramLineTest, ASentenceEndsAtAMarkAndTheExclamationMarkWins) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {  // line, sentence, rest, message
      {"schaue unter bett. nimm korb", "schaue unter bett", " nimm korb", ""},
      {"a. b! c", "a. b", " c", ""},
      {"nimm korb und geh. nord", "nimm korb und geh", " nord", ""},
      {"und", "", "", "[Dein Satz ergibt keinen Sinn.]"},
  };
  for (const auto& [line, sentence, rest, message] : cases) {
    GameSession session;
    session.input_line = line;
    EXPECT_EQ(SplitSentence(session, true).has_value(), *message != '\0') << line;
    EXPECT_EQ(Utf8FromCp850(session.message_line), message) << line;
    EXPECT_EQ(session.sentence_text + "|" + session.pending_sentences, std::string(sentence) + "|" + rest) << line;
  }
}

TEST(ParserRobustnessTest, RandomLinesAlwaysEnd) {
  const std::vector<std::string> pieces = {
      "nimm", "korb", "den", "die", "und", ",", ".", "!", "?", " ", "  ", "ihn", "sie", "es", "ihm", "ihr",
      "ihnen", "alles", "mit", "huch", "oops", "darunter", "hinein", "raus", "nord", "hoch", "schaue", "gehe",
      "lies", "auf", "zu", "an", "aus", "um", "von", "frage", "oma", "wolf", "nach", "danke", "mist", "nicht",
      "xyz", "ae", "oe", "ue", Cp850("ä"), Cp850("ß"), "\x01", "\x7f", "alten", "roten", "kleinen", "gib",
      "blumen", Cp850("schließe"), Cp850("tür"), "aufschließen", "hineingehen", "schafe", "dich", "mache"};
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);

  // The typed line is replaced by the test's, as it stands: the editor would keep most odd bytes out.
  std::string line;
  int sentences = 0;
  GameHarness h([&](GameSession& s, Console& console, InputOrigin origin) {
    if (origin == InputOrigin::kTyped) s.input_line = line;
    ++sentences;
    try {
      const TurnEnd end = PlaySentence(s, console, origin);
      EXPECT_LE(s.message_line.size(), 255u) << line;
      return end;
    } catch (const GameError& error) {
      ADD_FAILURE() << "error " << error.code << ": " << line;
      throw;
    }
  });
  h.StartUp();
  h.frontend.set_shows_pages(false);
  const auto play = [&] {
    sentences = 0;
    h.frontend.Line("x");
    h.Play();
    EXPECT_LE(sentences, 50) << line;
  };
  for (int round = 0; round < 3000 && !testing::Test::HasFailure(); ++round) {
    line.clear();
    for (int words = length(random); words > 0; --words) line += pieces[pick(random)] + (random() % 3 ? " " : "");
    h.session().current_room = 1 + static_cast<int>(random() % 14);
    h.session().bouquet_carried = static_cast<int>(random() % 2);
    play();
  }
  const std::string long_line(5000, 'a');
  line = long_line + " und " + long_line;
  play();
}

}  // namespace
