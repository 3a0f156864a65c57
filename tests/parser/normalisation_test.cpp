// The clean-up of a typed line and the checks on the cleaned line.
#include "parser/normalisation.h"

#include <gtest/gtest.h>

#include <string>

#include "console/encoding.h"
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

TEST(CleanUpTest, SubstitutionTableInOrder) {
  EXPECT_EQ(Cleaned("untersuche den automaten"), "untersuche den honigautomat");
  EXPECT_EQ(Cleaned("untersuche den automat"), "untersuche den honigautomat");
  EXPECT_EQ(Cleaned("gehe ins haus"), "gehe in das haus");
  EXPECT_EQ(Cleaned("schaue im korb"), "schaue in dem korb");
  EXPECT_EQ(Cleaned("gehe zur oma"), "gehe zu der oma");
  EXPECT_EQ(Cleaned("gehe übers gras"), "gehe über die gras");
  EXPECT_EQ(Cleaned("nimm das glas honig"), "nimm das honigglas");
  EXPECT_EQ(Cleaned("schau in den fluß"), "schau in den fluss");
  EXPECT_EQ(Cleaned("hebe die fussmatte"), "hebe die matte");
  EXPECT_EQ(Cleaned("geh r"), "geh runter");
  EXPECT_EQ(Cleaned("geh h"), "geh hoch");
  EXPECT_EQ(Cleaned("öffne schirm"), "öffne regenschirm");
  EXPECT_EQ(Cleaned("aufheben korb"), "nehmen korb");
  EXPECT_EQ(Cleaned("hineinsehen"), "sehe hinein");
  // Only at a word start: "rapunzelleiter" is no "leiter".
  EXPECT_EQ(Cleaned("rapunzelleiter"), "rapunzelleiter");
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
  for (const char* repeat : {"nochmal", "NOCHMAL", "again", "g", " g "}) {
    session.input_line = repeat;
    CleanUpTypedLine(session);
    EXPECT_EQ(session.last_command_line, "nimm den korb") << repeat;
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

}  // namespace
