#include "parser/second_stage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "console/text_output.h"
#include "parser/name_forms.h"
#include "parser/shared_answers.h"
#include "parser/vocabulary.h"
#include "parser/visible_words.h"

namespace {

// Fills the parsed command word by word, as the classifier would, with
// positions that grow from left to right.
class CommandBuilder {
 public:
  explicit CommandBuilder(ParsedCommand& command) : c_(command) {}

  CommandBuilder& Verb(std::string_view verb) {
    c_.verb = Cp850(verb);
    ++c_.verb_count;
    c_.verb_pos = Next();
    return *this;
  }
  CommandBuilder& Noun(std::string_view utf8) {
    const std::string noun = Cp850(utf8);
    const int pos = Next();
    int gender = NounGender(noun);
    if (gender == 0) gender = 2;  // names outside the lists
    int plural = 0;
    std::string display;
    if (noun == "bienen" || noun == "blumen") {
      plural = 1;
      display = Capitalise(noun);
    } else if (noun == Cp850("bäume") || noun == Cp850("sträucher") || noun == "schafe") {
      plural = 1;
      display = Capitalise(noun) + "n";
    }
    if (c_.object_count == 0) {
      c_.object1 = noun;
      c_.object1_gender = gender;
      c_.object1_pos = pos;
      c_.object1_plural = plural;
      c_.object1_dative_name = display;
    } else if (c_.object_count == 1) {
      c_.object2 = noun;
      c_.object2_gender = gender;
      c_.object2_pos = pos;
      c_.object2_plural = plural;
      c_.object2_dative_name = display;
    }
    ++c_.object_count;
    return *this;
  }
  CommandBuilder& Article(std::string_view article) {
    if (c_.article_count == 0) {
      c_.first_article = std::string(article);
      c_.first_article_pos = Next();
    } else {
      c_.second_article = std::string(article);
      c_.second_article_pos = Next();
    }
    ++c_.article_count;
    return *this;
  }
  CommandBuilder& Adjective(std::string_view adjective) {
    if (c_.adjective_count == 0) {
      c_.adjective1 = Cp850(adjective);
      c_.adjective1_pos = Next();
    } else {
      c_.adjective2 = Cp850(adjective);
      c_.adjective2_pos = Next();
    }
    ++c_.adjective_count;
    return *this;
  }
  CommandBuilder& Preposition(std::string_view preposition) {
    c_.preposition = Cp850(preposition);
    ++c_.preposition_count;
    c_.preposition_pos = Next();
    return *this;
  }
  CommandBuilder& Mit() {
    ++c_.mit_count;
    c_.mit_pos = Next();
    return *this;
  }
  CommandBuilder& Alles() {
    ++c_.alles_count;
    Next();
    return *this;
  }

 private:
  int Next() { return pos_ += 10; }

  ParsedCommand& c_;
  int pos_ = 0;
};

class SecondStageTest : public ::testing::Test {
 protected:
  SecondStageTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(4, 1);
  }

  CommandBuilder Say() {
    session.command = ParsedCommand{};
    return CommandBuilder(session.command);
  }
  // The checks alone, so that the verb handlers behind them do not matter.
  std::optional<TurnEnd> Run() { return CheckCommand(session, console); }
  std::string Message() const { return Utf8FromCp850(session.message_line); }
  std::string Field(const std::string& cp850) const { return Utf8FromCp850(cp850); }
  // The lines printed at once, in order.
  std::vector<std::string> Printed() {
    frontend.Flush(console);
    return frontend.Lines();
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

// --- The verb --------------------------------------------------------------------

TEST_F(SecondStageTest, ASentenceWithoutVerbTakesTheCarriedVerbAndIsReadAgain) {
  session.context_verb = "nehme";
  session.input_line = "korb ";
  Say().Noun("korb");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.input_line, "nehme korb ");
  EXPECT_EQ(session.line_from_program, 1);
  EXPECT_EQ(session.suppress_blank_line, 1);
  EXPECT_EQ(session.context_verb_turns, 1);
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(Message(), "");
}

TEST_F(SecondStageTest, TheCarriedVerbKeepsTheRestOfTheLineBehindTheSentence) {
  session.context_verb = "nehme";
  session.input_line = "zeitung und geh nord ";
  session.pending_sentences = "geh nord ";
  session.more_sentences_pending = 1;
  Say().Noun("zeitung");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.input_line, "nehme zeitung und geh nord ");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, ASentenceWithoutAnyVerbIsRejected) {
  session.line_from_program = 1;
  Say().Noun("korb");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Die Eingabe enthält kein Verb.]");
  EXPECT_EQ(session.line_from_program, 0);

  session.more_sentences_pending = 1;
  Say().Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[Der zuerst zu bearbeitende Satzteil enthält kein Verb.]");
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, TwoVerbsAreRejected) {
  Say().Verb("nehme").Verb("lege").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[Bitte nur ein Verb pro Satzteil verwenden!]");
  EXPECT_EQ(session.move_count, 0);
}

