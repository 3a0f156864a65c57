#include "parser/second_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <iterator>
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

// Adds the next object with the gender of the vocabulary and, for the
// plurals used here, the dative name the classifier would give it.
void AddObject(ParsedCommand& c, const std::string& noun, int pos) {
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
  if (c.object_count < 2) {
    const bool first = c.object_count == 0;
    (first ? c.object1 : c.object2) = noun;
    (first ? c.object1_gender : c.object2_gender) = gender;
    (first ? c.object1_pos : c.object2_pos) = pos;
    (first ? c.object1_plural : c.object2_plural) = plural;
    (first ? c.object1_dative_name : c.object2_dative_name) = display;
  }
  ++c.object_count;
}

class SecondStageTest : public ::testing::Test {
 protected:
  SecondStageTest() : console(frontend) {
    SetInitialValues(session);
    console.SetCursor(4, 1);
  }

  // Fills the parsed command as the classifier would, word by word with
  // positions growing from left to right. Nouns are written with a capital,
  // "dich" is the player, the words listed below are what they are, and any
  // other word is a verb ("nehme lege Korb" has two, "Korb" none).
  void Say(std::string_view sentence) {
    constexpr std::string_view kArticles[] = {"der", "die", "das", "den", "dem"};
    constexpr std::string_view kPrepositions[] = {"ab",   "an",  "auf", "aus", "durch", "ein", "hin",
                                                  "in",   "nach", "um", "unter", "von",  "zu"};
    constexpr std::string_view kAdjectives[] = {"alte",   "dunkelgraue", "goldene", "graue",    "grüne",
                                                "kleine", "orange",      "ratlose", "verbogene"};
    const auto listed = [](const auto& list, std::string_view word) {
      return std::find(std::begin(list), std::end(list), word) != std::end(list);
    };
    ParsedCommand& c = session.command = ParsedCommand{};
    int pos = 0;
    for (size_t start = 0, end = 0; end != std::string_view::npos; start = end + 1) {
      end = sentence.find(' ', start);
      const std::string_view word = sentence.substr(start, end - start);
      if (word.empty()) continue;
      pos += 10;
      if (listed(kArticles, word)) {
        const bool first = c.article_count++ == 0;
        (first ? c.first_article : c.second_article) = std::string(word);
        (first ? c.first_article_pos : c.second_article_pos) = pos;
      } else if (listed(kPrepositions, word)) {
        c.preposition = Cp850(word);
        ++c.preposition_count;
        c.preposition_pos = pos;
      } else if (listed(kAdjectives, word)) {
        const bool first = c.adjective_count++ == 0;
        (first ? c.adjective1 : c.adjective2) = Cp850(word);
        (first ? c.adjective1_pos : c.adjective2_pos) = pos;
      } else if (word == "mit") {
        ++c.mit_count;
        c.mit_pos = pos;
      } else if (word == "alles") {
        ++c.alles_count;
      } else if (std::isupper(static_cast<unsigned char>(word[0])) || word == "dich") {
        std::string noun = Cp850(word);
        noun[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(noun[0])));
        AddObject(c, noun, pos);
      } else {
        c.verb = Cp850(word);
        ++c.verb_count;
        c.verb_pos = pos;
      }
    }
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

  // A sentence, the message that ends its turn ("" when it is handed on)
  // and the moves it counts.
  struct Case {
    const char* sentence;
    std::string_view message;
    int moves;
  };
  // Runs the sentences one after the other on the same state; none of them
  // prints anything at once.
  void Expect(std::initializer_list<Case> cases) {
    for (const Case& test : cases) {
      SCOPED_TRACE(test.sentence);
      const int moves_before = session.move_count;
      const size_t printed_before = Printed().size();
      session.message_line.clear();
      Say(test.sentence);
      const std::optional<TurnEnd> end = Run();
      EXPECT_EQ(Message(), test.message);
      EXPECT_EQ(end, test.message.empty() ? std::nullopt : std::optional(TurnEnd::kEndOfTurn));
      EXPECT_EQ(session.move_count - moves_before, test.moves);
      EXPECT_EQ(Printed().size(), printed_before);
    }
  }
  // Runs a sentence that is refused at once, without a move, and returns the
  // one line printed for it.
  std::string RefusedAtOnce(const char* sentence) {
    SCOPED_TRACE(sentence);
    const int moves_before = session.move_count;
    const size_t printed_before = Printed().size();
    Say(sentence);
    EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
    EXPECT_EQ(session.move_count, moves_before);
    const std::vector<std::string> printed = Printed();
    EXPECT_EQ(printed.size(), printed_before + 1);
    return printed.size() > printed_before ? printed.back() : "";
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

// --- The verb --------------------------------------------------------------------

TEST_F(SecondStageTest, ASentenceWithoutVerbTakesTheCarriedVerbAndIsReadAgain) {
  session.context_verb = "nehme";
  session.input_line = "korb ";
  Say("Korb");
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
  Say("Zeitung");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.input_line, "nehme zeitung und geh nord ");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, ASentenceWithoutAnyVerbIsRejected) {
  session.line_from_program = 1;
  Say("Korb");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Die Eingabe enthält kein Verb.]");
  EXPECT_EQ(session.line_from_program, 0);

