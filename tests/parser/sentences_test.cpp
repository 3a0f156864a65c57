// Sentence splitting, the referents of the pronouns, plural objects and
// the word "alles".
#include "parser/sentences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "parser/classifier.h"
#include "parser/command_processor.h"
#include "support/game_harness.h"
#include "world/game_session.h"

namespace {

class SentencesTest : public ::testing::Test {
 protected:
  SentencesTest() : console(frontend) {
    session.current_room = 3;
    console.SetCursor(4, 1);  // the text area
  }

  // Splits off and reads the words of the first sentence of a UTF-8 line
  // (as the cleaned line of a typed command); the message when it is
  // rejected, else "".
  std::string Read(const char* utf8) {
    session.command = ParsedCommand{};
    session.message_line.clear();
    session.input_line = Cp850(utf8);
    if (SplitSentence(session, false)) return Utf8FromCp850(session.message_line);
    if (ReadSentenceWords(session, console)) return Utf8FromCp850(session.message_line);
    return "";
  }
  // The last non-empty rows printed directly (notes), UTF-8.
  std::string LastPrinted() {
    frontend.Flush(console);
    for (auto it = frontend.Lines().rbegin(); it != frontend.Lines().rend(); ++it) {
      if (!it->empty()) return *it;
    }
    return "";
  }
  std::string U(const std::string& cp850) { return Utf8FromCp850(cp850); }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(SentencesTest, SplitsOffTheFirstSentence) {
  const struct {
    const char* line;
    bool from_program;
    const char* sentence;
    const char* rest;
    int more;
  } splits[] = {
      {"nimm korb und  geh nord und  schaue ", false, "nimm korb", " geh nord und  schaue ", 1},
      {" geh nord und  schaue  ", false, " geh nord", " schaue  ", 1},  // the rest, as it is queued
      {"Nimm Korb", false, "nimm korb", "", 0},         // folded once more
      {"rundum und hund", false, "rundum", "hund", 1},  // "und" only as a word
      {"nimm korb und", false, "nimm korb", "", 1},     // an "und" at the end queues an empty sentence
      {"a. b", false, "a. b", "", 0},                   // a typed line never holds marks: no split there
      // Lines from the program also end at marks, and before any "und".
      {"schaue unter bett. nimm korb", true, "schaue unter bett", " nimm korb", 1},
      {"a. b! c", true, "a. b", " c", 1},  // the "!" wins
      {"nimm korb und geh. nord", true, "nimm korb und geh", " nord", 1},
  };
  for (const auto& split : splits) {
    session = GameSession{};
    session.input_line = split.line;
    EXPECT_FALSE(SplitSentence(session, split.from_program)) << split.line;
    EXPECT_EQ(session.sentence_text, split.sentence) << split.line;
    EXPECT_EQ(session.pending_sentences, split.rest) << split.line;
    EXPECT_EQ(session.more_sentences_pending, split.more) << split.line;
  }
  EXPECT_EQ(session.input_line, "nimm korb und geh  nord");  // the last row's mark is blanked
}

TEST_F(SentencesTest, ALoneUndMakesNoSense) {
  session.input_line = "und";
  ASSERT_TRUE(SplitSentence(session, false));
  EXPECT_EQ(U(session.message_line), "[Dein Satz ergibt keinen Sinn.]");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SentencesTest, AccusativePronounAgreeingWithTheLastNamedObjectIsSilent) {
  EXPECT_EQ(Read("nimm den frosch"), "");
  EXPECT_EQ(session.last_named_object, "frosch");
  EXPECT_EQ(session.referent_masc, "frosch");
  EXPECT_EQ(Read("küsse ihn"), "");
  EXPECT_EQ(session.command.object1, "frosch");
  EXPECT_EQ(session.command.pronoun_count, 1);
  EXPECT_EQ(session.pronoun_note_shown, 0);
}

TEST_F(SentencesTest, OtherwiseTheReferentOfItsKindIsShownInANote) {
  EXPECT_EQ(Read("untersuche den brunnen"), "");
  EXPECT_EQ(Read("untersuche die oma"), "");
  EXPECT_EQ(session.last_named_object, "oma");
  EXPECT_EQ(session.referent_fem, "oma");
  EXPECT_EQ(Read("küsse ihn"), "");
  EXPECT_EQ(session.command.object1, "brunnen");
  EXPECT_EQ(LastPrinted(), "(den Brunnen)");
  EXPECT_EQ(session.pronoun_note_shown, 1);

  session.referent_neuter = "haus";
  session.lines_since_pause = 3;
  EXPECT_EQ(Read("betrete es"), "");
  EXPECT_EQ(session.command.object1, "haus");
  EXPECT_EQ(LastPrinted(), "(das Haus)");
  EXPECT_EQ(session.lines_since_pause, 4);  // a note counts as one printed line

  EXPECT_EQ(Read("untersuche den korb"), "");
  EXPECT_EQ(Read("umarme sie"), "");
  EXPECT_EQ(session.command.object1, "oma");
  EXPECT_EQ(LastPrinted(), "(die Oma)");
}

// Nothing named at all is played in SentencesGameTest.PronounMessages.
TEST_F(SentencesTest, SomethingNamedButNothingOfThePronounsKindIsPrintedAtOnce) {
  EXPECT_EQ(Read("nimm die zeitung"), "");
  session.referent_masc.clear();
  session.command = ParsedCommand{};
  session.message_line.clear();
  session.input_line = "nimm ihn und geh nord";
  ASSERT_FALSE(SplitSentence(session, false));
  ParseStep stop = ReadSentenceWords(session, console);
  ASSERT_TRUE(stop);
  EXPECT_EQ(*stop, TurnEnd::kTopOfTurn);
  EXPECT_EQ(LastPrinted(), "[Ich weiß nicht, auf welches Objekt du dich beziehst.]");
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.message_line, "");
}

TEST_F(SentencesTest, PronounAfterTheObjectIsWordOrder) {
  EXPECT_EQ(Read("nimm den frosch"), "");
  EXPECT_EQ(Read("nimm den korb ihn"), "[Ich verstehe deinen Satz wegen der Wortstellung nicht.]");
  EXPECT_EQ(Read("lege den korb auf ihn"), "");
  EXPECT_EQ(session.command.object2, "korb");  // "ihn" was the last named object: the basket
}

// With nothing named at all they are played in SentencesGameTest.PronounMessages.
TEST_F(SentencesTest, DativePronouns) {
  session.referent_last = "wolf";
  session.referent_last_gender = 1;
  session.referent_masc = "wolf";
  EXPECT_EQ(Read("gib ihm den korb"), "");
  EXPECT_EQ(session.command.object1, "wolf");
  EXPECT_EQ(session.command.object2, "korb");
  EXPECT_EQ(Read("gib ihr den korb"), "[Ich weiß nicht, auf was du 'ihr' beziehst.]");
  EXPECT_EQ(Read("gib ihnen den korb"), "[Ich weiß nicht, auf was du 'ihnen' beziehst.]");

  session.referent_fem = "oma";
  session.referent_plural = "schafe";
  EXPECT_EQ(Read("gib ihr den korb"), "");
  EXPECT_EQ(session.command.object1, "oma");
  EXPECT_EQ(Read("zeige ihnen den korb"), "");
  EXPECT_EQ(session.command.object1, "schafe");

  // Speaking to someone: the last named person.
  session.last_named_object = "oma";
  session.last_named_gender = 2;
  EXPECT_EQ(Read("erzähle ihr von wolf"), "");
  EXPECT_EQ(session.command.object1, "oma");
}

TEST_F(SentencesTest, ReferentUpdateAfterASentence) {
  Read("pflücke blumen");
  MarkPlurals(session.command);
  EXPECT_EQ(session.command.object1_plural, 1);
  EXPECT_EQ(session.command.object1_dative_name, "Blumen");
  UpdateReferents(session);
  EXPECT_EQ(session.referent_plural, "blumen");
  EXPECT_EQ(session.referent_last, "blumen");
  EXPECT_EQ(session.referent_fem, "");

  // With two objects only the second one is remembered.
  Read("gib dem wolf das schaf");
  UpdateReferents(session);
  EXPECT_EQ(session.referent_neuter, "schaf");
  EXPECT_EQ(session.referent_last, "schaf");

  // The player is never "ihn".
  session.referent_masc = "wolf";
  Read("untersuche dich");
  UpdateReferents(session);
  EXPECT_EQ(session.referent_masc, "wolf");
  EXPECT_EQ(session.referent_last, "dich");
}

TEST_F(SentencesTest, NothingIsRememberedWhileAQuestionIsOpenOrAVerbIsCarriedOrAfterIhmIhr) {
  Read("untersuche den korb");
  session.referent_last = "x";
  session.pending_mode = 2;
  UpdateReferents(session);
  EXPECT_EQ(session.referent_last, "x");
  session.pending_mode = 0;
  session.context_verb_turns = 1;
  UpdateReferents(session);
  EXPECT_EQ(session.referent_last, "x");
  EXPECT_EQ(session.referent_masc, "korb");  // set by the classifier, not by the update
  session.context_verb_turns = 0;
  for (const char* text : {"gib den korb ihm", "gib den korb ihr"}) {
    session.sentence_text = text;
    UpdateReferents(session);
    EXPECT_EQ(session.referent_last, "x") << text;
  }
  session.sentence_text = "untersuche den korb";
  UpdateReferents(session);
  EXPECT_EQ(session.referent_last, "korb");
  EXPECT_EQ(session.referent_last_gender, 1);
}

TEST_F(SentencesTest, FeminineSecondObjectIsNotRememberedWhenTheSentenceSaysSie) {
  session.referent_fem = "oma";
  session.last_named_object = "wolf";
  session.last_named_gender = 1;
  session.referent_masc = "wolf";
  Read("gib sie der kugel");
  EXPECT_EQ(session.command.object2, "kugel");
  UpdateReferents(session);
  EXPECT_EQ(session.referent_fem, "oma");
  EXPECT_EQ(session.referent_last, "kugel");
}

TEST_F(SentencesTest, PluralMarkingNamesTheDativePlural) {
  ParsedCommand command;
  command.object1 = Cp850("bäume");
  command.object2 = "schafe";
  MarkPlurals(command);
  EXPECT_EQ(command.object1_plural, 1);
  EXPECT_EQ(U(command.object1_dative_name), "Bäumen");
  EXPECT_EQ(command.object2_plural, 1);
  EXPECT_EQ(command.object2_dative_name, "Schafen");
  ParsedCommand single;
  single.object1 = "schaf";
  MarkPlurals(single);
  EXPECT_EQ(single.object1_plural, 0);
  EXPECT_EQ(single.object1_dative_name, "");
}

TEST_F(SentencesTest, ThePersonSpokenToStillNeedsARememberedObject) {
  session.last_named_object = "oma";
  session.last_named_gender = 2;
  EXPECT_EQ(Read("erzähle ihr von wolf"), "[Ich weiß nicht, auf was du 'oma' beziehst.]");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SentencesTest, IhnNextToThePlayerStaysUnresolved) {
  session.referent_masc = "brunnen";
  EXPECT_EQ(Read("untersuche die oma"), "");
  EXPECT_EQ(Read("lege dich auf ihn"), "[Ich weiß nicht, worauf du 'ihn' beziehst.]");
}

// Reads a sentence and runs the "alles" checks; the message or "".
class AllesTest : public SentencesTest {
 protected:
  std::string Alles(const char* utf8) {
    const std::string read = Read(utf8);
    if (!read.empty()) return read;
    if (CheckAlles(session)) return U(session.message_line);
    return "";
  }
};

// The refusals are played word for word in SentencesGameTest.AllesOnlyInItsTwoForms.
TEST_F(AllesTest, OnlyTakeAllAndDropAll) {
  EXPECT_EQ(Alles("nimm alles"), "");
  EXPECT_EQ(Alles("lege alles hin"), "");
  EXPECT_EQ(Alles("iss alles korb"), "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]");
  EXPECT_EQ(Alles("lies alles auf"), "");
  EXPECT_EQ(session.command.verb, "nehme");
  EXPECT_EQ(session.command.preposition_count, 0);
}

TEST_F(AllesTest, ACarriedLeseAlsoPicksUp) {
  session.context_verb = "lese";
  EXPECT_EQ(Alles("iss alles auf"), "");
  EXPECT_EQ(session.command.verb, "nehme");
  EXPECT_EQ(session.command.preposition, "");
}

// --- The same rules in the running game --------------------------------------

class SentencesGameTest : public ::testing::Test {
 protected:
  SentencesGameTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
  }
  // The non-empty rows printed for the queued lines.
  std::vector<std::string> Play(const std::vector<std::string>& lines) { return h.PlayLines(lines); }
  static bool Has(const std::vector<std::string>& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  }
  GameHarness h;
};