// --- Taking out of and throwing into something -----------------------------------------

TEST_F(SecondStageTest, TakingOffOrOutOfSomethingWithoutObjectAsks) {
  Say().Verb("werfe").Preposition("in");
  Run();
  EXPECT_EQ(Message(), "[Was willst du in etwas werfen?]");
  EXPECT_EQ(session.pending_completion, " werfe in ");
  EXPECT_EQ(session.pending_mode, 2);

  Say().Verb("nehme").Preposition("ab");
  Run();
  EXPECT_EQ(Message(), "[Was willst du abnehmen?]");
  EXPECT_EQ(session.pending_completion, " nehme ab ");

  Say().Verb("nehme").Preposition("aus");
  Run();
  EXPECT_EQ(Message(), "[Was willst du aus etwas nehmen?]");
  EXPECT_EQ(session.pending_completion, " nehme aus ");

  Say().Verb("nehme").Noun("korb").Preposition("aus");
  Run();
  EXPECT_EQ(Message(), "[Aus was willst du den Korb nehmen?]");
  EXPECT_EQ(session.pending_completion, " nehme korb aus ");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, TakingOneThingOutOfAnotherHasItsOwnAnswers) {
  Say().Verb("nehme").Noun("kuchen").Preposition("aus").Noun("korb");
  Run();
  EXPECT_EQ(Message(),
            "Wie du dich kennst, würde dir der Kuchen nach drei Schritten auf den Boden fallen. Im Korb ist er "
            "sicherer.");

  Say().Verb("nehme").Noun("taler").Preposition("aus").Noun("münzausgabe");
  Run();
  EXPECT_EQ(Message(), "Aber der Taler ist nicht in der Münzausgabe.");

  session.coin_state = 5;
  Say().Verb("nehme").Noun("taler").Preposition("aus").Noun("münzausgabe");
  Run();
  EXPECT_EQ(Message(), "Du nimmst den Taler aus der Münzausgabe.");
  EXPECT_EQ(session.coin_state, 1);

  Say().Verb("nehme").Noun("bienen").Preposition("aus").Noun("honigglas");
  Run();
  EXPECT_EQ(Message(), "Aber die Bienen sind nicht in dem Honigglas.");

  Say().Verb("nehme").Noun("dich").Preposition("aus").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "Aber du bist nicht in dem Korb.");

  Say().Verb("nehme").Noun("korb").Preposition("aus").Noun("dich");
  Run();
  EXPECT_EQ(Message(), "Aber der Korb ist nicht in dir.");

  Say().Verb("nehme").Noun("korb").Preposition("aus").Noun("bäume");
  Run();
  EXPECT_EQ(Message(), "Aber der Korb ist nicht in den Bäumen.");
  EXPECT_EQ(session.move_count, 0);
}

// --- No object ----------------------------------------------------------------------

TEST_F(SecondStageTest, AVerbAloneAsksForItsObjectAndRemembersTheVerb) {
  Say().Verb("nehme");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Was willst du nehmen?]");
  EXPECT_EQ(session.context_verb, "nehme");
  EXPECT_EQ(session.context_verb_turns, 2);
  EXPECT_EQ(session.pending_mode, 2);
  EXPECT_EQ(session.move_count, 0);

  Say().Verb("gehe");
  Run();
  EXPECT_EQ(Message(), "[Wohin willst du gehen?]");
  EXPECT_EQ(session.context_verb, "gehe");
}

