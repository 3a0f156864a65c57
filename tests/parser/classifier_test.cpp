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
  EXPECT_EQ(Classify(U(Cp850("öffne tür mit schlüssel alles")).c_str()), "");
  EXPECT_EQ(session.command.mit_count, 1);
  EXPECT_EQ(session.command.alles_count, 1);
}

TEST_F(ClassifierTest, InfinitivesAndSeparableVerbs) {
  EXPECT_EQ(Classify("nehmen korb"), "");
  EXPECT_EQ(session.command.verb, "nehme");
  session.context_verb = "frage";
  session.context_verb_turns = 1;
  EXPECT_EQ(Classify(U(Cp850("aufschließen tür")).c_str()), "");
  EXPECT_EQ(U(session.command.verb), "schließe");
  EXPECT_EQ(session.command.preposition, "auf");
  EXPECT_EQ(session.command.verb_count, 1);
  EXPECT_EQ(U(session.command.object1), "tür");
  EXPECT_EQ(session.context_verb, "");
  EXPECT_EQ(session.context_verb_turns, 0);
  EXPECT_EQ(Classify("hineingehen"), "");
  EXPECT_EQ(session.command.verb, "gehe");
  EXPECT_EQ(session.command.preposition, "hinein");
  EXPECT_EQ(Classify(U(Cp850("auf aufschließen")).c_str()),
            "[Es ist bereits eine Präposition oder ein Infinitiv vorhanden.]");
}

TEST_F(ClassifierTest, RejectionsWhileReadingWords) {
  EXPECT_EQ(Classify("nimm nicht den korb"), "[Nicht getan. Sage mir besser die Dinge, die ich tun soll.]");
  EXPECT_EQ(Classify("nimm den alten roten kleinen korb"), "[Pro Satz sind nur zwei Adjektive möglich.]");
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

  Type("nimm xyz");
  NextTurn();
  NextTurn();
  Type("huch korb");
  EXPECT_EQ(Message(), "[Es ist im Moment kein Wort zu ersetzen.]");
}

TEST_F(ClassifierTest, VerbFrames) {
  Type("iss unter dem bett");
  EXPECT_EQ(Message(), "[In diesem Zusammenhang verstehe ich 'unter' nicht.]");
  Type("iss in dem korb");
  EXPECT_EQ(Message(), "[In diesem Zusammenhang verstehe ich 'in' nicht.]");
  Type("nimm richtung nord");
  EXPECT_EQ(Message(), "[Das Programm versteht nur die Eingabeform 'Gehe Richtung <Himmelsrichtung>'].");
  Type("nimm den korb hin");
  EXPECT_EQ(Message(), "['Hin' kann nur in der Form 'lege <Gegenstand> hin' verwendet werden kann.]");
  Type("nimm den korb ein");
  EXPECT_EQ(Message(), "['Ein' wird nur in der Form 'löse/fange/werfe <Gegenstand> ein' verstanden.]");
  Type("nimm dagegen");
  EXPECT_EQ(Message(), "[Das Spiel versteht nur 'klopfe/schlage dagegen'.]");
  Type("nimm daran");
  EXPECT_EQ(Message(), "[Das Spiel versteht nur 'klopfe/lausche daran'.]");
  Type("nimm darunter");
  EXPECT_EQ(Message(), "[In diesem Zusammenhang verstehe ich 'darunter' nicht.]");
  Type("iss hinein");
  EXPECT_EQ(Message(), "['Hinein' ist nur mit 'schaue', 'gehe', 'klettere' und 'steige' möglich.]");
  Type("mache dich an");
  EXPECT_EQ(Message(), "Komische Idee.");
  Type("gehe aus das haus");
  EXPECT_EQ(Message(), "[Hier ergibt 'das' keinen Sinn.]");
  Type("reite auf das schaf");
  EXPECT_EQ(Message(), "[Hier ergibt 'das' keinen Sinn.]");
  Type("schaue den korb um");
  EXPECT_EQ(Message(), "[Diesen Satz verstehe ich nicht.]");
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
  Type(U(Cp850("gegen die tür")).c_str());
  EXPECT_EQ(U(session.input_line), "klopfe gegen  die tür");

  // The rest of the typed line follows the completed command.
  session.line_from_program = 0;
  session.last_named_object.clear();
  Type("schaue darunter");
  NextTurn();
  Type("bett und geh nord");
  EXPECT_EQ(session.input_line, "schaue unter  bett und geh nord");
  EXPECT_EQ(session.more_sentences_pending, 0);

  // Two turns later the answer is a sentence of its own.
  session.line_from_program = 0;
  Type("schaue darunter");
  NextTurn();
  NextTurn();
  EXPECT_EQ(Type("bett"), TurnEnd::kEndOfTurn);
  EXPECT_EQ(session.line_from_program, 0);
}