using Rows = std::vector<std::string>;

TEST_F(SentencesGameTest, FurtherSentencesRunWithoutAPromptUnlessTheFirstFails) {
  const Rows rows = Play({"nimm xyz und geh nord", "nimm korb und geh nord"});
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const std::string& row) { return row.front() == '>'; }), 2);
  EXPECT_TRUE(Has(rows, "[Ich kenne das Wort 'xyz' nicht.]"));
  EXPECT_TRUE(Has(rows, "Auf einem Waldweg")) << ::testing::PrintToString(rows);
  EXPECT_EQ(h.session().current_room, 2);
  EXPECT_EQ(h.session().more_sentences_pending, 0);
}

TEST_F(SentencesGameTest, AnUndAtTheEndRightAfterAnUnknownWordRunsAnEmptySentence) {
  EXPECT_EQ(Play({"xyz", "verdammt und"}),
            (Rows{">xyz", "[Ich kenne das Wort 'xyz' nicht.]", ">verdammt und", "Kein Kommentar hierzu.",
                  "[Die Eingabe enthält kein Verb.]"}));
  EXPECT_EQ(h.session().more_sentences_pending, 0);
}

TEST_F(SentencesGameTest, IhnShowsTheMasculineReferentWhenTheLastNamedIsFeminine) {
  const Rows rows = Play({"untersuche den brunnen", "untersuche die oma", "küsse ihn"});
  const auto echo = std::find(rows.begin(), rows.end(), ">küsse ihn");
  ASSERT_NE(echo, rows.end());
  ASSERT_NE(echo + 1, rows.end());
  EXPECT_EQ(*(echo + 1), "(den Brunnen)");
  EXPECT_EQ(h.session().referent_masc, "brunnen");
  EXPECT_EQ(h.session().referent_fem, "oma");
  EXPECT_EQ(h.session().referent_last, "brunnen");  // remembered at the top of the following turn
}