  session.more_sentences_pending = 1;
  Say("Korb");
  Run();
  EXPECT_EQ(Message(), "[Der zuerst zu bearbeitende Satzteil enthält kein Verb.]");
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, TwoVerbsAreRejected) {
  Say("nehme lege Korb");
  Run();
  EXPECT_EQ(Message(), "[Bitte nur ein Verb pro Satzteil verwenden!]");
  EXPECT_EQ(session.move_count, 0);
}

// --- Taking out of and throwing into something -----------------------------------------

TEST_F(SecondStageTest, TakingOffOrOutOfSomethingWithoutObjectAsks) {
  const struct {
    const char* sentence;
    std::string_view question;
    std::string_view completion;
  } cases[] = {
      {"werfe in", "[Was willst du in etwas werfen?]", " werfe in "},
      {"nehme ab", "[Was willst du abnehmen?]", " nehme ab "},
      {"nehme aus", "[Was willst du aus etwas nehmen?]", " nehme aus "},
      {"nehme Korb aus", "[Aus was willst du den Korb nehmen?]", " nehme korb aus "},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.sentence);
    Say(test.sentence);
    Run();
    EXPECT_EQ(Message(), test.question);
    EXPECT_EQ(session.pending_completion, test.completion);
    EXPECT_EQ(session.pending_mode, 2);
  }
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, TakingOneThingOutOfAnotherHasItsOwnAnswers) {
  Expect({
      {"nehme Kuchen aus Korb",
       "Wie du dich kennst, würde dir der Kuchen nach drei Schritten auf den Boden fallen. Im Korb ist er "
       "sicherer.",
       0},
      {"nehme Taler aus Münzausgabe", "Aber der Taler ist nicht in der Münzausgabe.", 0},
      {"nehme Bienen aus Honigglas", "Aber die Bienen sind nicht in dem Honigglas.", 0},
      {"nehme dich aus Korb", "Aber du bist nicht in dem Korb.", 0},
      {"nehme Korb aus dich", "Aber der Korb ist nicht in dir.", 0},
      {"nehme Korb aus Bäume", "Aber der Korb ist nicht in den Bäumen.", 0},
  });
  // A coin in the coin return can be taken out of it.
  session.coin_state = 5;
  Expect({{"nehme Taler aus Münzausgabe", "Du nimmst den Taler aus der Münzausgabe.", 0}});
  EXPECT_EQ(session.coin_state, 1);
}

// --- No object ----------------------------------------------------------------------

TEST_F(SecondStageTest, EachVerbAloneAsksItsOwnQuestionAndRemembersTheVerb) {
  struct Case {
    std::string_view verb;
    std::string_view preposition;
    std::string_view question;
    std::string_view completion;
  };
  const Case cases[] = {
      {"nehme", "", "[Was willst du nehmen?]", ""},
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
      {"gehe", "", "[Wohin willst du gehen?]", ""},
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
    session.pending_mode = 0;
    Say(std::string(test.verb) + " " + std::string(test.preposition));
    EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
    EXPECT_EQ(Message(), test.question);
    EXPECT_EQ(Field(session.pending_completion), test.completion);
    EXPECT_EQ(Field(session.context_verb), test.verb);
    EXPECT_EQ(session.context_verb_turns, 2);
    EXPECT_EQ(session.pending_mode, 2);
  }
  EXPECT_EQ(session.move_count, 0);
  EXPECT_TRUE(Printed().empty());
}