TEST_F(SecondStageTest, EachVerbAsksItsOwnQuestion) {
  struct Case {
    std::string_view verb;
    std::string_view preposition;
    std::string_view question;
    std::string_view completion;
  };
  const Case cases[] = {
      {"denke", "", "[An was willst du denken?]", " denke an "},
      {"krieche", "unter", "[Unter was willst du kriechen?]", " krieche unter "},
      {"löse", "ein", "[Was willst du einlösen?]", " löse ein "},
      {"grüße", "", "[Wen willst du grüßen?]", "grüße "},
      {"wecke", "", "[Wen willst du wecken?]", "wecke "},
      {"umarme", "", "[Wen willst du umarmen?]", "umarme "},
      {"rufe", "", "[Wen willst du rufen?]", "rufe "},
      {"lausche", "an", "[An was willst du lauschen?]", "lausche an "},
      {"streichle", "", "[Was willst du streicheln?]", " streichle "},
      {"kitzle", "", "[Was willst du kitzeln?]", " kitzle "},
      {"werfe", "", "[Was willst du werfen?]", "werfe "},
      {"werfe", "um", "[Was willst du umwerfen?]", "werfe um "},
      {"werfe", "ab", "[Was willst du abwerfen?]", "werfe ab"},
      {"ziehe", "aus", "[Was willst du ausziehen?]", "ziehe aus "},
      {"ziehe", "", "[An was willst du ziehen?]", " ziehe an "},
      {"grabe", "", "[Worin?]", ""},
      {"rieche", "", "[An was willst du riechen?]", ""},
      {"steige", "auf", "[Auf was willst du steigen?]", "steige auf "},
      {"steige", "durch", "[Durch was willst du steigen?]", "steige durch "},
      {"steige", "aus", "[Aus was willst du steigen?]", "steige aus "},
      {"steige", "in", "[In was willst du klettern?]", "steige in "},
      {"steige", "", "[Auf was willst du steigen?]", "steige auf "},
      {"schalte", "", "[Was möchtest du an- oder ausschalten?]", "schalte "},
      {"schalte", "an", "[Was willst du anschalten?]", "schalte an "},
      {"schalte", "aus", "[Was willst du ausschalten?]", "schalte aus "},
      {"klopfe", "", "[Gegen was willst du klopfen?]", ""},
      {"stelle", "", "[Was willst du hinstellen?]", ""},
      {"gehe", "in", "[In was willst du gehen?]", "gehe in "},
      {"gehe", "zu", "[Zu was willst du gehen?]", "gehe zu "},
      {"gehe", "auf", "[Auf was willst du gehen?]", "gehe auf "},
      {"gehe", "durch", "[Durch was willst du gehen?]", "gehe durch "},
      {"gehe", "nach", "[Wohin willst du gehen?]", ""},
      {"werfe", "hin", "[Was willst du werfen?]", ""},
      {"lege", "in", "[Was willst du in etwas legen?]", "lege in "},
      {"lege", "auf", "[Was willst du auf etwas legen?]", "lege "},
      {"lege", "", "[Was willst du hinlegen?]", ""},
      {"gebe", "", "[Wem willst du etwas geben?]", ""},
      {"zeige", "", "[Wem willst du etwas zeigen?]", ""},
      {"erzähle", "", "[Wem willst du etwas erzählen?]", ""},
      {"frage", "", "[Wen willst du etwas fragen?]", ""},
      {"öffne", "", "[Was willst du öffnen?]", ""},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.verb) + " " + std::string(test.preposition));
    session.pending_completion.clear();
    session.context_verb.clear();
    auto say = Say().Verb(test.verb);
    if (!test.preposition.empty()) say.Preposition(test.preposition);
    EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
    EXPECT_EQ(Message(), test.question);
    EXPECT_EQ(Field(session.pending_completion), test.completion);
    EXPECT_EQ(Field(session.context_verb), test.verb);
    EXPECT_EQ(session.context_verb_turns, 2);
  }
  EXPECT_EQ(session.move_count, 0);
  EXPECT_TRUE(Printed().empty());
}

TEST_F(SecondStageTest, SomeQuestionsShowTheAssumedParticleFirst) {
  Say().Verb("zünde");
  Run();
  Say().Verb("stecke");
  Run();
  EXPECT_EQ(Message(), "[Was willst du in etwas stecken?]");
  EXPECT_EQ(session.pending_completion, "stecke in ");
  EXPECT_EQ(Printed(), (std::vector<std::string>{"(zünde an)", "(stecke in)"}));

  Say().Verb("zünde").Preposition("an");
  Run();
  EXPECT_EQ(Message(), "[Was willst du anzünden?]");
  EXPECT_EQ(Field(session.pending_completion), " zünde an ");
  EXPECT_EQ(Printed().size(), 2u);
}

TEST_F(SecondStageTest, SomeVerbsWithoutObjectAreAnsweredOrRefused) {
  Say().Verb("krieche");
  Run();
  EXPECT_EQ(Message(), "Kriechen hilft dir nicht weiter.");
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("setze").Preposition("auf");
  Run();
  EXPECT_EQ(Message(), "[Hier fehlt das Objekt.]");
  Say().Verb("ziehe").Preposition("an");
  Run();
  EXPECT_EQ(Message(), "[Hier fehlt das Objekt.]");
  Say().Verb("rede");
  Run();
  EXPECT_EQ(Message(), "[Bitte verwende 'frage' und 'erzähle', um mit Personen zu sprechen.]");
  Say().Verb("stehe");
  Run();
  EXPECT_EQ(Message(), "Du stehst bereits.");
  EXPECT_EQ(session.move_count, 1);
  EXPECT_EQ(session.pending_mode, 0);
}

TEST_F(SecondStageTest, SittingDownSitsOnTheBenchOnTheForestPath) {
  session.current_room = 2;
  Say().Verb("setze");
  Run();
  EXPECT_EQ(session.command.verb, "setze");
  EXPECT_EQ(session.command.object1, "dich");
  EXPECT_EQ(session.command.object2, "bank");
  EXPECT_EQ(session.command.object_count, 2);

  session.current_room = 3;
  Say().Verb("sitze").Preposition("auf");
  Run();
  EXPECT_EQ(session.command.verb, "setze");
  EXPECT_EQ(session.command.object1, "dich");
  EXPECT_EQ(session.command.object_count, 1);
  EXPECT_EQ(Printed(), (std::vector<std::string>{"(setze dich auf die Bank)", "(setze dich)"}));
}