TEST_F(ClassifierTest, AdverbsTakeTheLastNamedObject) {
  Type(U(Cp850("untersuche die tür")).c_str());
  Type("klopfe daran");
  EXPECT_EQ(session.command.preposition, "gegen");
  EXPECT_EQ(U(session.command.object1), "tür");
  EXPECT_EQ(session.command.object_count, 1);
}

TEST_F(ClassifierTest, ObjectsAfterThePrepositionAreSwapped) {
  Type("lege in den korb den taler");
  EXPECT_EQ(session.command.object1, "taler");
  EXPECT_EQ(session.command.object2, "korb");
  Type("lege den taler in den korb");
  EXPECT_EQ(session.command.object1, "taler");
  EXPECT_EQ(session.command.object2, "korb");
}

TEST_F(ClassifierTest, ParticlesAndRewrites) {
  Type("lege den korb ab");
  EXPECT_EQ(session.command.preposition, "hin");
  Type(U(Cp850("schließe die tür ab")).c_str());
  EXPECT_EQ(session.command.preposition, "zu");
  Type(U(Cp850("gehe über die brücke")).c_str());
  EXPECT_EQ(U(session.command.verb), "überquere");
  EXPECT_EQ(session.command.preposition, "");
  Type("mache das licht an");
  EXPECT_EQ(session.command.verb, "schalte");
  Type(U(Cp850("mache die tür auf")).c_str());
  EXPECT_EQ(U(session.command.verb), "öffne");
  EXPECT_EQ(session.command.preposition, "");
  Type("gehe aus dem haus");
  EXPECT_EQ(session.command.verb, "verlasse");

  const int moves = session.move_count;
  Type("nimm zu");
  EXPECT_EQ(Message(), "Sehr witzig.");
  EXPECT_EQ(session.move_count, moves + 1);
}

