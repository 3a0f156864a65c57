// The parser in the running game: typed lines, their answers, and what is
// left of the line afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "parser/command_processor.h"
#include "support/game_harness.h"

namespace {

using Rows = std::vector<std::string>;

// The rows printed for one typed line in a fresh game: its echo and answer.
Rows AnswerTo(const std::string& line) {
  GameHarness h;
  h.StartUp();
  h.frontend.Flush(h.console);  // the start-up's rows
  return h.PlayLines({line});
}

TEST(ParserGameAnswers, SingleLinesAndTheirAnswer) {
  const struct {
    const char* line;
    const char* answer;
  } cases[] = {
      // Whole-line and word messages.
      {"wo bin ich?", "[Bitte keine Fragezeichen in der Eingabe verwenden.]"},
      {"xyz", "[Ich kenne das Wort 'xyz' nicht.]"},
      {"verdammt", "Kein Kommentar hierzu."},
      {"nimm korb,, geh nord", "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]"},
      {"küsse ihn", "[Ich weiß nicht, auf was du dich beziehst.]"},
      // Odd lines; "!", "..." and "und und und" are played in normalisation_test.cpp.
      {"geh nord,", "[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]"},
      {"VERDAMMT!", "Kein Kommentar hierzu."},
      {"kuesse ihn", "[Ich weiß nicht, auf was du dich beziehst.]"},
      {"und", "[Etwas Verwertbares konnte ich nicht finden.]"},
  };
  for (const auto& c : cases) EXPECT_EQ(AnswerTo(c.line), (Rows{std::string(">") + c.line, c.answer})) << c.line;
}

TEST(ParserGameAnswers, ALongWordIsWrappedNotLost) {
  // The line editor keeps 77 characters.
  const Rows long_line = AnswerTo(std::string(300, 'x'));
  std::string joined;
  for (size_t i = 1; i < long_line.size(); ++i) joined += (i > 1 ? " " : "") + long_line[i];
  EXPECT_EQ(joined, "[Ich kenne das Wort '" + std::string(77, 'x') + "' nicht.]");
}

class ParserGameTest : public ::testing::Test {
 protected:
  ParserGameTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
  }

  Rows Play(const Rows& lines) { return h.PlayLines(lines); }

  GameHarness h;
};

TEST_F(ParserGameTest, RejectedLinesLeaveTheStateAlone) {
  const GameSession before = h.session();
  Play({"wo bin ich?", "xyz und verdammt", "nimm korb,, geh nord", "   ", "", "!", "nimm den alten roten kleinen korb",
        std::string(300, ','), "n\x01rd", "nicht"});
  const GameSession& after = h.session();
  EXPECT_EQ(after.move_count, before.move_count);
  EXPECT_EQ(after.current_room, before.current_room);
  EXPECT_EQ(after.basket_carried, before.basket_carried);
  EXPECT_EQ(after.score, before.score);
  EXPECT_EQ(after.more_sentences_pending, 0);
  EXPECT_EQ(after.last_command_line, "nicht");
}

TEST_F(ParserGameTest, FurtherSentencesRunWithoutAPromptAndAreDroppedAfterARejection) {
  EXPECT_EQ(Play({"verdammt und danke", "xyz und verdammt", "ok"}),
            (Rows{">verdammt und danke", "Kein Kommentar hierzu.", "Gern geschehen!", ">xyz und verdammt",
                  "[Ich kenne das Wort 'xyz' nicht.]", ">ok", "Okay."}));
  EXPECT_EQ(h.session().move_count, 3);
}

TEST_F(ParserGameTest, TheCorrectionRunsTheRepairedLine) {
  EXPECT_EQ(Play({"xyz", "huch verdammt", "huch danke"}),
            (Rows{">xyz", "[Ich kenne das Wort 'xyz' nicht.]", ">huch verdammt", "[Korrigiert: verdammt.]",
                  "Kein Kommentar hierzu.", ">huch danke", "[Es ist im Moment kein Wort zu ersetzen.]"}));
}

TEST_F(ParserGameTest, AQuestionIsAnsweredInTheNextTurnOnly) {
  const Rows rows = Play({"schaue darunter", "bett"});
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0], ">schaue darunter");
  EXPECT_EQ(rows[1], "[Unter was willst du schauen?]");
  EXPECT_EQ(rows[2], ">bett");
  // The completed line ran without a prompt of its own.
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& row) { return row[0] == '>'; }), 2);
  EXPECT_EQ(h.session().last_command_line, "bett");
  EXPECT_EQ(h.session().pending_completion, "");
}

TEST_F(ParserGameTest, WhileTheBouquetIsCarriedItsWordsBecomeItAndOtherArticlesStay) {
  h.session().bouquet_carried = 1;
  Play({"gib die blumen der oma"});
  EXPECT_EQ(Utf8FromCp850(h.session().last_command_line), "gib blumenstrauß der oma");
  ASSERT_EQ(h.session().bouquet_carried, 1);
  Play({"gib dem wolf die kugel"});
  EXPECT_EQ(h.session().last_command_line, "gib dem wolf die kugel");
}