TEST_F(SecondStageTest, SomeQuestionsShowTheAssumedParticleFirst) {
  Say("zünde");
  Run();
  Say("stecke");
  Run();
  EXPECT_EQ(Message(), "[Was willst du in etwas stecken?]");
  EXPECT_EQ(session.pending_completion, "stecke in ");
  EXPECT_EQ(Printed(), (std::vector<std::string>{"(zünde an)", "(stecke in)"}));

  Say("zünde an");
  Run();
  EXPECT_EQ(Message(), "[Was willst du anzünden?]");
  EXPECT_EQ(Field(session.pending_completion), " zünde an ");
  EXPECT_EQ(Printed().size(), 2u);
}

TEST_F(SecondStageTest, SomeVerbsWithoutObjectAreAnsweredRefusedOrHandedOn) {
  Expect({
      {"krieche", "Kriechen hilft dir nicht weiter.", 1},
      {"springe", "", 1},
      {"setze auf", "[Hier fehlt das Objekt.]", 0},
      {"ziehe an", "[Hier fehlt das Objekt.]", 0},
      {"rede", "[Bitte verwende 'frage' und 'erzähle', um mit Personen zu sprechen.]", 0},
      {"stehe", "Du stehst bereits.", 0},
      // An adjective or "alles" without object.
      {"nehme goldene", "[Hier fehlt das Objekt, so dass dieser Satz keinen Sinn ergibt.]", 0},
      {"nehme alles goldene", "['Alles' kann nicht in Verbindung mit 'goldene' verwendet werden.]", 0},
      {"esse alles", "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]", 0},
  });
  EXPECT_EQ(session.pending_mode, 0);
}

TEST_F(SecondStageTest, TakeAllAndDropAllAreHandedOnWithoutAQuestion) {
  for (const char* sentence : {"nehme alles", "lege alles"}) {
    SCOPED_TRACE(sentence);
    Say(sentence);
    Run();
    EXPECT_EQ(session.pending_mode, 0);
    EXPECT_TRUE(session.context_verb.empty());
  }
}

TEST_F(SecondStageTest, SittingDownSitsOnTheBenchOnTheForestPath) {
  session.current_room = 2;
  Say("setze");
  Run();
  EXPECT_EQ(session.command.verb, "setze");
  EXPECT_EQ(session.command.object1, "dich");
  EXPECT_EQ(session.command.object2, "bank");
  EXPECT_EQ(session.command.object_count, 2);

  session.current_room = 3;
  Say("sitze auf");
  Run();
  EXPECT_EQ(session.command.verb, "setze");
  EXPECT_EQ(session.command.object1, "dich");
  EXPECT_EQ(session.command.object_count, 1);
  EXPECT_EQ(Printed(), (std::vector<std::string>{"(setze dich auf die Bank)", "(setze dich)"}));
}

// --- Several objects and articles ---------------------------------------------------------

TEST_F(SecondStageTest, SeveralObjectsNeedAVerbThatTakesThem) {
  Expect({
      {"nehme Korb Zeitung", "[Mit diesem Verb können nicht mehrere Objekte verwendet werden.]", 0},
      {"schaue um Korb Zeitung", "[Mit diesem Verb können nicht mehrere Objekte verwendet werden.]", 0},
      {"lege Korb auf Boden Weg", "[Bitte verwende höchstens zwei Objekte pro Eingabe.]", 0},
  });
  Say("lege Korb auf Boden");
  session.command.pronoun_count = 2;
  Run();
  EXPECT_EQ(Message(), "[Jetzt verwirrst du mich dann doch... Das habe ich nicht verstanden.]");
  EXPECT_EQ(session.move_count, 0);
}

TEST_F(SecondStageTest, AVerbOfASentenceWithObjectsIsCarriedToTheNextSentenceOfTheLine) {
  session.more_sentences_pending = 1;
  Say("nehme Korb");
  Run();
  EXPECT_EQ(session.context_verb, "nehme");

  session.context_verb.clear();
  session.more_sentences_pending = 0;
  Say("nehme Korb");
  Run();
  EXPECT_TRUE(session.context_verb.empty());
}

TEST_F(SecondStageTest, MoreArticlesThanObjectsIsNotedAndTheCommandGoesOn) {
  Say("nehme den den Korb");
  Run();
  EXPECT_EQ(Printed(), (std::vector<std::string>{"[Du benutzt mehr Artikel als Objekte!?]"}));
  EXPECT_EQ(session.move_count, 1);
}