TEST_F(SentencesGameTest, AnAgreeingPronounIsSilent) {
  h.session().current_room = 5;
  const Rows rows = Play({"nimm den frosch. küsse ihn"});
  EXPECT_EQ(rows.front(), ">nimm den frosch. küsse ihn");
  for (const std::string& row : rows) EXPECT_NE(row.front(), '(') << row;
  EXPECT_EQ(h.session().referent_last, "frosch");
}

TEST_F(SentencesGameTest, NoReferentOfTheKindIsReportedAtOnceAndDropsTheLine) {
  EXPECT_EQ(Play({"untersuche die oma", "küsse ihn und geh nord"}),
            (Rows{">untersuche die oma", "Du siehst deine Oma hier nicht.", ">küsse ihn und geh nord",
                  "[Ich weiß nicht, auf welches Objekt du dich beziehst.]"}));
  EXPECT_EQ(h.session().current_room, 1);
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SentencesGameTest, PronounMessages) {
  const Rows rows = Play({"küsse ihn und geh nord", "gib ihm den korb", "gib ihnen den korb", "nimm den korb ihn"});
  EXPECT_EQ(rows, (Rows{">küsse ihn und geh nord", "[Ich weiß nicht, auf was du dich beziehst.]",
                        ">gib ihm den korb", "[Ich weiß nicht, auf was du 'ihm' beziehst.]", ">gib ihnen den korb",
                        "[Ich weiß nicht, auf was du 'ihnen' beziehst.]", ">nimm den korb ihn",
                        "[Ich verstehe deinen Satz wegen der Wortstellung nicht.]"}));
  EXPECT_EQ(h.session().current_room, 1);
}