TEST_F(ParserGameTest, RefusalsOfWholeSentences) {
  EXPECT_EQ(Play({"nimm korb nord", "schaue hoch", "iss unter dem bett", "gehe mit korb",
                  "nimm den alten roten kleinen korb", "hindurch", "nimm von korb und danke"}),
            (Rows{">nimm korb nord", "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]",
                  ">schaue hoch", "Über dir siehst du nichts Besonderes.",
                  ">iss unter dem bett", "[In diesem Zusammenhang verstehe ich 'unter' nicht.]",
                  ">gehe mit korb", "[Mit dem Verb 'gehe' kann 'mit' nicht verwendet werden.]",
                  ">nimm den alten roten kleinen korb", "[Pro Satz sind nur zwei Adjektive möglich.]",
                  ">hindurch", "['Hindurch' ist nur mit 'schaue', 'gehe', 'klettere' und 'steige' möglich.]",
                  ">nimm von korb und danke",
                  "['Von' kann nur in der Form erzähle <Person> von <Gegenstand> benutzt werden.]",
                  "Gern geschehen!"}));
  // Only the thanks counted a move.
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(ParserGameTest, AJokeCountsAMove) {
  EXPECT_EQ(Play({"nimm zu", "mache dich an"}), (Rows{">nimm zu", "Sehr witzig.", ">mache dich an", "Komische Idee."}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(ParserGameTest, AnswersToItsSentencesAreNoRefusalsAndTheLineGoesOn) {
  EXPECT_EQ(Play({"schaue hoch und nimm zu und steige raus und danke"}),
            (Rows{">schaue hoch und nimm zu und steige raus und danke", "Über dir siehst du nichts Besonderes.",
                  "Sehr witzig.", "Du kannst gerade aus nichts hinaussteigen.", "Gern geschehen!"}));
  EXPECT_EQ(h.session().move_count, 2);
}

TEST_F(ParserGameTest, ABareHineinAsksWhereToGo) {
  h.session().current_room = 3;
  EXPECT_EQ(Play({"hinein"}), (Rows{">hinein", "[In was willst du gehen?]"}));
  EXPECT_EQ(Utf8FromCp850(h.session().pending_completion), "gehe in ");
}

TEST_F(ParserGameTest, EverySentenceOfALineWithADirectionIsAMove) {
  h.session().current_room = 5;  // the well: only north-east leads away
  Play({"geh nach norden und süden", "s"});
  EXPECT_EQ(h.session().current_room, 5);
  EXPECT_EQ(h.session().move_count, 3);
}

TEST_F(ParserGameTest, GoingInsideIntoTheForest) {
  h.session().current_room = 1;
  const Rows rows = Play({"gehe hinein"});
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[1], "(gehe in den Wald)");
  EXPECT_EQ(h.session().current_room, 2);
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(ParserGameTest, GoingInsideAtTheHouseFrontMovesWest) {
  h.session().current_room = 11;
  h.session().door_locked = 1;
  EXPECT_EQ(Play({"gehe hinein"}), (Rows{">gehe hinein", "Die geschlossene Tür versperrt dir den Weg."}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(ParserGameTest, TheCorrectionRerunsTheWholeLineOfTheUnknownWord) {
  h.session().current_room = 3;
  h.session().basket_carried = 1;
  EXPECT_EQ(Play({"nimm xyz und danke", "oops korb"}),
            (Rows{">nimm xyz und danke", "[Ich kenne das Wort 'xyz' nicht.]", ">oops korb",
                  "[Korrigiert: nimm korb und danke.]", "Der Korb ist bereits in deinem Besitz.", "Gern geschehen!"}));
}

TEST_F(ParserGameTest, TheCorrectionIsTooLateAfterAnotherTurn) {
  EXPECT_EQ(Play({"xyz", "danke", "huch korb"}),
            (Rows{">xyz", "[Ich kenne das Wort 'xyz' nicht.]", ">danke", "Gern geschehen!", ">huch korb",
                  "[Es ist im Moment kein Wort zu ersetzen.]"}));
}

TEST_F(ParserGameTest, AnAnswerTwoTurnsLaterIsANewCommand) {
  EXPECT_EQ(Play({"schaue darunter", "danke", "bett"}),
            (Rows{">schaue darunter", "[Unter was willst du schauen?]", ">danke", "Gern geschehen!", ">bett",
                  "[Die Eingabe enthält kein Verb.]"}));
}

TEST_F(ParserGameTest, ReadingWithoutAnObjectReadsTheVoucher) {
  h.session().voucher_found = 1;
  h.session().voucher_carried = 1;
  const Rows rows = Play({"lies"});
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[1], "(den Gutschein)");
}

// Every sentence the parser handed on, as "verb object1 object2 preposition".
struct RecordedSentences {
  std::vector<std::string> sentences;
  CommandProcessor Processor() {
    return [this](GameSession& s, Console& c, InputOrigin origin) {
      const TurnEnd end = ProcessCommand(s, c, origin);
      const ParsedCommand& p = s.command;
      sentences.push_back(Utf8FromCp850(p.verb + " " + p.object1 + " " + p.object2 + " " + p.preposition));
      return end;
    };
  }
};

TEST(ParserGameCarriedPerson, ALaterSentenceWithoutAVerbAsksTheSamePerson) {
  RecordedSentences recorded;
  GameHarness h(recorded.Processor());
  h.StartUp();
  h.session().current_room = 8;
  h.session().beaver_present = 1;
  h.frontend.Line("frage biber nach korb und nach wolf");
  h.Play();
  ASSERT_EQ(recorded.sentences.size(), 3u);
  EXPECT_EQ(recorded.sentences[0], "frage biber korb nach");
  EXPECT_EQ(recorded.sentences[1], " biber wolf nach");  // the verb comes from the sentence before
  EXPECT_EQ(recorded.sentences[2], "frage biber wolf nach");
}

}  // namespace