TEST_F(SecondStageTest, TheInstrumentNamedFirstBecomesObjectTwo) {
  session.current_room = 11;
  session.key_holder = 1;
  session.spare_key_found = 1;
  Say("öffne mit dem verbogene Schlüssel die Tür");
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

  // A single article stays with its thing.
  Say("öffne mit Schlüssel die Tür");
  Run();
  EXPECT_EQ(c.object1, Cp850("tür"));
  EXPECT_EQ(c.first_article, "die");
  Say("öffne mit dem Schlüssel Tür");
  Run();
  EXPECT_EQ(c.object1, Cp850("tür"));
  EXPECT_EQ(c.second_article, "dem");
  EXPECT_EQ(session.move_count, 3);
  Expect({{"öffne mit die Schlüssel Tür", "[Hier ergibt 'die' keinen Sinn.]", 0}});
}

TEST_F(SecondStageTest, TheArticleOfObjectTwoMustFitTheVerb) {
  Expect({
      {"lege den Korb auf der Boden", "[Hier ergibt 'der' keinen Sinn.]", 0},
      {"öffne die Tür mit den Schlüssel", "[Hier ergibt 'den' keinen Sinn.]", 0},
      {"erzähle Wolf von die Kugel", "[Hier ergibt 'die' keinen Sinn.]", 0},
      // A single article after object 1 is the article of object 2.
      {"lege Korb auf den Boden", "", 1},
      // A plural instrument takes the dative plural; past the articles, the bees are missing here.
      {"öffne Korb mit die Bienen", "[Hier ergibt 'die' keinen Sinn.]", 0},
      {"öffne mit die Bienen Korb", "[Hier ergibt 'die' keinen Sinn.]", 0},
      {"öffne mit den Bienen den Korb", "Du siehst hier keine Bienen.", 0},
      {"öffne den Korb mit den Bienen", "Du siehst hier keine Bienen.", 0},
  });
}

TEST_F(SecondStageTest, GivingPutsThePersonFirst) {
  session.current_room = 6;
  const struct {
    const char* sentence;
    std::string_view object1;
    std::string_view object2;
  } cases[] = {
      {"gebe den Korb dem Bären", "bären", "korb"},
      {"gebe dem Bären den Korb", "bären", "korb"},
      // The person named first takes no article: a single article is the thing's.
      {"gebe Bären den Korb", "bären", "korb"},
      // A lone accusative in front of the thing named first stays with it.
      {"gebe den Korb Bären", "bären", "korb"},
      // Otherwise a lone article in front of object 1 is still the thing's.
      {"gebe dem Bären Korb", "korb", "bären"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.sentence);
    Say(test.sentence);
    Run();
    EXPECT_EQ(Field(session.command.object1), test.object1);
    EXPECT_EQ(Field(session.command.object2), test.object2);
  }
  EXPECT_EQ(session.command.second_article, "dem");
  EXPECT_EQ(session.move_count, 5);
  Expect({{"zeige Bären der Korb", "[Hier ergibt 'der' keinen Sinn!]", 0}});
}

TEST_F(SecondStageTest, AWrongArticleOfObjectOneTakesTheCountedMoveBack) {
  Say("nehme dem Korb");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Hier ergibt 'dem' keinen Sinn.]");
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(Field(session.object1_phrase), "Korb ");  // the name forms were filled
  Expect({{"schaue unter dem Korb", "[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]", 0}});

  // Plurals are not checked; going to something wants the dative.
  session.current_room = 4;
  Expect({
      {"untersuche den Bienen", "", 1},
      {"gehe zu der Wiese", "", 1},
      {"gehe zu die Wiese", "[Hier ergibt 'die' keinen Sinn.]", 0},
  });
}

TEST_F(SecondStageTest, AskingAboutSomethingWantsTheDativeForIt) {
  session.current_room = 8;
  session.beaver_present = 1;
  Expect({
      {"frage den Biber nach dem Korb", "", 1},
      {"frage Biber nach den Korb", "[Hier ergibt 'den' keinen Sinn.]", 0},
  });
}

// --- Adjectives ---------------------------------------------------------------------

TEST_F(SecondStageTest, AnAdjectiveThatDoesNotFitRefusesAtOnceWithoutAMove) {
  session.more_sentences_pending = 1;
  EXPECT_EQ(RefusedAtOnce("nehme den goldene Korb"), "Du siehst hier keinen goldenen Korb.");
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, TheRefusalNamesTheThingByGenderAndNumber) {
  session.current_room = 4;
  EXPECT_EQ(RefusedAtOnce("nehme goldene Zeitung"), "Du siehst hier keine goldene Zeitung.");
  EXPECT_EQ(RefusedAtOnce("nehme goldene Gras"), "Du siehst hier kein goldenes Gras.");
  EXPECT_EQ(RefusedAtOnce("nehme goldene Bienen"), "Du siehst hier keine goldenen Bienen.");
  EXPECT_EQ(RefusedAtOnce("untersuche goldene dich"), "Du siehst hier keinen goldenen Spieler.");
}