TEST_F(SecondStageTest, AnAdjectiveOrAllesWithoutObject) {
  Say().Verb("nehme").Adjective("goldene");
  Run();
  EXPECT_EQ(Message(), "[Hier fehlt das Objekt, so dass dieser Satz keinen Sinn ergibt.]");

  Say().Verb("nehme").Alles().Adjective("goldene");
  Run();
  EXPECT_EQ(Message(), "['Alles' kann nicht in Verbindung mit 'goldene' verwendet werden.]");

  Say().Verb("esse").Alles();
  Run();
  EXPECT_EQ(Message(), "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, TakeAllAndDropAllAreHandedOnWithoutAQuestion) {
  Say().Verb("nehme").Alles();
  Run();
  EXPECT_EQ(session.pending_mode, 0);
  EXPECT_TRUE(session.context_verb.empty());
  Say().Verb("lege").Alles();
  Run();
  EXPECT_EQ(session.pending_mode, 0);
  EXPECT_TRUE(session.context_verb.empty());
}

TEST_F(SecondStageTest, JumpingNeedsNoObjectAndCountsAMove) {
  Say().Verb("springe");
  Run();
  EXPECT_EQ(session.move_count, 1);
}

// --- Several objects and articles ---------------------------------------------------------

TEST_F(SecondStageTest, SeveralObjectsNeedAVerbThatTakesThem) {
  Say().Verb("nehme").Noun("korb").Noun("zeitung");
  Run();
  EXPECT_EQ(Message(), "[Mit diesem Verb können nicht mehrere Objekte verwendet werden.]");

  Say().Verb("schaue").Preposition("um").Noun("korb").Noun("zeitung");
  Run();
  EXPECT_EQ(Message(), "[Mit diesem Verb können nicht mehrere Objekte verwendet werden.]");

  Say().Verb("lege").Noun("korb").Preposition("auf").Noun("boden").Noun("weg");
  Run();
  EXPECT_EQ(Message(), "[Bitte verwende höchstens zwei Objekte pro Eingabe.]");

  session.command.pronoun_count = 0;
  Say().Verb("lege").Noun("korb").Preposition("auf").Noun("boden");
  session.command.pronoun_count = 2;
  Run();
  EXPECT_EQ(Message(), "[Jetzt verwirrst du mich dann doch... Das habe ich nicht verstanden.]");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, AVerbOfASentenceWithObjectsIsCarriedToTheNextSentenceOfTheLine) {
  session.more_sentences_pending = 1;
  Say().Verb("nehme").Noun("korb");
  Run();
  EXPECT_EQ(session.context_verb, "nehme");

  session.context_verb.clear();
  session.more_sentences_pending = 0;
  Say().Verb("nehme").Noun("korb");
  Run();
  EXPECT_TRUE(session.context_verb.empty());
}

TEST_F(SecondStageTest, MoreArticlesThanObjectsIsNotedAndTheCommandGoesOn) {
  Say().Verb("nehme").Article("den").Article("den").Noun("korb");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"[Du benutzt mehr Artikel als Objekte!?]"}));
  EXPECT_EQ(session.move_count, 1);
}

TEST_F(SecondStageTest, TheInstrumentNamedFirstBecomesObjectTwo) {
  session.current_room = 11;
  session.key_holder = 1;
  session.spare_key_found = 1;
  Say().Verb("öffne").Mit().Article("dem").Adjective("verbogene").Noun("schlüssel").Article("die").Noun("tür");
  Run();
  const ParsedCommand& c = session.command;
  EXPECT_EQ(c.object1, Cp850("tür"));
  EXPECT_EQ(c.object1_gender, 2);
  EXPECT_EQ(c.first_article, "die");
  EXPECT_EQ(c.object2, Cp850("schlüssel"));
  EXPECT_EQ(c.object2_gender, 1);
  EXPECT_EQ(c.second_article, "dem");
  EXPECT_EQ(c.adjective1, "verbogene");  // a single adjective stays where it was
  EXPECT_EQ(Field(session.object1_phrase), "Tür ");
  EXPECT_EQ(session.move_count, 1);
}

TEST_F(SecondStageTest, ASingleArticleStaysWithItsThingWhenTheInstrumentComesFirst) {
  session.current_room = 11;
  session.key_holder = 1;
  session.spare_key_found = 1;
  Say().Verb("öffne").Mit().Noun("schlüssel").Article("die").Noun("tür");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("tür"));
  EXPECT_EQ(session.command.first_article, "die");
  EXPECT_EQ(session.move_count, 1);
  Say().Verb("öffne").Mit().Article("dem").Noun("schlüssel").Noun("tür");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("tür"));
  EXPECT_EQ(session.command.second_article, "dem");
  EXPECT_EQ(session.move_count, 2);
  Say().Verb("öffne").Mit().Article("die").Noun("schlüssel").Noun("tür");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 2);
}

