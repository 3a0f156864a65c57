// The clean-up of a typed line and the checks on the cleaned line.
#include "parser/normalisation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/encoding.h"
#include "parser/command_processor.h"
#include "support/game_harness.h"
#include "world/game_session.h"

namespace {

// Cleans a UTF-8 line as typed and gives the result back in UTF-8.
std::string Cleaned(const char* utf8, GameSession session = {}) {
  session.input_line = Cp850(utf8);
  CleanUpTypedLine(session);
  return Utf8FromCp850(session.input_line);
}

// Cleans and checks a UTF-8 line; the message (UTF-8) or "" when it passes.
std::string Checked(const char* utf8, GameSession session = {}) {
  session.input_line = Cp850(utf8);
  CleanUpTypedLine(session);
  return Utf8FromCp850(CheckCleanedLine(session));
}

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll(" a a a ", " a ", " b "), " b a b ");  // shared blanks: every other one
  EXPECT_EQ(ReplaceAll("oeoe", "oe", "o"), "oo");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");  // the replacement is not searched again
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(CleanUpTest, PunctuationBecomesUndAndOneFinalPeriodIsDropped) {
  EXPECT_EQ(Cleaned("Nimm den Korb!"), "nimm den korb");
  EXPECT_EQ(Cleaned("nimm korb. geh nord"), "nimm korb und  geh nord");
  EXPECT_EQ(Cleaned("nimm korb, geh nord"), "nimm korb und  geh nord");
  EXPECT_EQ(Cleaned("geh nord."), "geh nord");
  EXPECT_EQ(Cleaned("geh nord.."), "geh nord und");  // only one period is dropped
  EXPECT_EQ(Cleaned("!"), "und");                    // a lone mark stays for the checks
}

TEST(CleanUpTest, FoldsCapitalsIncludingUmlauts) {
  EXPECT_EQ(Cleaned("NIMM KORB"), "nimm korb");
  EXPECT_EQ(Cleaned("ÖFFNE DIE TÜR"), "öffne die tür");
  EXPECT_EQ(Cleaned("Äpfel"), "äpfel");
}

// One typed line per row of the substitution table, with what it must become;
// the lines also show where the order of the rows matters.
TEST(CleanUpTest, EveryRowOfTheSubstitutionTable) {
  const std::pair<const char*, const char*> cases[] = {
      {"drücke automaten", "drücke honigautomat"},  // first to " automat", then on
      {"tritt automat", "tritt honigautomat"},
      {"honigautomat", "honigautomat"},  // no blank before "automat": untouched
      {"rapunzelleiter", "rapunzelleiter"},  // only at a word start
      {"öffne schirm", "öffne regenschirm"},
      {"steige leiter hoch", "steige strickleiter hoch"},
      {"schaue horizont", "schaue himmel"},
      {"öffne schloß", "öffne schloss"},
      {"betrete rapunzelturm", "betrete turm"},
      {"trinke flusswasser", "trinke wasser"},
      {"trinke flußwasser", "trinke flusswasser"},  // "fluß" comes after " flusswasser"
      {"rufe dienst", "rufe schlüsseldienst"},
      {"nimm glas honig", "nimm honigglas"},
      {"öffne flasche wein", "öffne weinflasche"},
      {"pflücke strauß blumen", "pflücke blumenstrauß"},
      {"hebe fußmatte", "hebe matte"},
      {"hebe fussmatte", "hebe matte"},
      {"fluß", "fluss"},
      {"benutze maussteuerung", "benutze maus"},  // before "ue" could touch it
      {"nimm korb. geh", "nimm korb und  geh"},
      {"schaue im korb", "schaue in dem korb"},
      {"gehe ins haus", "gehe in das haus"},
      {"steige aufs dach", "steige auf das dach"},
      {"klopfe am tor", "klopfe an dem tor"},
      {"schaue unters bett", "schaue unter das bett"},
      {"krieche untern baum", "krieche unter den baum"},
      {"gehe übers gras", "gehe über die gras"},
      {"gehe übern fluss", "gehe über den fluss"},
      {"schaue hinters haus", "schaue hinter das haus"},
      {"schaue hintern baum", "schaue hinter den baum"},
      {"klopfe ans fenster", "klopfe an das fenster"},
      {"gehe zum haus", "gehe zu dem haus"},
      {"gehe zur oma", "gehe zu der oma"},
      {"krieche durchs gebüsch", "krieche durch das gebüsch"},
      {"geh r", "geh runter"},
      {"geh h", "geh hoch"},
      {"oeffne", "öffne"},
      {"baeume", "bäume"},
      {"tuer", "tür"},
      {"schaue", "schaue"},
      {"graue", "graue"},
      {"ueberquere fluss", "überquere fluss"},
      {"haue", "haue"},
      {"verbiege", "biege"},
      {"durchquere", "durchquere"},
      {"bequem", "bequem"},
      {"blaue", "blaue"},
      {"mauer", "mauer"},
      {"feuer", "feuer"},
      {"frauen", "frauen"},
      {"hineinsehen", "sehe hinein"},
      {"hindurchsehen", "sehe durch"},
      {"aufheben", "nehmen"},
      {"mitnehmen", "nehmen"},
      // The contractions need a word on each side; a line's last word has the
      // blank added at the end.
      {"im", "in dem"},
      {"gehe ins", "gehe in das"},
  };
  for (const auto& [typed, cleaned] : cases) EXPECT_EQ(Cleaned(typed), cleaned) << typed;
}