TEST_F(SecondStageTest, AdjectivesFitTheirThingsAndTheState) {
  session.current_room = 5;
  Expect({{"nehme die goldene Kugel", "", 1}});

  // The key is only bent until the beaver has straightened it.
  session.key_holder = 1;
  session.spare_key_found = 1;
  Expect({{"untersuche verbogene Schlüssel", "", 1}});
  session.key_bent = 0;
  EXPECT_EQ(RefusedAtOnce("untersuche verbogene Schlüssel"), "Du siehst hier keinen verbogenen Schlüssel.");

  // "orange" is read as "orangefarbene"; "ratlose" and "kleine" fit only the things of their entries.
  EXPECT_EQ(RefusedAtOnce("untersuche orange Korb"), "Du siehst hier keinen orangefarbenen Korb.");
  EXPECT_EQ(RefusedAtOnce("untersuche ratlose Korb"), "Du siehst hier keinen ratlosen Korb.");
  EXPECT_EQ(RefusedAtOnce("untersuche kleine Korb"), "Du siehst hier keinen kleinen Korb.");
}

TEST_F(SecondStageTest, GreyFitsTheWolfOnlyBeforeTheBridge) {
  session.current_room = 7;
  Expect({{"untersuche dunkelgraue Wolf", "", 1}, {"untersuche graue Fell", "", 1}});
  session.current_room = 8;
  EXPECT_EQ(RefusedAtOnce("untersuche graue Fluss"), "Du siehst hier keinen grauen Fluss.");
  session.current_room = 5;
  Expect({{"untersuche dunkelgraue Brunnen", "", 1}});
}

TEST_F(SecondStageTest, AnAdjectiveDescribesTheObjectItStandsBefore) {
  session.current_room = 2;
  Expect({{"lege Korb auf alte Bank", "", 1}});
  EXPECT_EQ(RefusedAtOnce("lege Korb auf goldene Bank"), "Du siehst hier keine goldene Bank.");
  // The adjective of object 1 is tested first.
  EXPECT_EQ(RefusedAtOnce("lege grüne Korb auf goldene Bank"), "Du siehst hier keinen grünen Korb.");
}

// --- Presence ----------------------------------------------------------------------------

TEST_F(SecondStageTest, AThingThatIsNotHereIsNamedWithoutAMove) {
  Expect({
      {"nehme Kugel", "Du siehst hier keine Kugel.", 0},
      {"nehme Zeitung", "Du siehst hier keine Zeitung.", 0},
      {"untersuche Frosch", "Du siehst hier keinen Frosch.", 0},
      {"untersuche Haus", "Du siehst hier kein Haus.", 0},
      {"lausche Gesumme", "Du hörst kein Gesumme.", 0},
      {"untersuche Mutti", "Du siehst deine Mutti hier nicht.", 0},
      {"untersuche Omi", "Du siehst Omi hier nicht.", 0},
      {"untersuche Vati", "Du siehst deinen Vati hier nicht.", 0},
      // Object 2 is looked for as well.
      {"lege Korb auf Bank", "Du siehst hier keine Bank.", 0},
      {"lege Korb in Gesumme", "Du hörst kein Gesumme.", 0},
  });
}

TEST_F(SecondStageTest, CallingThinkingOfAndAskingAboutSomethingAbsentPass) {
  Expect({
      {"rufe Oma", "", 1},
      {"denke an Wolf", "", 1},
      {"frage nach Wolf", "", 1},
      {"erzähle von Wolf", "", 1},
      {"zeige dich Oma", "", 1},
      {"frage dich nach Kugel", "", 1},
      // The one told about it must be here.
      {"erzähle Wolf von Korb", "Du siehst hier keinen Wolf.", 0},
  });
}

TEST_F(SecondStageTest, ObjectTwoMayBePartOfALongerVisibleWord) {
  session.current_room = 8;  // the locksmith's, while the key is still under the mat
  Expect({
      {"lege Korb auf Schlüssel", "", 1},
      {"nehme Schlüssel", "Du siehst hier keinen Schlüssel.", 0},
  });
}