TEST_F(SecondStageTest, TheArticleOfObjectTwoMustFitTheVerb) {
  Say().Verb("lege").Article("den").Noun("korb").Preposition("auf").Article("der").Noun("boden");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'der' keinen Sinn.]");

  Say().Verb("öffne").Article("die").Noun("tür").Mit().Article("den").Noun("schlüssel");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'den' keinen Sinn.]");

  Say().Verb("erzähle").Noun("wolf").Preposition("von").Article("die").Noun("kugel");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 0);

  // A single article after object 1 is the article of object 2.
  Say().Verb("lege").Noun("korb").Preposition("auf").Article("den").Noun("boden");
  Run();
  EXPECT_EQ(session.move_count, 1);
}

TEST_F(SecondStageTest, APluralInstrumentTakesTheDativePlural) {
  Say().Verb("öffne").Noun("korb").Mit().Article("die").Noun("bienen");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");

  Say().Verb("öffne").Mit().Article("die").Noun("bienen").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");

  // Past the articles, the bees are missing here.
  Say().Verb("öffne").Mit().Article("den").Noun("bienen").Article("den").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keine Bienen.");
  Say().Verb("öffne").Article("den").Noun("korb").Mit().Article("den").Noun("bienen");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keine Bienen.");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, LookingWantsTheAccusative) {
  Say().Verb("schaue").Preposition("unter").Article("dem").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, GivingPutsThePersonFirst) {
  session.current_room = 6;
  Say().Verb("gebe").Article("den").Noun("korb").Article("dem").Noun("bären");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("bären"));
  EXPECT_EQ(session.command.object2, "korb");
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("gebe").Article("dem").Noun("bären").Article("den").Noun("korb");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("bären"));
  EXPECT_EQ(session.command.object2, "korb");

  // The person named first takes no article: a single article is the thing's.
  Say().Verb("gebe").Noun("bären").Article("den").Noun("korb");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("bären"));
  EXPECT_EQ(session.move_count, 3);

  // A lone accusative in front of the thing named first stays with it.
  Say().Verb("gebe").Article("den").Noun("korb").Noun("bären");
  Run();
  EXPECT_EQ(session.command.object1, Cp850("bären"));
  EXPECT_EQ(session.command.object2, "korb");
  EXPECT_EQ(session.move_count, 4);
  // Otherwise a lone article in front of object 1 is still the thing's.
  Say().Verb("gebe").Article("dem").Noun("bären").Noun("korb");
  Run();
  EXPECT_EQ(session.command.object1, "korb");
  EXPECT_EQ(session.command.second_article, "dem");
  EXPECT_EQ(session.move_count, 5);

  Say().Verb("zeige").Noun("bären").Article("der").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'der' keinen Sinn!]");
  EXPECT_EQ(session.move_count, 5);
}

TEST_F(SecondStageTest, AWrongArticleOfObjectOneTakesTheCountedMoveBack) {
  Say().Verb("nehme").Article("dem").Noun("korb");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Hier ergibt 'dem' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(Field(session.object1_phrase), "Korb ");  // the name forms were filled

  // Plurals are not checked; going to something wants the dative.
  session.current_room = 4;
  Say().Verb("untersuche").Article("den").Noun("bienen");
  Run();
  EXPECT_EQ(session.move_count, 1);
  Say().Verb("gehe").Preposition("zu").Article("der").Noun("wiese");
  Run();
  EXPECT_EQ(session.move_count, 2);
  Say().Verb("gehe").Preposition("zu").Article("die").Noun("wiese");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 2);
}

TEST_F(SecondStageTest, AskingAboutSomethingWantsTheDativeForIt) {
  session.current_room = 8;
  session.beaver_present = 1;
  Say().Verb("frage").Article("den").Noun("biber").Preposition("nach").Article("dem").Noun("korb");
  Run();
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("frage").Noun("biber").Preposition("nach").Article("den").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "[Hier ergibt 'den' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 1);
}

// --- Adjectives ---------------------------------------------------------------------

TEST_F(SecondStageTest, AnAdjectiveThatDoesNotFitRefusesAtOnceWithoutAMove) {
  session.more_sentences_pending = 1;
  Say().Verb("nehme").Article("den").Adjective("goldene").Noun("korb");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(Printed(), (std::vector<std::string>{"Du siehst hier keinen goldenen Korb."}));
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, TheRefusalNamesTheThingByGenderAndNumber) {
  session.current_room = 4;
  Say().Verb("nehme").Adjective("goldene").Noun("zeitung");
  Run();
  Say().Verb("nehme").Adjective("goldene").Noun("gras");
  Run();
  Say().Verb("nehme").Adjective("goldene").Noun("bienen");
  Run();
  Say().Verb("untersuche").Adjective("goldene").Noun("dich");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"Du siehst hier keine goldene Zeitung.",
                                                 "Du siehst hier kein goldenes Gras.",
                                                 "Du siehst hier keine goldenen Bienen.",
                                                 "Du siehst hier keinen goldenen Spieler."}));
}