TEST(CleanUpTest, AsciiUmlautsAndTheirRepairs) {
  EXPECT_EQ(Cleaned("schaue in den Brunnen"), "schaue in den brunnen");
  EXPECT_EQ(Cleaned("gruesse den frosch"), "grüsse den frosch");
  EXPECT_EQ(Cleaned("oeffne die tuer"), "öffne die tür");
  EXPECT_EQ(Cleaned("poesie"), "pösie");
  EXPECT_EQ(Cleaned("ueberquere den fluss"), "überquere den fluss");
  EXPECT_EQ(Cleaned("feuer"), "feuer");
  EXPECT_EQ(Cleaned("verbiege den schluessel"), "biege den schlüssel");
  EXPECT_EQ(Cleaned("daenisch"), "dänisch");
}

TEST(CleanUpTest, BouquetWordsOutsideTheMeadowWhileCarried) {
  GameSession carrying;
  carrying.current_room = 7;
  carrying.bouquet_carried = 1;
  EXPECT_EQ(Cleaned("gib die blumen der oma", carrying), "gib blumenstrauß der oma");
  EXPECT_EQ(Cleaned("gib den blumen wasser", carrying), "gib blumenstrauß wasser");
  EXPECT_EQ(Cleaned("riech an blumen", carrying), "riech an blumenstrauß");
  // Every other article stays.
  EXPECT_EQ(Cleaned("gib dem wolf die kugel", carrying), "gib dem wolf die kugel");
  EXPECT_EQ(Cleaned("gib die kugel den blumen", carrying), "gib die kugel blumenstrauß");
  EXPECT_EQ(Cleaned("lege die blumen in den korb", carrying), "lege blumenstrauß in den korb");

  EXPECT_EQ(Cleaned("blumen", carrying), "blumenstrauß");
  EXPECT_EQ(Cleaned("gib die  blumen der oma", carrying), "gib blumenstrauß der oma");  // however many blanks
  EXPECT_EQ(Cleaned("gib der oma die blumen und dem wolf die kugel", carrying),
            "gib der oma blumenstrauß und dem wolf die kugel");
  // Only the replaced word loses its article: a typed bouquet keeps it.
  EXPECT_EQ(Cleaned("gib den blumenstrauß der oma", carrying), "gib den blumenstrauß der oma");
  EXPECT_EQ(Cleaned("gib das blumen", carrying), "gib das blumenstrauß");
  EXPECT_EQ(Cleaned("nimm dieblumen", carrying), "nimm dieblumen");

  GameSession in_meadow = carrying;
  in_meadow.current_room = 4;
  EXPECT_EQ(Cleaned("gib die blumen der oma", in_meadow), "gib die blumen der oma");
  GameSession not_carrying;
  not_carrying.current_room = 7;
  EXPECT_EQ(Cleaned("gib die blumen der oma", not_carrying), "gib die blumen der oma");
}

TEST(CleanUpTest, RemembersTheLineButNeverTheRepeatCommand) {
  GameSession session;
  session.input_line = "  Nimm den Korb. ";
  CleanUpTypedLine(session);
  EXPECT_EQ(session.last_command_line, "nimm den korb");
  for (const char* repeat : {"nochmal", "NOCHMAL", "again", "g", " g ", "g korb", "G, nimm korb", "nochmal!",
                              "again. nimm korb", "g g", "nimm g", "x g.", "nimm den korb nochmal"}) {
    session.input_line = repeat;
    CleanUpTypedLine(session);
    EXPECT_EQ(session.last_command_line, "nimm den korb") << repeat;
  }
  // Only the whole word counts.
  for (const auto& [typed, kept] : {std::pair{"geh nord", "geh nord"}, {"gg", "gg"},
                                    {"nochmals", "nochmals"}, {"", ""}}) {
    session.input_line = typed;
    CleanUpTypedLine(session);
    EXPECT_EQ(session.last_command_line, kept) << typed;
  }
}