TEST_F(SentencesGameTest, PluralObjectsBecomeThePluralReferent) {
  const Rows rows = Play({"pflücke blumen", "gib ihnen den korb", "nimm sie"});
  EXPECT_EQ(h.session().referent_plural, "blumen");
  EXPECT_EQ(h.session().referent_fem, "");
  EXPECT_EQ(h.session().referent_last, "blumen");
  EXPECT_EQ(h.session().referent_last_gender, 2);
  // "ihnen" and "sie" both stood for the flowers, "sie" without a note.
  EXPECT_EQ(std::count(rows.begin(), rows.end(), "Du siehst hier keine Blumen."), 3);
  for (const std::string& row : rows) EXPECT_NE(row.front(), '(') << row;
}

TEST_F(SentencesGameTest, AllesOnlyInItsTwoForms) {
  const Rows rows = Play({"nimm alles aus korb", "lege alles in korb", "iss alles", "nimm alles alles",
                          "schaue alles an", "lies alles auf korb", "alles", "nimm alles und alles"});
  EXPECT_EQ(rows, (Rows{">nimm alles aus korb", "[Das Spiel versteht nur die Eingabeform 'nehme alles'.]",
                        ">lege alles in korb", "[Das Spiel versteht nur die Eingabeform 'lege alles hin'.]",
                        ">iss alles", "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]",
                        ">nimm alles alles", "[Das Wort 'alles' kann nur einmal pro Satzteil verwendet werden.]",
                        ">schaue alles an",
                        "[Das Spiel versteht nur die Eingabeformen 'nimm alles' und 'lege alles hin'.]",
                        ">lies alles auf korb", "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]",
                        ">alles", "[Die Eingabe enthält kein Verb.]", ">nimm alles und alles",
                        "Es ist nichts hier, was du nehmen kannst.", "[Die Eingabe enthält kein Verb.]"}));
}

TEST_F(SentencesGameTest, LiesAllesAufTakesEverything) {
  const Rows rows = Play({"lege alles hin", "lies alles auf"});
  EXPECT_TRUE(Has(rows, "Du legst den Korb hin.")) << ::testing::PrintToString(rows);
  EXPECT_TRUE(Has(rows, "Du nimmst den Korb.")) << ::testing::PrintToString(rows);
  EXPECT_EQ(h.session().basket_carried, 1);
}

}  // namespace