TEST_F(SecondStageTest, AdjectivesFitTheirThingsAndTheState) {
  session.current_room = 5;
  Say().Verb("nehme").Article("die").Adjective("goldene").Noun("kugel");
  Run();
  EXPECT_EQ(session.move_count, 1);

  // The key is only bent until the beaver has straightened it.
  session.key_holder = 1;
  session.spare_key_found = 1;
  Say().Verb("untersuche").Adjective("verbogene").Noun("schlüssel");
  Run();
  EXPECT_EQ(session.move_count, 2);
  session.key_bent = 0;
  Say().Verb("untersuche").Adjective("verbogene").Noun("schlüssel");
  Run();
  EXPECT_EQ(session.move_count, 2);

  // "orange" is read as "orangefarbene".
  Say().Verb("untersuche").Adjective("orange").Noun("korb");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"Du siehst hier keinen verbogenen Schlüssel.",
                                                 "Du siehst hier keinen orangefarbenen Korb."}));

  // An adjective without an entry fits anything.
  Say().Verb("untersuche").Adjective("ratlose").Noun("korb");
  Run();
  EXPECT_EQ(Printed().size(), 3u);
  Say().Verb("untersuche").Adjective("kleine").Noun("korb");
  Run();
  EXPECT_EQ(Printed().back(), "Du siehst hier keinen kleinen Korb.");
}

TEST_F(SecondStageTest, GreyFitsTheWolfOnlyBeforeTheBridge) {
  session.current_room = 7;
  Say().Verb("untersuche").Adjective("dunkelgraue").Noun("wolf");
  Run();
  Say().Verb("untersuche").Adjective("graue").Noun("fell");
  Run();
  EXPECT_EQ(session.move_count, 2);
  session.current_room = 8;
  Say().Verb("untersuche").Adjective("graue").Noun("fluss");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"Du siehst hier keinen grauen Fluss."}));
  session.current_room = 5;
  Say().Verb("untersuche").Adjective("dunkelgraue").Noun("brunnen");
  Run();
  EXPECT_EQ(session.move_count, 3);
}

TEST_F(SecondStageTest, AnAdjectiveDescribesTheObjectItStandsBefore) {
  session.current_room = 2;
  Say().Verb("lege").Noun("korb").Preposition("auf").Adjective("alte").Noun("bank");
  Run();
  EXPECT_EQ(session.move_count, 1);
  Say().Verb("lege").Noun("korb").Preposition("auf").Adjective("goldene").Noun("bank");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"Du siehst hier keine goldene Bank."}));
  // The adjective of object 1 is tested first.
  Say().Verb("lege").Adjective("grüne").Noun("korb").Preposition("auf").Adjective("goldene").Noun("bank");
  Run();
  EXPECT_EQ(Printed().back(), "Du siehst hier keinen grünen Korb.");
  EXPECT_EQ(session.move_count, 1);
}

// --- Presence ----------------------------------------------------------------------------

TEST_F(SecondStageTest, AThingThatIsNotHereIsNamedWithoutAMove) {
  Say().Verb("nehme").Noun("kugel");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "Du siehst hier keine Kugel.");
  EXPECT_EQ(session.move_count, 0);

  Say().Verb("nehme").Noun("zeitung");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keine Zeitung.");
  Say().Verb("untersuche").Noun("frosch");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keinen Frosch.");
  Say().Verb("untersuche").Noun("haus");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier kein Haus.");
  Say().Verb("lausche").Noun("gesumme");
  Run();
  EXPECT_EQ(Message(), "Du hörst kein Gesumme.");
  Say().Verb("untersuche").Noun("mutti");
  Run();
  EXPECT_EQ(Message(), "Du siehst deine Mutti hier nicht.");
  Say().Verb("untersuche").Noun("omi");
  Run();
  EXPECT_EQ(Message(), "Du siehst Omi hier nicht.");
  Say().Verb("untersuche").Noun("vati");
  Run();
  EXPECT_EQ(Message(), "Du siehst deinen Vati hier nicht.");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, CallingAndThinkingOfSomethingAbsentPass) {
  Say().Verb("rufe").Noun("oma");
  Run();
  Say().Verb("denke").Preposition("an").Noun("wolf");
  Run();
  Say().Verb("frage").Preposition("nach").Noun("wolf");
  Run();
  Say().Verb("erzähle").Preposition("von").Noun("wolf");
  Run();
  EXPECT_EQ(session.move_count, 4);
  Say().Verb("erzähle").Noun("wolf").Preposition("von").Noun("korb");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keinen Wolf.");
}

TEST_F(SecondStageTest, AMissingObjectTwo) {
  Say().Verb("lege").Noun("korb").Preposition("auf").Noun("bank");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keine Bank.");
  Say().Verb("lege").Noun("korb").Preposition("in").Noun("gesumme");
  Run();
  EXPECT_EQ(Message(), "Du hörst kein Gesumme.");
  EXPECT_EQ(session.move_count, 0);

  Say().Verb("zeige").Noun("dich").Noun("oma");
  Run();
  Say().Verb("frage").Noun("dich").Preposition("nach").Noun("kugel");
  Run();
  EXPECT_EQ(session.move_count, 2);
}