TEST(CheckCleanedLineTest, MessagesForBadPunctuation) {
  EXPECT_EQ(Checked("!"), "[Etwas Verwertbares konnte ich nicht finden.]");
  EXPECT_EQ(Checked("."), "[Etwas Verwertbares konnte ich nicht finden.]");
  EXPECT_EQ(Checked(","), "[Etwas Verwertbares konnte ich nicht finden.]");
  EXPECT_EQ(Checked("und"), "[Etwas Verwertbares konnte ich nicht finden.]");
  EXPECT_EQ(Checked("wo bin ich?"), "[Bitte keine Fragezeichen in der Eingabe verwenden.]");
  EXPECT_EQ(Checked("?"), "[Bitte keine Fragezeichen in der Eingabe verwenden.]");
  const char* doubled = "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]";
  EXPECT_EQ(Checked("nimm korb,, geh nord"), doubled);
  EXPECT_EQ(Checked("nimm korb, und geh nord"), doubled);
  EXPECT_EQ(Checked("und und und"), doubled);
  EXPECT_EQ(Checked("..."), doubled);
  const char* at_end = "[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]";
  EXPECT_EQ(Checked("geh nord und"), at_end);
  EXPECT_EQ(Checked("geh nord,"), at_end);
  EXPECT_EQ(Checked("geh nord!!"), at_end);
  EXPECT_EQ(Checked("nimm korb"), "");
  EXPECT_EQ(Checked("nimm korb und geh nord"), "");
  EXPECT_EQ(Checked(""), "");
  EXPECT_EQ(Checked("     "), "");
  EXPECT_EQ(Checked("rund"), "");  // "und" only as a word
}

TEST(CheckCleanedLineTest, LinesFromTheProgramKeepTheirMarks) {
  GameSession session;
  session.line_from_program = 1;
  session.input_line = "  schaue unter bett.! ";
  EXPECT_EQ(CheckCleanedLine(session), "");
  EXPECT_EQ(session.input_line, "schaue unter bett");  // final marks dropped, line trimmed
  EXPECT_EQ(session.line_from_program, 0);

  session.input_line = "nimm korb,";
  EXPECT_EQ(Utf8FromCp850(CheckCleanedLine(session)),
            "[Du kannst eine Eingabezeile nicht mit einem Komma abschließen.]");
  session.input_line = "und .";
  EXPECT_EQ(Utf8FromCp850(CheckCleanedLine(session)), "[Außer 'und' konnte ich nichts Verwertbares finden.]");
}

TEST(CheckCleanedLineTest, UndAtTheEndIsAllowedWhileAWordCanBeCorrected) {
  GameSession session;
  session.unknown_word_countdown = 1;
  EXPECT_EQ(Checked("geh nord und", session), "");
}

TEST(CleanUpTest, LongAndOddLinesDoNotBreakIt) {
  const std::string long_line(300, 'a');
  EXPECT_EQ(Cleaned(long_line.c_str()), long_line);
  const std::string many_marks(300, ',');
  EXPECT_EQ(Checked(many_marks.c_str()),
            "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]");
  GameSession session;
  session.input_line = std::string("nimm\x01korb\x7f", 10);
  CleanUpTypedLine(session);
  EXPECT_EQ(session.input_line, std::string("nimm\x01korb\x7f", 10));
  EXPECT_EQ(CheckCleanedLine(session), "");
}

// --- Typed through the running game -----------------------------------------

using Rows = std::vector<std::string>;

class NormalisationGameTest : public ::testing::Test {
 protected:
  NormalisationGameTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
  }

  // Types the lines (UTF-8) and gives back the non-empty rows printed.
  Rows Play(const Rows& lines) { return h.PlayLines(lines); }

  GameHarness h;
};

