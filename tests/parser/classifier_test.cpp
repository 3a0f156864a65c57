// The classifier and the sentence checks, driven through ProcessCommand on
// a game session: what each sentence becomes, and what rejects it.
#include "parser/classifier.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "parser/command_processor.h"
#include "parser/parser_messages.h"
#include "parser/sentence_checks.h"
#include "world/game_session.h"

namespace {

class ClassifierTest : public ::testing::Test {
 protected:
  ClassifierTest() : console(frontend) {
    session.current_room = 3;
    console.SetCursor(4, 1);  // the text area
  }

  // Runs a typed UTF-8 line as the turn loop does after the prompt.
  TurnEnd Type(const char* utf8, InputOrigin origin = InputOrigin::kTyped) {
    session.command = ParsedCommand{};
    session.message_line.clear();
    session.input_line = Cp850(utf8);
    return ProcessCommand(session, console, origin);
  }
  // Only the classifier: the words of one sentence, no checks after them.
  std::string Classify(const char* utf8) {
    session.command = ParsedCommand{};
    session.message_line.clear();
    session.sentence_text = Cp850(utf8);
    session.input_line = session.sentence_text;
    ReadSentenceWords(session, console);
    return Message();
  }
  std::string Message() const { return Utf8FromCp850(session.message_line); }
  std::string LastPrinted() {
    frontend.Flush(console);
    for (auto it = frontend.Lines().rbegin(); it != frontend.Lines().rend(); ++it) {
      if (!it->empty()) return *it;
    }
    return "";
  }
  // What the next turn's countdowns do to the open question and the unknown word.
  void NextTurn() {
    if (session.pending_mode > 0 && --session.pending_mode == 0) session.pending_completion.clear();
    if (session.unknown_word_countdown > 0 && --session.unknown_word_countdown == 0) {
      session.unknown_word.clear();
      session.unknown_word_line.clear();
    }
  }
  // A session as the fixture starts it, so that table rows do not share state.
  void Fresh() {
    session = GameSession{};
    session.current_room = 3;
  }
  static std::string U(const std::string& cp850) { return Utf8FromCp850(cp850); }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
};

TEST_F(ClassifierTest, WordClassesAreRecordedWithPositions) {
  EXPECT_EQ(Classify("bitte nimm jetzt den alten korb"), "");
  const ParsedCommand& c = session.command;
  EXPECT_EQ(c.verb, "nehme");
  EXPECT_EQ(c.verb_count, 1);
  EXPECT_EQ(c.verb_pos, 11);
  EXPECT_EQ(c.first_article, "den");
  EXPECT_EQ(c.article_count, 1);
  EXPECT_EQ(c.adjective1, "alte");
  EXPECT_EQ(c.adjective1_pos, 27);
  EXPECT_EQ(c.object1, "korb");
  EXPECT_EQ(c.object1_gender, 1);
  EXPECT_EQ(c.object1_pos, 32);
  EXPECT_EQ(session.last_named_object, "korb");
  EXPECT_EQ(session.referent_masc, "korb");

  EXPECT_EQ(Classify("gib dem wolf die kugel und das schaf"), "");
  EXPECT_EQ(session.command.object2, "kugel");
  EXPECT_EQ(session.command.object2_gender, 2);
  EXPECT_EQ(session.command.object_count, 3);
  EXPECT_EQ(session.command.und_count, 1);
  EXPECT_EQ(session.command.article_count, 3);
  EXPECT_EQ(session.command.second_article, "die");
  EXPECT_EQ(session.last_named_object, "wolf");

  EXPECT_EQ(Classify("nord"), "");
  EXPECT_EQ(session.command.direction, "nord");
  EXPECT_EQ(Classify("danke"), "");
  EXPECT_EQ(session.command.comment_word, "danke");
  EXPECT_EQ(Classify("öffne tür mit schlüssel alles"), "");
  EXPECT_EQ(session.command.mit_count, 1);
  EXPECT_EQ(session.command.alles_count, 1);
}

TEST_F(ClassifierTest, InfinitivesAndSeparableVerbs) {
  EXPECT_EQ(Classify("nehmen korb"), "");
  EXPECT_EQ(session.command.verb, "nehme");
  session.context_verb = "frage";
  session.context_verb_turns = 1;
  EXPECT_EQ(Classify("aufschließen tür"), "");
  EXPECT_EQ(U(session.command.verb), "schließe");
  EXPECT_EQ(session.command.preposition, "auf");
  EXPECT_EQ(session.command.verb_count, 1);
  EXPECT_EQ(U(session.command.object1), "tür");
  EXPECT_EQ(session.context_verb, "");
  EXPECT_EQ(session.context_verb_turns, 0);
  EXPECT_EQ(Classify("hineingehen"), "");
  EXPECT_EQ(session.command.verb, "gehe");
  EXPECT_EQ(session.command.preposition, "hinein");
  EXPECT_EQ(Classify("auf aufschließen"),
            "[Es ist bereits eine Präposition oder ein Infinitiv vorhanden.]");
}

// Three adjectives are played in ParserGameTest.RefusalsOfWholeSentences.
TEST_F(ClassifierTest, RejectionsWhileReadingWords) {
  EXPECT_EQ(Classify("nimm nicht den korb"), "[Nicht getan. Sage mir besser die Dinge, die ich tun soll.]");
  EXPECT_EQ(Classify("schaue in unter bett"), "[Bitte nur eine Präposition pro Eingabe verwenden.]");
  EXPECT_EQ(Classify("schaue in hinein"), "[In diesem Zusammenhang verstehe ich 'hinein' nicht.]");
  EXPECT_EQ(Classify("speichern laden"), "[Bitte nur einen Sonderbefehl pro Eingabe verwenden.]");
  session.unknown_word_countdown = 1;  // while a word can be corrected, "huch" may meet another one
  EXPECT_EQ(Classify("speichern laden"), "");
}

TEST_F(ClassifierTest, UnknownWordsAreKeptForTheCorrection) {
  EXPECT_EQ(Type("nimm xyz und geh nord"), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Ich kenne das Wort 'xyz' nicht.]");
  EXPECT_EQ(session.unknown_word, "xyz");
  EXPECT_EQ(session.unknown_word_line, "nimm xyz und geh nord");
  EXPECT_EQ(session.unknown_word_countdown, 2);
  EXPECT_EQ(session.more_sentences_pending, 0);

  Type("knack nuss");  // the canonical word is named
  EXPECT_EQ(Message(), "[Ich kenne das Wort 'knacke' nicht.]");
}

TEST_F(ClassifierTest, CorrectionReplacesTheUnknownWordInTheNextTurnOnly) {
  Type("nimm xyz");
  NextTurn();
  EXPECT_EQ(Type("huch korb"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(LastPrinted(), "[Korrigiert: nimm korb.]");
  EXPECT_EQ(session.input_line, "nimm korb");
  EXPECT_EQ(session.line_from_program, 1);
  EXPECT_EQ(session.suppress_blank_line, 1);

  Type("nimm xyz");
  NextTurn();
  EXPECT_EQ(Type("oops"), TurnEnd::kEndOfTurn);
  EXPECT_EQ(Message(), "[Es wurde kein einzufügendes Wort gefunden.]");
  // A turn later is played in ParserGameTest.TheCorrectionIsTooLateAfterAnotherTurn.
}

// Sentences answered on the message line, each typed in a fresh session,
// with the moves they count: refusals count none. Those played in
// ParserGameTest.RefusalsOfWholeSentences are not repeated here.
TEST_F(ClassifierTest, TypedSentencesAndTheirAnswers) {
  const auto answers = [&](const char* line, const char* message, int moves) {
    Fresh();
    Type(line);
    EXPECT_EQ(Message(), message) << line;
    EXPECT_EQ(session.move_count, moves) << line;
  };
  // Verb frames.
  answers("iss in dem korb", "[In diesem Zusammenhang verstehe ich 'in' nicht.]", 0);
  answers("nimm richtung nord", "[Das Programm versteht nur die Eingabeform 'Gehe Richtung <Himmelsrichtung>'].", 0);
  answers("nimm den korb hin", "['Hin' kann nur in der Form 'lege <Gegenstand> hin' verwendet werden kann.]", 0);
  answers("nimm den korb ein", "['Ein' wird nur in der Form 'löse/fange/werfe <Gegenstand> ein' verstanden.]", 0);
  answers("nimm dagegen", "[Das Spiel versteht nur 'klopfe/schlage dagegen'.]", 0);
  answers("nimm daran", "[Das Spiel versteht nur 'klopfe/lausche daran'.]", 0);
  answers("nimm darunter", "[In diesem Zusammenhang verstehe ich 'darunter' nicht.]", 0);
  answers("iss hinein", "['Hinein' ist nur mit 'schaue', 'gehe', 'klettere' und 'steige' möglich.]", 0);
  answers("schaue den korb um", "[Diesen Satz verstehe ich nicht.]", 0);
  answers("mache dich an", "Komische Idee.", 0);
  answers("nimm zu", "Sehr witzig.", 1);
  // Articles that do not fit the case.
  answers("gehe aus das haus", "[Hier ergibt 'das' keinen Sinn.]", 0);
  answers("reite auf das schaf", "[Hier ergibt 'das' keinen Sinn.]", 0);
  answers("reite auf die schafe", "[Hier ergibt 'die' keinen Sinn.]", 0);
  answers("schaue aus den fenster", "[Hier ergibt 'den' keinen Sinn.]", 0);
  // "mit".
  answers("schließe mit schlüssel", "[In dem Satz fehlt das zweite Objekt.]", 0);
  answers("öffne tür mit mit schlüssel", "[Bitte pro Satz nur einmal das Wort 'mit' verwenden!]", 0);
  answers("mit korb", "[Der Satz ist unvollständig. Bitte gib ganze Sätze ein.]", 0);
  answers("danke mit korb", "[In diesem Zusammenhang verstehe ich 'danke' nicht.]", 0);
  // Directions that are no moves.
  answers("schaue runter", "Unter dir siehst du nichts Besonderes.", 0);
  answers("schaue nord", "Du solltest einfach in eine Richtung gehen, um zu sehen, was es dort gibt.", 0);
  answers("nord süd", "[Bitte nur eine Richtungsangabe pro Eingabe verwenden.]", 0);
  answers("steige raus", "Du kannst gerade aus nichts hinaussteigen.", 0);
  answers("iss raus", "[Das Programm versteht 'hinaus' nur mit den Verben 'schaue' und 'gehe'.]", 0);
  // Comments.
  answers("verdammt", "Kein Kommentar hierzu.", 1);
  answers("jein", "Genau! Oder auch nicht!", 0);
  answers("trottel", "Beschimpfungen helfen dir nicht weiter.", 1);
  answers("danke korb", "[Den Zusammenhang zwischen diesen Worten verstehe ich nicht.]", 0);
  answers("danke danke", "[Mit mehreren Kommentaren pro Eingabe komme ich nicht zurecht.]", 0);

  // One "mit" between two objects is fine.
  Fresh();
  Type("öffne tür mit schlüssel");
  EXPECT_EQ(Message().find("mit"), std::string::npos);
}

TEST_F(ClassifierTest, RefusalsPrintedAtOnce) {
  const auto refuses = [&](const char* line, const char* printed) {
    EXPECT_EQ(Type(line), TurnEnd::kTopOfTurn) << line;
    EXPECT_EQ(LastPrinted(), printed) << line;
    EXPECT_EQ(session.message_line, "") << line;
  };
  refuses("nimm über brücke", "[Das Spiel versteht 'über' nur in der Form 'gehe über <Objekt>'.]");
  refuses("nimm korb nord", "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]");
  // With a preposition it is no climb.
  refuses("steige auf den baum hoch", "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]");
  // "von", which lets the rest of the line run, is played in ParserGameTest.RefusalsOfWholeSentences.
}

// What the classifier makes of a sentence; a field left out is not checked.
TEST_F(ClassifierTest, SentencesAreRewrittenIntoTheirCommand) {
  const struct {
    const char* line;
    const char* verb = nullptr;
    const char* preposition = nullptr;
    const char* object1 = nullptr;
    const char* object2 = nullptr;
    const char* first_article = nullptr;
  } readings[] = {
      // Objects after the preposition are swapped.
      {.line = "lege in den korb den taler", .object1 = "taler", .object2 = "korb"},
      {.line = "lege den taler in den korb", .object1 = "taler", .object2 = "korb"},
      // Particles and rewrites.
      {.line = "lege den korb ab", .preposition = "hin"},
      {.line = "schließe die tür ab", .preposition = "zu"},
      {.line = "gehe über die brücke", .verb = "überquere", .preposition = ""},
      {.line = "mache das licht an", .verb = "schalte"},
      {.line = "mache die tür auf", .verb = "öffne", .preposition = ""},
      {.line = "gehe aus dem haus", .verb = "verlasse"},
      // Dative articles after riding and speaking are dropped or kept
      // without the "[Hier ergibt" refusal.
      {.line = "reite auf dem schaf", .first_article = ""},
      {.line = "reite auf den schafen", .first_article = "den"},
      {.line = "rede mit der oma", .first_article = ""},
      // Articles that later checks must not see.
      {.line = "folge dem wolf", .first_article = ""},
      {.line = "nimm das schweinchen", .first_article = ""},
      {.line = "steige aus dem brunnen", .first_article = ""},
      // Out of something takes the dative and reads it as the accusative.
      {.line = "schaue aus dem fenster", .first_article = "das"},
      {.line = "gehe aus der bank", .verb = "verlasse", .first_article = "die"},
      {.line = "schaue aus den bienen", .first_article = "die"},
  };
  for (const auto& r : readings) {
    Fresh();
    Type(r.line);
    const auto check = [&](const char* expected, const std::string& actual) {
      if (expected != nullptr) {
        EXPECT_EQ(U(actual), expected) << r.line;
      }
    };
    const ParsedCommand& c = session.command;
    check(r.verb, c.verb);
    check(r.preposition, c.preposition);
    check(r.object1, c.object1);
    check(r.object2, c.object2);
    check(r.first_article, c.first_article);
    EXPECT_EQ(Message().find("[Hier ergibt"), std::string::npos) << r.line;
  }
}

TEST_F(ClassifierTest, QuestionsBackForAMissingObject) {
  const auto asks = [&](const char* line, const char* question, const char* completion) {
    Type(line);
    EXPECT_EQ(Message(), question) << line;
    EXPECT_EQ(U(session.pending_completion), completion) << line;
    EXPECT_EQ(session.pending_mode, 2) << line;
    session.pending_mode = 0;
    session.pending_completion.clear();
  };
  asks("schaue darunter", "[Unter was willst du schauen?]", "schaue unter ");
  asks("schaue dahinter", "[Hinter was willst du schauen?]", "schaue hinter ");
  asks("schlage dagegen", "[Gegen was willst du schlagen?]", "schlage gegen ");
  asks("klopfe daran", "[Gegen was willst du klopfen?]", "klopfe gegen ");
  asks("lausche daran", "[An was willst du lauschen?]", "lausche an ");
  asks("schaue hindurch", "[Durch was willst du schauen?]", "schaue durch ");
  asks("hinein", "[In was willst du gehen?]", "gehe in ");
  EXPECT_EQ(session.command.verb, "gehe");  // only "hinein" takes going as its verb
  asks("löse ab", "[Was willst du ablösen?]", " löse ab ");
  asks("denke an", "[An was willst du denken?]", " denke an ");
  asks("mache an", "[Was willst du anmachen?]", " mache an ");
  asks("schließe zu", "[Was willst du zuschließen?]", "schließe zu ");
  asks("löse ein", "[Was willst du einlösen?]", " löse ein ");
  asks("wirf ein", "[Was willst du einwerfen?]", " werfe ein ");
  asks("schließe auf", "[Was willst du aufschließen?]", "schließe auf ");
  asks("lies auf", "[Was willst du nehmen?]", "nehme ");
  asks("löse auf", "[Was willst du auflösen?]", "löse auf ");
  asks("schaue raus", "[Aus was willst du hinausschauen?]", "schaue aus ");

  // "hindurch" alone is refused, not asked back.
  Type("hindurch");
  EXPECT_EQ(session.command.verb, "");
  EXPECT_EQ(session.pending_mode, 0);
}

TEST_F(ClassifierTest, TheAnswerInTheNextTurnCompletesTheQuestion) {
  Type("schaue darunter");
  NextTurn();
  EXPECT_EQ(Type("dem bett"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.input_line, "schaue unter  dem bett");
  EXPECT_EQ(session.line_from_program, 1);
  EXPECT_EQ(session.suppress_blank_line, 1);

  // The completed line runs as a line from the program.
  session.line_from_program = 0;
  Type(U(session.input_line).c_str(), InputOrigin::kFromProgram);
  EXPECT_EQ(session.command.verb, "schaue");
  EXPECT_EQ(session.command.preposition, "unter");
  EXPECT_EQ(session.command.object1, "bett");

  // A preposition in the answer is dropped: the question has one.
  session.line_from_program = 0;
  session.last_named_object.clear();
  Type("klopfe daran");
  NextTurn();
  Type("gegen die tür");
  EXPECT_EQ(U(session.input_line), "klopfe gegen  die tür");

  // The rest of the typed line follows the completed command.
  session.line_from_program = 0;
  session.last_named_object.clear();
  Type("schaue darunter");
  NextTurn();
  Type("bett und geh nord");
  EXPECT_EQ(session.input_line, "schaue unter  bett und geh nord");
  EXPECT_EQ(session.more_sentences_pending, 0);
  // Two turns later is played in ParserGameTest.AnAnswerTwoTurnsLaterIsANewCommand.
}

TEST_F(ClassifierTest, AdverbsTakeTheLastNamedObject) {
  Type("untersuche die tür");
  Type("klopfe daran");
  EXPECT_EQ(session.command.preposition, "gegen");
  EXPECT_EQ(U(session.command.object1), "tür");
  EXPECT_EQ(session.command.object_count, 1);
}

TEST_F(ClassifierTest, DirectionSentencesAreMoves) {
  EXPECT_EQ(Type("n"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.command.direction, "nord");
  for (const char* line : {"n", "gehe nach norden", "steige hoch", "steige den turm runter"}) {
    Fresh();
    Type(line);
    EXPECT_EQ(session.move_count, 1) << line;
  }
}

TEST_F(ClassifierTest, GoingInsideAtTheHouseFront) {
  // The forest entrance, where going in prints a room, is played in the game tests.
  session.current_room = 11;
  session.door_locked = 1;
  Type("gehe hinein");
  EXPECT_EQ(session.command.direction, "west");
  EXPECT_EQ(session.command.preposition, "");
  EXPECT_EQ(session.move_count, 1);
  Type("hinein");
  EXPECT_EQ(session.command.direction, "west");
  EXPECT_EQ(session.move_count, 2);
}

TEST_F(ClassifierTest, DefaultObjectsAreShownInNotes) {
  const auto notes = [&](const char* line, const char* note, const char* object) {
    Type(line);
    EXPECT_EQ(LastPrinted(), note) << line;
    EXPECT_EQ(U(session.command.object1), object) << line;
  };
  session.voucher_carried = 1;
  notes("lies", "(den Gutschein)", "gutschein");
  session.voucher_carried = 0;
  session.newspaper_room = 3;
  notes("lies", "(die Zeitung)", "zeitung");
  session.current_room = 5;
  notes("küsse", "(den Frosch)", "frosch");
  session.current_room = 11;
  notes("öffne", "(die Tür)", "tür");
}

TEST_F(ClassifierTest, ACommentClosesAnOpenQuestion) {
  session.pending_mode = 1;
  session.pending_completion = "schaue unter ";
  Type("danke");
  EXPECT_EQ(session.pending_mode, 0);
  EXPECT_EQ(Message(), "Gern geschehen!");
}

TEST_F(ClassifierTest, ThePersonSpokenToIsCarriedIntoLaterSentences) {
  Type("frage oma nach korb und nach wolf");
  EXPECT_EQ(session.addressed_person, "oma");
  EXPECT_EQ(session.addressed_person_gender, 2);
  ASSERT_EQ(session.pending_sentences, "nach wolf");

  // The turn loop runs the rest as a queued sentence; the question's verb
  // has been carried over.
  session.context_verb = "frage";
  session.more_sentences_pending = 0;
  Type((session.pending_sentences + " ").c_str(), InputOrigin::kQueued);
  EXPECT_EQ(session.command.object1, "oma");
  EXPECT_EQ(session.command.object1_gender, 2);
  EXPECT_EQ(session.command.object2, "wolf");
  EXPECT_EQ(session.command.object_count, 2);

  // Typed on its own, the same words are not carried.
  session.context_verb = "frage";
  Type("nach wolf");
  EXPECT_EQ(session.command.object1, "wolf");
}

TEST_F(ClassifierTest, FeminineNounsOfTheSieListBecomeTheFeminineReferentAtOnce) {
  EXPECT_EQ(Classify("untersuche die matte"), "");
  EXPECT_EQ(session.referent_fem, "matte");
  EXPECT_EQ(Classify("untersuche die strickleiter"), "");
  EXPECT_EQ(session.referent_fem, "strickleiter");
  // Plurals are taken up later, by the referent update.
  EXPECT_EQ(Classify("untersuche die schafe"), "");
  EXPECT_EQ(session.referent_fem, "strickleiter");
  EXPECT_EQ(session.last_named_object, "schafe");
  EXPECT_EQ(Classify("untersuche die bäume"), "");
  EXPECT_EQ(session.referent_fem, "strickleiter");
}

TEST_F(ClassifierTest, OutByVerbAndRoom) {
  session.current_room = 14;
  Type("steige raus");
  EXPECT_EQ(Message(), "Hinauszusteigen würde einen Sturz in die Tiefe bedeuten.");
  Type("schaue raus");
  EXPECT_EQ(Message(), "Durch die Öffnung kannst du erkennen, wie weit es vor dem Turm in die Tiefe geht.");
  EXPECT_EQ(session.move_count, 0);

  // Elsewhere "schaue raus" looks out of the thing named last.
  session.current_room = 3;
  session.last_named_object = "haus";
  session.last_named_gender = 3;
  Type("schaue raus");
  EXPECT_EQ(session.command.direction, "");
  EXPECT_EQ(session.command.direction_count, 0);
  EXPECT_EQ(session.command.preposition, "aus");
  EXPECT_EQ(session.command.object1, "haus");
  EXPECT_EQ(session.command.object1_gender, 3);
  EXPECT_EQ(session.command.object_count, 1);
}

TEST(ParserMessagesTest, EveryEntryOfBothTablesHasItsExactText) {
  const std::map<int, std::string> parser_table = {
      {1, "[Ich weiß nicht, auf welches Objekt du dich beziehst.]"},
      {2, "[Das Wort 'alles' kann nur einmal pro Satzteil verwendet werden.]"},
      {3, "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]"},
      {5, "[Die Eingabe enthält kein Verb.]"},
      {6, "['Hin' kann nur in der Form 'lege <Gegenstand> hin' verwendet werden kann.]"},
      {7, "[Der Satz ist unvollständig. Bitte gib ganze Sätze ein.]"},
      {8, "[In dem Satz fehlt das zweite Objekt.]"},
      {9, "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]"},
      {10, "[Bitte nur eine Richtungsangabe pro Satzteil verwenden.]"},
      {11, "[Bitte nur einen Sonderbefehl pro Satzteil verwenden!]"},
      {12, "[Den Zusammenhang zwischen diesen Worten verstehe ich nicht.]"},
      {13, "[Mit mehreren Kommentaren pro Eingabe komme ich nicht zurecht.]"},
      {14, "[Bitte verwende höchstens zwei Objekte pro Eingabe.]"},
      {15, "[Du kannst nicht mehr Adjektive als Objekte verwenden.]"},
      {16, "[Du benutzt ein Adjektiv ohne Objekt.]"},
      {17, "[Einem Objekt können nicht mehrere Adjektive zugeordnet werden.]"},
      {18, "[Was ist das für ein Satz, bei dem das Adjektiv hinter dem Objekt steht?]"},
      {19, "Du bemerkst nichts Ungewöhnliches."},
      {20, "[Bitte benutze Himmelsrichtungen, um dich zu bewegen.]"},
      {21, "[Bitte verwende 'frage' und 'erzähle', um mit Personen zu sprechen.]"},
      {22, "Das solltest du nicht tun!"},
      {23, "[Bitte verwende ein Verb, das genauer ausdrückt, was du erreichen willst.]"},
  };
  const std::map<int, std::string> second_table = {
      {1, "[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]"},
      {2, "['Stehe' wird nur als Ein-Wort-Eingabe oder in der Form 'stehe auf' verstanden.]"},
      {3, "Du kannst nur sprachbegabte Wesen etwas fragen."},
      {4, "Okay, du grübelst darüber nach. Und jetzt?"},
      {11, "Tippe 'Übersicht' für eine Aufstellung wichtiger Befehle."},
      {20, "Test"},
  };
  for (int i = -1; i <= 25; ++i) {
    const auto parser_entry = parser_table.find(i);
    EXPECT_EQ(Utf8FromCp850(ParserMessage(i)), parser_entry == parser_table.end() ? "" : parser_entry->second) << i;
    const auto second_entry = second_table.find(i);
    EXPECT_EQ(Utf8FromCp850(SecondMessage(i)), second_entry == second_table.end() ? "" : second_entry->second) << i;
  }
}

}  // namespace