TEST_F(SecondStageTest, ObjectTwoMayBePartOfALongerVisibleWord) {
  session.current_room = 8;  // the locksmith's, while the key is still under the mat
  Say().Verb("lege").Noun("korb").Preposition("auf").Noun("schlüssel");
  Run();
  EXPECT_EQ(session.move_count, 1);
  Say().Verb("nehme").Noun("schlüssel");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keinen Schlüssel.");
}

TEST_F(SecondStageTest, TheTowerHasOnlyAFewBackgroundWords) {
  session.current_room = 14;
  BuildVisibleWords(session);
  EXPECT_EQ(Field(session.visible_words),
            " dich boden licht schatten kappe käppchen wind turm öffnung korb kuchen weinflasche wein regenschirm ");

  session.current_room = 12;
  BuildVisibleWords(session);
  EXPECT_EQ(Field(session.visible_words),
            " dich boden licht landschaft sträucher wald baum bäume sonne schatten gestrüpp gebüsch grünzeug kappe "
            "käppchen wind korb kuchen weinflasche wein ");
}

TEST_F(SecondStageTest, VisibleWordsFollowTheThings) {
  const auto visible = [&](std::string_view word) {
    BuildVisibleWords(session);
    return session.visible_words.find(" " + Cp850(word) + " ") != std::string::npos;
  };
  session.current_room = 11;
  EXPECT_FALSE(visible("schlüssel"));  // still hidden under the mat
  session.spare_key_found = 1;
  EXPECT_TRUE(visible("schlüssel"));
  session.current_room = 6;
  EXPECT_FALSE(visible("schlüssel"));
  EXPECT_FALSE(visible("bär"));  // the honey stand is closed once the key is found
  EXPECT_FALSE(visible("taler"));
  session.coin_state = 5;
  EXPECT_TRUE(visible("taler"));
  session.spare_key_found = 0;
  EXPECT_TRUE(visible("bär"));
  session.key_holder = 5;
  EXPECT_TRUE(visible("schlüssel"));

  session.current_room = 3;
  EXPECT_FALSE(visible("taler"));
  EXPECT_FALSE(visible("deckel"));
  session.honey_jar_state = 3;
  session.lid_room = 3;
  session.honey_jar_room = 3;
  EXPECT_TRUE(visible("deckel"));
  EXPECT_TRUE(visible("honig"));
  session.basket_carried = 0;
  session.basket_room = 2;
  EXPECT_FALSE(visible("kuchen"));

  session.current_room = 7;
  EXPECT_TRUE(visible("wolf"));
  session.ball_state = 5;
  EXPECT_FALSE(visible("zigarre"));
  session.wolf_gone = 1;
  session.command.verb = "folge";
  session.command.object1 = "wolf";
  EXPECT_TRUE(visible("wolf"));
}

TEST_F(SecondStageTest, PickingABouquetInTheMeadowPicksFlowers) {
  session.current_room = 4;
  Say().Verb("pflücke").Noun("blumenstrauß");
  Run();
  EXPECT_EQ(session.command.object1, "blumen");
  EXPECT_EQ(session.command.object1_plural, 1);
  EXPECT_EQ(session.move_count, 1);

  session.bouquet_picked = 1;
  Say().Verb("pflücke").Noun("blumenstrauß");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keinen Blumenstrauß.");
}

TEST_F(SecondStageTest, BuyingNamesTheGoodsOnSale) {
  session.current_room = 6;
  Say().Verb("kaufe").Noun("honig");
  Run();
  EXPECT_EQ(session.move_count, 1);
  session.current_room = 8;
  Say().Verb("kaufe").Noun("schlüssel");
  Run();
  EXPECT_EQ(session.move_count, 2);
  Say().Verb("kaufe").Noun("honig");
  Run();
  EXPECT_EQ(Message(), "Du siehst hier keinen Honig.");
}

// --- Name forms and the move ------------------------------------------------------------------