TEST_F(NormalisationGameTest, PunctuationSplitsTheLineIntoSentences) {
  EXPECT_EQ(Play({"Danke!", "danke. verdammt", "danke, verdammt", "DANKE. OK.", "danke..", "danke, und ok",
                  "danke,, ok", "danke und"}),
            (Rows{">Danke!", "Gern geschehen!",                                     //
                  ">danke. verdammt", "Gern geschehen!", "Kein Kommentar hierzu.",  //
                  ">danke, verdammt", "Gern geschehen!", "Kein Kommentar hierzu.",  //
                  ">DANKE. OK.", "Gern geschehen!", "Okay.",                        //
                  ">danke..", "[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]",
                  ">danke, und ok", "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]",
                  ">danke,, ok", "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]",
                  ">danke und", "[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]"}));
  EXPECT_EQ(h.session().move_count, 7);  // the rejected lines count no move
}

TEST_F(NormalisationGameTest, AWholeLineMessageRunsNoSentenceOfTheLine) {
  EXPECT_EQ(Play({"danke und ok?", "ok"}),
            (Rows{">danke und ok?", "[Bitte keine Fragezeichen in der Eingabe verwenden.]", ">ok", "Okay."}));
  EXPECT_EQ(h.session().move_count, 1);
  EXPECT_EQ(h.session().more_sentences_pending, 0);
}

TEST_F(NormalisationGameTest, LinesOfOnlyBlanksOrOnlyPunctuation) {
  const std::string nothing = "[Etwas Verwertbares konnte ich nicht finden.]";
  const std::string question = "[Bitte keine Fragezeichen in der Eingabe verwenden.]";
  const std::string doubled = "[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' verwenden.]";
  // The editor does not take a line of blanks: the prompt stays for the next one.
  EXPECT_EQ(Play({"     ", "!", ".", ",", "!!", ",.", " ! ", "UND", "?", "!?", ",,", "...", "und und und", ";"}),
            (Rows{">!", nothing, ">.", nothing, ">,", nothing, ">!!", nothing, ">,.", nothing, ">!", nothing,
                  ">UND", nothing, ">?", question, ">!?", question, ">,,", doubled, ">...", doubled,
                  ">und und und", doubled, ">;", "[Ich kenne das Wort ';' nicht.]"}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(NormalisationGameTest, ALongLineIsCutByTheEditorAndThenChecked) {
  std::string typed;
  while (typed.size() < 300) typed += "danke, ";
  // 77 characters are kept: eleven times "danke," and the comma ends the line.
  EXPECT_EQ(Play({typed}),
            (Rows{">" + typed.substr(0, 76),
                  "[Bitte kein Komma, 'und' oder mehrere Satzzeichen am Satzende eingeben.]"}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(NormalisationGameTest, ControlCharactersAreNotTyped) {
  // Ctrl+A, Tab, Escape, Ctrl+Z and a bell go nowhere; Tab tidies the line.
  EXPECT_EQ(Play({"d\x01" "an\tke\x1b", "\x1a\x07" "ok"}),
            (Rows{">danke", "Gern geschehen!", ">ok", "Okay."}));
}

TEST_F(NormalisationGameTest, CapitalsAndPlainAsciiUmlauts) {
  EXPECT_EQ(Play({"SCHAUE HOCH", "Schaue R", "KUESSE IHN", "kÜsse ihn"}),
            (Rows{">SCHAUE HOCH", "Über dir siehst du nichts Besonderes.",  //
                  ">Schaue R", "Unter dir siehst du nichts Besonderes.",      //
                  ">KUESSE IHN", "[Ich weiß nicht, auf was du dich beziehst.]",  //
                  ">kÜsse ihn", "[Ich weiß nicht, auf was du dich beziehst.]"}));
}

// A line that begins with a repeat command would, once remembered, repeat
// itself for ever; the parser here gives up after 30 sentences instead.
TEST(NormalisationRepeatTest, ALineStartingWithARepeatCommandIsNotRemembered) {
  int sentences = 0;
  GameHarness h([&sentences](GameSession& session, Console& console, InputOrigin origin) {
    if (++sentences > 30) throw ProgramExit{0};
    return ProcessCommand(session, console, origin);
  });
  h.StartUp();
  h.frontend.Flush(h.console);
  for (const char* line : {"danke", "g korb", "g"}) h.frontend.Line(line);
  const size_t before = h.Lines().size();
  h.Play();
  Rows rows;
  for (size_t i = before; i < h.Lines().size(); ++i) {
    if (!h.Lines()[i].empty()) rows.push_back(h.Lines()[i]);
  }
  EXPECT_EQ(rows, (Rows{">danke", "Gern geschehen!", ">g korb", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]",
                        ">g", "(danke)", "Gern geschehen!"}));
  EXPECT_EQ(h.session().last_command_line, "danke");
  EXPECT_LE(sentences, 6);
}

}  // namespace