TEST_F(SecondStageTest, VisibleWordsFollowTheRoomsAndTheThings) {
  const auto visible = [&](std::string_view word) {
    BuildVisibleWords(session);
    return session.visible_words.find(" " + Cp850(word) + " ") != std::string::npos;
  };
  // The tower has only a few background words; room 12 has no words of its own.
  session.current_room = 14;
  EXPECT_TRUE(visible("turm"));
  EXPECT_TRUE(visible("regenschirm"));
  EXPECT_FALSE(visible("sonne"));
  session.current_room = 12;
  EXPECT_TRUE(visible("sonne"));
  EXPECT_FALSE(visible("himmel"));

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
  Expect({{"pflücke Blumenstrauß", "", 1}});
  EXPECT_EQ(session.command.object1, "blumen");
  EXPECT_EQ(session.command.object1_plural, 1);

  session.bouquet_picked = 1;
  Expect({{"pflücke Blumenstrauß", "Du siehst hier keinen Blumenstrauß.", 0}});
}

TEST_F(SecondStageTest, BuyingNamesTheGoodsOnSale) {
  session.current_room = 6;
  Expect({{"kaufe Honig", "", 1}});
  session.current_room = 8;
  Expect({{"kaufe Schlüssel", "", 1}, {"kaufe Honig", "Du siehst hier keinen Honig.", 0}});
}

// --- Name forms and the move ------------------------------------------------------------------

TEST_F(SecondStageTest, NameFormsForTheAnswers) {
  session.current_room = 2;
  session.newspaper_carried = 1;
  Say("lege die Zeitung auf die Bank");
  Run();
  EXPECT_EQ(session.object1_phrase, "Zeitung ");
  EXPECT_EQ(session.object1_article, "die ");
  EXPECT_EQ(session.object1_dative_article, "der ");
  EXPECT_EQ(session.object2_phrase, "Bank ");
  EXPECT_EQ(session.object2_dative_article, "der ");
  EXPECT_EQ(session.move_count, 1);

  Say("untersuche dich");
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
  Say("nehme Licht");
  EXPECT_EQ(Run(), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "Das ist mit dem Licht nicht möglich.");
  EXPECT_EQ(session.more_sentences_pending, 0);
  EXPECT_EQ(session.move_count, 1);

  Expect({
      {"lausche Sonne", "Das ist mit der Sonne nicht möglich.", 1},
      {"trete Wind", "Das ist mit dem Wind nicht möglich.", 1},
  });
  session.current_room = 7;
  Expect({
      {"werfe Korb in Geplätscher", "Das ist mit dem Geplätscher nicht möglich.", 1},
      // Listening to a sound and looking at the sun are fine.
      {"lausche Geplätscher", "", 1},
      {"untersuche Sonne", "", 1},
      {"lausche Wind", "", 1},
  });
}

TEST_F(SecondStageTest, FollowingTheHummingLeadsIntoTheMeadow) {
  session.current_room = 3;
  for (int i = 0; i < 4; ++i) frontend.Key(' ');  // the meadow's description may page
  Say("folge Gesumme");
  EXPECT_EQ(Run(), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.current_room, 4);
  EXPECT_EQ(Printed().front(), "(gehe nach Westen)");
  EXPECT_EQ(session.move_count, 1);

  Say("folge Gesumme");
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
  Say("erzähle dich");
  Run();
  EXPECT_EQ(Message(), "[Auf diese Weise sind Aufzählungen nicht möglich.]");
  EXPECT_EQ(session.move_count, 0);
  EXPECT_EQ(session.pending_mode, 0);
  EXPECT_TRUE(session.pending_completion.empty());
  EXPECT_EQ(session.more_sentences_pending, 0);
}

TEST_F(SecondStageTest, ACommandThatPassesCountsExactlyOneMove) {
  Say("nehme den Korb");
  EXPECT_EQ(Run(), std::nullopt);
  EXPECT_EQ(session.move_count, 1);
  EXPECT_EQ(session.pending_mode, 0);

  // The whole stage hands it on to the verb dispatch.
  Say("nehme den Korb");
  RunSecondStage(session, console);
  EXPECT_EQ(session.move_count, 2);
}

// --- Shared answers -----------------------------------------------------------------------------

TEST_F(SecondStageTest, SharedAnswersComposeTheNameForms) {
  Say("schiebe Korb mit Schlüssel");
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