TEST_F(SecondStageTest, NameFormsForTheAnswers) {
  session.current_room = 2;
  session.newspaper_carried = 1;
  Say().Verb("lege").Article("die").Noun("zeitung").Preposition("auf").Article("die").Noun("bank");
  Run();
  EXPECT_EQ(session.object1_phrase, "Zeitung ");
  EXPECT_EQ(session.object1_article, "die ");
  EXPECT_EQ(session.object1_dative_article, "der ");
  EXPECT_EQ(session.object2_phrase, "Bank ");
  EXPECT_EQ(session.object2_dative_article, "der ");
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("untersuche").Noun("dich");
  Run();
  EXPECT_EQ(session.object1_phrase, "Spieler ");
  EXPECT_EQ(session.object1_article, "");
  EXPECT_EQ(session.object1_dative_article, "");

  session.command = ParsedCommand{};
  session.command.object1 = "oma";
  session.command.object1_gender = 2;
  session.command.object2 = "honigglas";
  session.command.object2_gender = 3;
  FillNameForms(session);
  EXPECT_EQ(session.object1_phrase, "Oma ");
  EXPECT_EQ(session.object1_article, "");
  EXPECT_EQ(session.object2_article, "das ");
  EXPECT_EQ(session.object2_dative_article, "dem ");
  EXPECT_EQ(Field(session.object2_phrase), "Honigglas ");

  session.command.object1 = Cp850("bäume");
  session.command.object1_plural = 1;
  FillNameForms(session);
  EXPECT_EQ(Field(session.object1_phrase), "Bäume ");
  EXPECT_EQ(session.object1_article, "die ");
}

// --- Intangible things --------------------------------------------------------------------------

TEST_F(SecondStageTest, IntangibleThingsCannotBeHandled) {
  session.more_sentences_pending = 1;
  Say().Verb("nehme").Noun("licht");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "Das ist mit dem Licht nicht möglich.");
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("lausche").Noun("sonne");
  Run();
  EXPECT_EQ(Message(), "Das ist mit der Sonne nicht möglich.");
  Say().Verb("trete").Noun("wind");
  Run();
  EXPECT_EQ(Message(), "Das ist mit dem Wind nicht möglich.");
  session.current_room = 7;
  Say().Verb("werfe").Noun("korb").Preposition("in").Noun("geplätscher");
  Run();
  EXPECT_EQ(Message(), "Das ist mit dem Geplätscher nicht möglich.");
  EXPECT_EQ(session.move_count, 4);

  Say().Verb("lausche").Noun("geplätscher");
  Run();
  Say().Verb("untersuche").Noun("sonne");
  Run();
  Say().Verb("lausche").Noun("wind");
  Run();
  EXPECT_EQ(session.move_count, 7);
}

TEST_F(SecondStageTest, FollowingTheHummingLeadsIntoTheMeadow) {
  session.current_room = 3;
  for (int i = 0; i < 4; ++i) frontend.Key(' ');  // the meadow's description may page
  Say().Verb("folge").Noun("gesumme");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.current_room, 4);
  EXPECT_EQ(Printed().front(), "(gehe nach Westen)");
  EXPECT_EQ(session.move_count, 1);

  Say().Verb("folge").Noun("gesumme");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Wohin willst du gehen?]");
  EXPECT_EQ(session.pending_completion, " gehe ");
  EXPECT_EQ(session.current_room, 4);
}

// --- Last checks -------------------------------------------------------------------------------

TEST_F(SecondStageTest, TellingInSeveralSentencesIsRefused) {
  session.more_sentences_pending = 1;
  session.pending_mode = 1;
  session.pending_completion = "erzähle ";
  Say().Verb("erzähle").Noun("dich");
  Run();
  EXPECT_EQ(Message(), "[Auf diese Weise sind Aufzählungen nicht möglich.]");
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(session.pending_mode, 0);
  EXPECT_TRUE(session.pending_completion.empty());
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, ACommandThatPassesCountsExactlyOneMove) {
  Say().Verb("nehme").Article("den").Noun("korb");
  EXPECT_EQ(Run(), std::nullopt);
  EXPECT_EQ(session.move_count, 1);
  EXPECT_EQ(session.pending_mode, 0);

  // The whole stage hands it on to the verb dispatch.
  Say().Verb("nehme").Article("den").Noun("korb");
  RunSecondStage(session, console);
  EXPECT_EQ(session.move_count, 2);
}

// --- Shared answers -----------------------------------------------------------------------------

TEST_F(SecondStageTest, SharedAnswersComposeTheNameForms) {
  session.command = ParsedCommand{};
  CommandBuilder(session.command).Verb("schiebe").Noun("korb").Mit().Noun("schlüssel");
  FillNameForms(session);
  SayNotHelpful(session);
  EXPECT_EQ(Message(), "Es hilft dir nicht weiter, den Korb zu schieben.");
  SayCannotWith(session);
  EXPECT_EQ(Message(), "Du kannst den Korb nicht mit dem Schlüssel schieben.");

  session.command.verb = Cp850("schließe");
  session.command.preposition = "auf";
  session.command.object2 = "bienen";
  session.command.object2_plural = 1;
  session.command.object2_dative_name = "Bienen";
  SayCannotWith(session);
  EXPECT_EQ(Message(), "Du kannst den Korb nicht mit den Bienen aufschließen.");

  session.command.object2 = "dich";
  session.command.object2_plural = 0;
  SayCannotWith(session);
  EXPECT_EQ(Message(), "Du kannst den Korb nicht mit dir aufschließen.");

  session.more_sentences_pending = 1;
  SayNotPossibleWith(session, "");
  EXPECT_EQ(Message(), "Das ist nicht möglich.");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

}  // namespace