TEST_F(ClassifierTest, RefusalsPrintedAtOnce) {
  EXPECT_EQ(Type(U(Cp850("nimm über brücke")).c_str()), TurnEnd::kTopOfTurn);
  EXPECT_EQ(LastPrinted(), "[Das Spiel versteht 'über' nur in der Form 'gehe über <Objekt>'.]");
  EXPECT_EQ(Type("nimm korb nord"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(LastPrinted(), "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]");
  EXPECT_EQ(session.message_line, "");

  // "von" refuses only its own sentence: the rest of the line still runs.
  EXPECT_EQ(Type("nimm von korb und geh nord"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(LastPrinted(), "['Von' kann nur in der Form erzähle <Person> von <Gegenstand> benutzt werden.]");
  EXPECT_EQ(session.more_sentences_pending, 1);
}

TEST_F(ClassifierTest, MitRules) {
  Type("gehe mit korb");
  EXPECT_EQ(Message(), "[Mit dem Verb 'gehe' kann 'mit' nicht verwendet werden.]");
  Type(U(Cp850("schließe mit schlüssel")).c_str());
  EXPECT_EQ(Message(), "[In dem Satz fehlt das zweite Objekt.]");
  Type(U(Cp850("öffne tür mit mit schlüssel")).c_str());
  EXPECT_EQ(Message(), "[Bitte pro Satz nur einmal das Wort 'mit' verwenden!]");
  Type("mit korb");
  EXPECT_EQ(Message(), "[Der Satz ist unvollständig. Bitte gib ganze Sätze ein.]");
  Type("danke mit korb");
  EXPECT_EQ(Message(), "[In diesem Zusammenhang verstehe ich 'danke' nicht.]");
  Type(U(Cp850("öffne tür mit schlüssel")).c_str());
  EXPECT_EQ(Message().find("mit"), std::string::npos);
}

TEST_F(ClassifierTest, DirectionSentences) {
  int moves = session.move_count;
  EXPECT_EQ(Type("n"), TurnEnd::kTopOfTurn);
  EXPECT_EQ(session.command.direction, "nord");
  EXPECT_EQ(session.move_count, ++moves);
  Type("gehe nach norden");
  EXPECT_EQ(session.move_count, ++moves);
  Type("steige hoch");
  EXPECT_EQ(session.move_count, ++moves);
  Type("steige auf den baum hoch");  // with a preposition it is no climb
  EXPECT_EQ(LastPrinted(), "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]");
  Type("steige den turm runter");
  EXPECT_EQ(session.move_count, ++moves);

  Type("schaue hoch");
  EXPECT_EQ(Message(), "Über dir siehst du nichts Besonderes.");
  Type("schaue runter");
  EXPECT_EQ(Message(), "Unter dir siehst du nichts Besonderes.");
  Type("schaue nord");
  EXPECT_EQ(Message(), "Du solltest einfach in eine Richtung gehen, um zu sehen, was es dort gibt.");
  Type(U(Cp850("nord süd")).c_str());
  EXPECT_EQ(Message(), "[Bitte nur eine Richtungsangabe pro Eingabe verwenden.]");
  EXPECT_EQ(session.move_count, moves);

  Type("steige raus");
  EXPECT_EQ(Message(), "Du kannst gerade aus nichts hinaussteigen.");
  Type("iss raus");
  EXPECT_EQ(Message(), "[Das Programm versteht 'hinaus' nur mit den Verben 'schaue' und 'gehe'.]");
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
  session.voucher_carried = 1;
  Type("lies");
  EXPECT_EQ(LastPrinted(), "(den Gutschein)");
  EXPECT_EQ(session.command.object1, "gutschein");

  session.voucher_carried = 0;
  session.newspaper_room = 3;
  Type("lies");
  EXPECT_EQ(LastPrinted(), "(die Zeitung)");
  EXPECT_EQ(session.command.object1, "zeitung");

  session.current_room = 5;
  Type(U(Cp850("küsse")).c_str());
  EXPECT_EQ(LastPrinted(), "(den Frosch)");
  EXPECT_EQ(session.command.object1, "frosch");

  session.current_room = 11;
  Type(U(Cp850("öffne")).c_str());
  EXPECT_EQ(LastPrinted(), "(die Tür)");
  EXPECT_EQ(U(session.command.object1), "tür");
}

TEST_F(ClassifierTest, CommentReplies) {
  Type("verdammt");
  EXPECT_EQ(Message(), "Kein Kommentar hierzu.");
  EXPECT_EQ(session.move_count, 1);
  Type("jein");
  EXPECT_EQ(Message(), "Genau! Oder auch nicht!");
  EXPECT_EQ(session.move_count, 1);
  Type("trottel");
  EXPECT_EQ(Message(), "Beschimpfungen helfen dir nicht weiter.");
  Type("danke korb");
  EXPECT_EQ(Message(), "[Den Zusammenhang zwischen diesen Worten verstehe ich nicht.]");
  Type("danke danke");
  EXPECT_EQ(Message(), "[Mit mehreren Kommentaren pro Eingabe komme ich nicht zurecht.]");
  EXPECT_EQ(session.move_count, 2);

  // A comment closes an open question.
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

TEST_F(ClassifierTest, DativeArticlesAfterRidingAndSpeaking) {
  Type("reite auf dem schaf");
  EXPECT_EQ(session.command.first_article, "");
  EXPECT_EQ(Message().find("[Hier ergibt"), std::string::npos);
  Type("reite auf den schafen");
  EXPECT_EQ(session.command.first_article, "den");
  EXPECT_EQ(Message().find("[Hier ergibt"), std::string::npos);
  Type("reite auf die schafe");
  EXPECT_EQ(Message(), "[Hier ergibt 'die' keinen Sinn.]");
  Type("rede mit der oma");
  EXPECT_EQ(session.command.first_article, "");
}

TEST_F(ClassifierTest, ArticlesThatLaterChecksMustNotSee) {
  Type("folge dem wolf");
  EXPECT_EQ(session.command.first_article, "");
  Type("nimm das schweinchen");
  EXPECT_EQ(session.command.first_article, "");
  Type("steige aus dem brunnen");
  EXPECT_EQ(session.command.first_article, "");
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
  EXPECT_EQ(Classify(U(Cp850("untersuche die bäume")).c_str()), "");
  EXPECT_EQ(session.referent_fem, "strickleiter");
}

TEST_F(ClassifierTest, OnlyHineinTakesGoingAsItsVerb) {
  Type("hindurch");
  EXPECT_EQ(Message(), "['Hindurch' ist nur mit 'schaue', 'gehe', 'klettere' und 'steige' möglich.]");
  EXPECT_EQ(session.command.verb, "");
  EXPECT_EQ(session.pending_mode, 0);
  Type("hinein");
  EXPECT_EQ(Message(), "[In was willst du gehen?]");
  EXPECT_EQ(session.command.verb, "gehe");
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

TEST_F(ClassifierTest, OutOfSomethingTakesTheDativeAndReadsItAsTheAccusative) {
  Type("schaue aus dem fenster");
  EXPECT_EQ(session.command.first_article, "das");
  Type("gehe aus der bank");
  EXPECT_EQ(session.command.verb, "verlasse");
  EXPECT_EQ(session.command.first_article, "die");
  Type("schaue aus den bienen");
  EXPECT_EQ(session.command.first_article, "die");
  Type("schaue aus den fenster");
  EXPECT_EQ(Message(), "[Hier ergibt 'den' keinen Sinn.]");
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

TEST(ParserMessagesTest, EntriesFitOnALine) {
  for (int i = 0; i <= 24; ++i) {
    EXPECT_LE(ParserMessage(i).size(), 79u) << i;
    EXPECT_LE(SecondMessage(i).size(), 80u) << i;  // the "Stehe" text needs the whole row
  }
}

}  // namespace
