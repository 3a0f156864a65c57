// The one-word commands typed in the running game: their answers, colours,
// the move counter, the gate against extra words, quitting, restarting and
// repeating the last line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

using Rows = std::vector<std::string>;

class SpecialCommandTest : public ::testing::Test {
 protected:
  SpecialCommandTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
    h.frontend.set_shows_pages(false);
  }

  void Queue(const Rows& lines) {
    for (const std::string& line : lines) h.frontend.Line(line);
  }
  // All rows printed from here on, blank ones included.
  Rows PlayAll(const Rows& lines) {
    Queue(lines);
    const size_t before = h.Lines().size();
    h.Play();
    Rows rows(h.Lines().begin() + static_cast<long>(before), h.Lines().end());
    while (!rows.empty() && rows.front().empty()) rows.erase(rows.begin());  // the turn's blank line
    return rows;
  }
  // The rows printed for the lines, without blank ones.
  Rows Play(const Rows& lines) {
    Rows out;
    for (const std::string& row : PlayAll(lines)) {
      if (!row.empty()) out.push_back(row);
    }
    return out;
  }
  // The lowest screen row showing exactly this text, or 0.
  int ScreenRow(const std::string& text) const {
    for (int row = kScreenRows; row >= 1; --row) {
      if (h.Row(row) == text) return row;
    }
    return 0;
  }

  GameHarness h;
};

struct Expected {
  const char* input;
  const char* answer;
  int moves;
};

// Each command in a fresh game: its one answer and what it costs.
TEST(SpecialCommandAnswers, OneLineAnswersAndTheMovesTheyCost) {
  const Expected cases[] = {
      {"huste", "Hust, hust.", 0},
      {"niese", "Gesundheit!", 0},
      {"warte", "Du wartest einen Moment. Alles bleibt wie es war.", 1},
      {"z", "Du wartest einen Moment. Alles bleibt wie es war.", 1},
      {"verweile", "Du wartest einen Moment. Alles bleibt wie es war.", 1},
      {"diagnose", "Du fühlst dich gut.", 0},
      {"schlafe", "Du bist gar nicht müde.", 1},
      {"träume", "Nicht gerade jetzt.", 1},
      {"kotze", "Dir ist nicht schlecht.", 1},
      {"pinkle", "Du musst gar nicht.", 1},
      {"lache", "Ja, lachen tut gut.", 1},
      {"juble", "Ja, lachen tut gut.", 1},
      {"lächle", "Ja, jetzt geht es dir ein wenig besser.", 1},
      {"bete", "Es wird dir nicht wirklich helfen, aber schaden kann es wohl nicht.", 1},
      {"stöhne", "Stöhn!", 1},
      {"seufze", "Seufz!", 1},
      {"meditiere", "Du weißt gar nicht, wie das geht.", 1},
      {"sterbe", "Dafür bist du noch viel zu jung.", 1},
      {"erwache", "Du bist bereits wach.", 1},
      {"tanze", "Du kannst nicht wirklich tanzen, dafür bist du noch zu klein.", 1},
      {"klingeln", "Ohne Klingel kannst du nicht klingeln.", 1},
      {"läute", "Ohne Klingel kannst du nicht klingeln.", 1},
      {"läuten", "Ohne Klingel kannst du nicht klingeln.", 1},
      {"weine", "Du bist nicht traurig.", 1},
      {"atme", "Das tust du ganz automatisch.", 1},
      {"fluche", "Mama sagt, für eine Dame gehört es sich nicht, zu fluchen.", 1},
      {"singe", "Du singst ein bisschen vor dich hin.", 1},
      {"blöke", "Du bist kein Schaf.", 1},
      {"zeit", "Es ist etwas später als vorhin.", 0},
      {"uhrzeit", "Es ist etwas später als vorhin.", 0},
      {"lösung", "Eine Komplettlösung ist nicht verfügbar. Benutze 'tip' für situationsabhängige",
       0},  // the answer wraps; its first row
      {"ausgänge", "[Die möglichen Ausgänge sind in der Kompassrose weiß dargestellt.]", 0},
      {"a", "[Die möglichen Ausgänge sind in der Kompassrose weiß dargestellt.]", 0},
      {"punkte", "Du hast 0 von 30 Punkten erreicht.", 0},
      {"score", "Du hast 0 von 30 Punkten erreicht.", 0},
      {"züge", "Du hast bisher 0 Züge benötigt.", 0},
      {"meldung", "(Keine Benachrichtigungen bei Punktestandsänderungen).", 0},
      {"hilfe", "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden", 0},  // wraps
  };
  for (const Expected& expected : cases) {
    SCOPED_TRACE(expected.input);
    GameHarness h;
    h.StartUp();
    h.frontend.Flush(h.console);
    h.frontend.Line(expected.input);
    const size_t before = h.Lines().size();
    h.Play();
    Rows rows;
    for (size_t i = before; i < h.Lines().size(); ++i) {
      if (!h.Lines()[i].empty()) rows.push_back(h.Lines()[i]);
    }
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], std::string(">") + expected.input);
    EXPECT_EQ(rows[1], expected.answer);
    EXPECT_EQ(h.session().move_count, expected.moves);
  }
}

TEST_F(SpecialCommandTest, InventoryListsWhatIsCarriedAndCostsAMove) {
  EXPECT_EQ(Play({"besitz", "i"}), (Rows{">besitz", "Du hast einen Korb.", ">i", "Du hast einen Korb."}));
  EXPECT_EQ(h.session().move_count, 2);
}

TEST_F(SpecialCommandTest, RingingAtTheLocksmithsStandPressesTheBell) {
  h.session().current_room = 8;
  const Rows rows = Play({"klingeln"});
  ASSERT_GE(rows.size(), 1u);
  EXPECT_EQ(rows[0], ">klingeln");
  EXPECT_EQ(std::find(rows.begin(), rows.end(), "Ohne Klingel kannst du nicht klingeln."), rows.end());
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(SpecialCommandTest, SolutionAnswerWrapsAsOneParagraph) {
  EXPECT_EQ(Play({"lösung"}), (Rows{">lösung",
                                    "Eine Komplettlösung ist nicht verfügbar. Benutze 'tip' für situationsabhängige",
                                    "Hilfestellungen."}));
}

TEST_F(SpecialCommandTest, BriefAndVerboseSwitchTheRoomDescriptions) {
  EXPECT_EQ(Play({"ausführlich", "knapp", "verbose"}),
            (Rows{">ausführlich", "Ausführliche Raumbeschreibungen (auch bei erneutem Betreten eines Raumes).",
                  ">knapp", "Knappe Raumbeschreibungen (ausführlich nur beim ersten Betreten eines Raumes).",
                  ">verbose", "Ausführliche Raumbeschreibungen (auch bei erneutem Betreten eines Raumes)."}));
  EXPECT_EQ(h.session().brief_mode, 0);
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SpecialCommandTest, BriefModeIsSetByKnapp) {
  h.session().brief_mode = 0;
  Play({"brief"});
  EXPECT_EQ(h.session().brief_mode, 1);
}

TEST_F(SpecialCommandTest, ASpecialCommandMustStandAlone) {
  EXPECT_EQ(Play({"nimm den korb warte", "züge korb", "ausführlich korb", "nochmal korb", "lache singe"}),
            (Rows{">nimm den korb warte", "['Warte' wird nur als Ein-Wort-Eingabe verstanden.]", ">züge korb",
                  "['Züge' wird nur als Ein-Wort-Eingabe verstanden.]", ">ausführlich korb",
                  "['Ausführlich' wird nur als Ein-Wort-Eingabe verstanden.]", ">nochmal korb",
                  "['Nochmal' wird nur als Ein-Wort-Eingabe verstanden.]", ">lache singe",
                  "[Bitte nur einen Sonderbefehl pro Eingabe verwenden.]"}));
  EXPECT_EQ(h.session().move_count, 0);
  EXPECT_EQ(h.session().brief_mode, 1);
}

TEST_F(SpecialCommandTest, ARefusedSpecialCommandDropsTheRestOfTheLine) {
  EXPECT_EQ(Play({"warte korb und lache"}),
            (Rows{">warte korb und lache", "['Warte' wird nur als Ein-Wort-Eingabe verstanden.]"}));
  EXPECT_EQ(h.session().move_count, 0);
  EXPECT_EQ(h.session().more_sentences_pending, 0);
}

TEST_F(SpecialCommandTest, EachSentenceOfALineRunsInTurn) {
  EXPECT_EQ(Play({"lache und singe"}),
            (Rows{">lache und singe", "Ja, lachen tut gut.", "Du singst ein bisschen vor dich hin."}));
  EXPECT_EQ(h.session().move_count, 2);
}

// --- Quitting and restarting -----------------------------------------------

TEST_F(SpecialCommandTest, QuitAnsweredNoGoesOnAndOtherKeysAreIgnored) {
  h.frontend.Line("ende");
  h.frontend.Key('x');
  h.frontend.Key('N');
  EXPECT_EQ(Play({"punkte"}), (Rows{">ende", "Spiel wirklich beenden? (j/n)", "(Spiel wird fortgesetzt).", ">punkte",
                                    "Du hast 0 von 30 Punkten erreicht."}));
  EXPECT_TRUE(h.frontend.sleeps().empty());
}

TEST_F(SpecialCommandTest, QuitAnsweredYesEndsTheProgram) {
  h.frontend.Line("q");
  h.frontend.Key('j');
  h.frontend.Line("lache");
  int status = -1;
  try {
    h.game.PlayTurns();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  }
  h.frontend.Flush(h.console);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(h.frontend.sleeps(), std::vector<int>{1000});
  EXPECT_EQ(h.frontend.pending(), 6u);  // "lache" and Enter were never read
  EXPECT_EQ(h.session().move_count, 0);
  const int question = ScreenRow("Spiel wirklich beenden? (j/n)");
  ASSERT_GT(question, 1);
  EXPECT_EQ(h.Row(question - 1), ">q");
  EXPECT_EQ(h.CellAt(question, 1).fg, kLightGrey);
  EXPECT_EQ(h.Row(question + 1), "");
  // The status bar was drawn again over whatever scrolled into it.
  EXPECT_EQ(h.Row(1).substr(0, 11), " Quendelmar");
}

TEST_F(SpecialCommandTest, RestartAnsweredNoKeepsTheGame) {
  h.frontend.Line("lache");
  h.frontend.Line("neustart");
  h.frontend.Key('q');
  h.frontend.Key('n');
  EXPECT_EQ(Play({"züge"}), (Rows{">lache", "Ja, lachen tut gut.", ">neustart", "Spiel wirklich neu starten? (j/n)",
                                  "(Kein Neustart).", ">züge", "Du hast bisher 1 Zug benötigt."}));
}

TEST_F(SpecialCommandTest, RestartAnsweredYesStartsANewGame) {
  h.frontend.Line("lache");
  h.frontend.Line("ausführlich");
  h.frontend.Line("neu");
  h.frontend.Key('J');
  h.frontend.Key(' ');  // the prologue's key
  const Rows rows = Play({"züge"});
  EXPECT_EQ(rows.back(), "Du hast bisher 0 Züge benötigt.");
  EXPECT_EQ(rows[rows.size() - 2], ">züge");
  EXPECT_EQ(h.session().move_count, 0);
  EXPECT_EQ(h.session().brief_mode, 1);
  EXPECT_EQ(h.session().current_room, 1);
  EXPECT_EQ(h.session().last_command_line, Cp850("züge"));
}

// --- Repeating the last line ---------------------------------------------------

TEST_F(SpecialCommandTest, RepeatRunsTheLastLineAgain) {
  EXPECT_EQ(Play({"lache", "g", "nochmal", "again"}),
            (Rows{">lache", "Ja, lachen tut gut.", ">g", "(lache)", "Ja, lachen tut gut.", ">nochmal", "(lache)",
                  "Ja, lachen tut gut.", ">again", "(lache)", "Ja, lachen tut gut."}));
  EXPECT_EQ(h.session().move_count, 4);
  EXPECT_EQ(h.session().last_command_line, "lache");
}

TEST_F(SpecialCommandTest, NothingToRepeatAtTheStart) {
  EXPECT_EQ(Play({"g"}), (Rows{">g", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"}));
}

TEST_F(SpecialCommandTest, ALineWithAnEnumerationIsNotRepeatedAndIsForgotten) {
  EXPECT_EQ(Play({"lache und singe", "g", "g"}),
            (Rows{">lache und singe", "Ja, lachen tut gut.", "Du singst ein bisschen vor dich hin.", ">g",
                  "[Eine Wiederholung der letzten Eingabe bei einem Satz, der eine Aufzählung",
                  "enthält, ist nicht möglich.]", ">g", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"}));
  EXPECT_EQ(h.session().move_count, 2);
}

TEST_F(SpecialCommandTest, ARepeatWithFurtherSentencesIsRefused) {
  EXPECT_EQ(Play({"lache", "g und singe", "g"}),
            (Rows{">lache", "Ja, lachen tut gut.", ">g und singe",
                  "[Eine Wiederholung der letzten Eingabe bei einem Satz, der eine Aufzählung",
                  "enthält, ist nicht möglich.]", ">g", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"}));
  EXPECT_EQ(h.session().move_count, 1);
}

// "g" with other words is no repeat, and a line that holds it is never the
// line to repeat: otherwise it would repeat itself for ever.
TEST_F(SpecialCommandTest, ARepeatWithMoreWordsIsNotPossible) {
  EXPECT_EQ(Play({"lache", "g korb", "g"}),
            (Rows{">lache", "Ja, lachen tut gut.", ">g korb", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]",
                  ">g", "(lache)", "Ja, lachen tut gut."}));
  EXPECT_EQ(h.session().last_command_line, "lache");
  EXPECT_EQ(h.session().move_count, 2);
}

TEST_F(SpecialCommandTest, ARepeatWithMoreWordsAndNothingBeforeIt) {
  EXPECT_EQ(Play({"g korb", "g"}), (Rows{">g korb", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]",
                                         ">g", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"}));
  EXPECT_EQ(h.session().last_command_line, "");
}

// Even a remembered line that starts with a repeat command is not run again.
TEST_F(SpecialCommandTest, ARememberedRepeatIsNeverRunAgain) {
  h.session().last_command_line = "g korb";
  EXPECT_EQ(Play({"again"}), (Rows{">again", "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"}));
  EXPECT_EQ(h.session().line_from_program, 0);
}

// --- Information --------------------------------------------------------------

TEST_F(SpecialCommandTest, ParserHelpIsPrintedLineByLine) {
  const Rows expected = {
      ">hinweise",
      "Das Spiel versteht über 100 unterschiedliche Verben und viele Synonyme für",
      "diese Verben (betrachte für untersuche etc.) Die wichtigsten Verben sind:",
      "untersuche <Gegenstand>, nimm <Gegenstand>, gib <Person> <Gegenstand>.",
      "In vielen Fällen ist die Verwendung von Präpositionen sinnvoll, etwa bei:",
      ">schaue in Korb, >krieche unter Busch, >öffne Tür mit Schlüssel.",
      "",
      "Unvollständige Eingaben versucht der Parser durch Nachfragen zu ergänzen.",
      "Gib einfach ein beliebiges bekanntes Verb ein, drücke <Enter> und beantworte",
      "dann die Rückfragen des Parsers.",
      "",
      "Eingabebeispiele:",
      ">u tür, >lausche an ihr, >klopfe dagegen, >betrachte den schlüssel",
      ">schließ die Tür mit dem Schlüssel auf und öffne sie",
      "",
      "Auch unkonventionelle Eingaben wie die folgende sind möglich:",
      ">die tür untersuchen und sie mit dem schlüssel aufschließen",
      "",
      "Ein vorangestelltes 'ich' wird vom Parser ignoriert, kann aber die",
      "Eingabe erleichtern: >ich lese die zeitung und gehe nach norden",
  };
  Rows rows = PlayAll({"hinweise"});
  ASSERT_GE(rows.size(), expected.size());
  rows.resize(expected.size());
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(h.session().move_count, 0);
  const int row = ScreenRow("Eingabebeispiele:");
  ASSERT_GT(row, 0);
  EXPECT_EQ(h.CellAt(row, 1).fg, kLightGrey);
}

TEST_F(SpecialCommandTest, CommandListShowsNamesInTheAccentColour) {
  const Rows expected = {
      ">befehle",
      "Inventory (I, Besitz) listet alle Gegenstände auf, die du besitzt.",
      "Huch (Oops) korrigiert ein fehlerhaftes Wort in der vorherigen Eingabe.",
      "Maussteuerung: Tippe 'Maus' oder 'Maussteuerung' für Einzelheiten.",
      "Pfeiltasten hoch/runter (auch + und -): Aufruf der letzten Eingaben.",
      "Karte (k, 0) zum Aufruf der Kartenfunktion.",
      "Nochmal (again, g) wiederholt die letzte Eingabe.",
      "Ausführlich (Verbose) zeigt immer die ausführlichen Raumbeschreibungen.",
      "Knapp (Brief) zeigt die ausführliche Beschreibung beim ersten Raumbesuch.",
      "Objekte (Ob) zeigt, auf was er/sie/es/ihn/ihm/ihr/ihnen bezogen wird.",
      "Warte (z) überspringt einen Zug ohne Aktion.",
      "Clear (c) löscht den Bildschirm.",
      "Ende (q, quit) führt zum Spielende.",
      "Credits (Info) zeigt, wer an dem Spiel beteiligt war.",
      "Hilfe (Help, Tip) gibt Hilfestellungen zur jeweiligen Spielsituation.",
      "Neustart (neu) führt zum Neustart des Spiels.",
      "Hinweise enthält wichtige Verben und erklärt die Fähigkeiten des Parsers.",
      "Hintergrund enthält weitere Informationen zum vorliegenden Programm.",
      "Laden (load, restore) lädt, speichern (save) speichert einen Spielstand.",
      "F1 bis F10 belegt, F11 und F12 für das zuletzt verwendete Verb bzw. Objekt.",
  };
  EXPECT_EQ(Play({"befehle"}), expected);
  EXPECT_EQ(h.session().move_count, 0);

  const int clear = ScreenRow("Clear (c) löscht den Bildschirm.");
  ASSERT_GT(clear, 0);
  EXPECT_EQ(h.CellAt(clear, 1).fg, kGreen);
  EXPECT_EQ(h.CellAt(clear, 6).fg, kGreen);  // the blank after the name
  EXPECT_EQ(h.CellAt(clear, 7).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(clear, 7).bg, kBlack);

  const int load = ScreenRow("Laden (load, restore) lädt, speichern (save) speichert einen Spielstand.");
  ASSERT_GT(load, 0);
  EXPECT_EQ(h.CellAt(load, 1).fg, kGreen);
  EXPECT_EQ(h.CellAt(load, 7).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(load, 28).fg, kLightGrey);  // the blank before "speichern"
  EXPECT_EQ(h.CellAt(load, 29).fg, kGreen);
  EXPECT_EQ(h.CellAt(load, 37).fg, kGreen);
  EXPECT_EQ(h.CellAt(load, 39).fg, kLightGrey);
}

TEST_F(SpecialCommandTest, CreditsAreCentredWithTitleAndNamesInTheAccentColour) {
  const Rows rows = PlayAll({"credits"});
  ASSERT_GE(rows.size(), 13u);
  EXPECT_EQ(rows[0], ">credits");
  EXPECT_EQ(rows[1], std::string(34, ' ') + "Quendelmar");
  EXPECT_EQ(rows[2], std::string(32, ' ') + "- Edition 2 -");
  EXPECT_EQ(rows[3], "");
  EXPECT_EQ(rows[4], std::string(26, ' ') + "Programm, Parser und Idee:");
  EXPECT_EQ(rows[6], "");
  EXPECT_EQ(rows[7], std::string(22, ' ') + "Inhaltliche Mitarbeit an Edition 2:");
  EXPECT_EQ(rows[9], "");
  EXPECT_EQ(rows[10], std::string(26, ' ') + "Betatester der Version 1.0:");
  EXPECT_EQ(rows[12], "");
  EXPECT_EQ(h.session().move_count, 0);

  const int title = ScreenRow(std::string(34, ' ') + "Quendelmar");
  ASSERT_GT(title, 0);
  EXPECT_EQ(h.CellAt(title, 35).fg, kGreen);
  EXPECT_EQ(h.CellAt(title + 1, 34).fg, kGreen);     // "- Edition 2 -"
  EXPECT_EQ(h.CellAt(title + 3, 40).fg, kLightGrey);  // a role
  EXPECT_EQ(h.CellAt(title + 4, 40).fg, kGreen);      // its names
  EXPECT_NE(h.Row(title + 4), "");
}

TEST_F(SpecialCommandTest, VersionHasThreeLines) {
  const Rows rows = Play({"version"});
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1], "Quendelmar - Edition 2");
  EXPECT_FALSE(rows[2].empty());
  EXPECT_EQ(rows[3], "Version 2.0 vom 05.09.2018.");
}

TEST_F(SpecialCommandTest, PronounReportNamesTheReferents) {
  h.session().referent_masc = "korb";
  h.session().referent_fem = "zeitung";
  h.session().referent_neuter = Cp850("honigglas");
  EXPECT_EQ(Play({"ob"}),
            (Rows{">ob", "Auf folgende Objekte wird die Eingabe von er/sie/es/ihn/ihm/ihr/ihnen bezogen:",
                  "Mehrzahl:", "Männlich: Korb", "Weiblich: Zeitung", "Neutrum:  Honigglas"}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SpecialCommandTest, MouseHelpHasSevenParagraphsInFourGroups) {
  Rows rows = PlayAll({"maussteuerung"});
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], ">maussteuerung");
  // Paragraphs as the screen shows them: rows joined, blank rows between.
  Rows groups(1);
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].empty()) {
      if (!groups.back().empty()) groups.emplace_back();
    } else {
      groups.back() += (groups.back().empty() ? "" : " ") + rows[i];
    }
  }
  if (groups.back().empty()) groups.pop_back();
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[0],
            "Ein Mausklick auf die hell dargestellten Richtungsbezeichnungen der Kompassrose führt dich in die "
            "jeweilige Richtung, ein Mausklick auf X zeigt die Karte.");
  EXPECT_EQ(groups[1],
            "Klicke in der Titelleiste auf 'Quendelmar' für die Credits, auf '- Edition 2 -' für Informationen zur "
            "vorliegenden Version und auf den Ort für 'Schaue dich um'. Das Anklicken von 'Besitz', 'Befehle', "
            "'Punkte' und 'Züge' führt zum selben Ergebnis wie das Eintippen dieser Wörter.");
  EXPECT_EQ(groups[3],
            "In der Fensterdarstellung muss der Quick-Edit-Modus ausgeschaltet sein, damit die Maussteuerung "
            "funktioniert. Ab Windows XP: Rechter Mausklick auf Fenster-Titelleiste, Eigenschaften, Optionen: "
            "Quick-Edit-Modus deaktivieren. Die Maussteuerung sollte nun nach der ersten getippten Eingabe "
            "funktionieren.");
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SpecialCommandTest, BackgroundStartsWithABlankLineAndNamesTheSystems) {
  const Rows rows = PlayAll({"hintergrund"});
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0], ">hintergrund");
  EXPECT_EQ(rows[1], "");
  EXPECT_TRUE(rows[2].starts_with("Die Edition 2"));
  std::string all;
  for (const std::string& row : rows) all += row + " ";
  EXPECT_NE(all.find("Die ursprüngliche Version 1.0 wurde für Windows XP programmiert, ist jedoch, ebenso wie die "
                     "Edition 2, ab Windows 95 bis Windows 10 lauffähig."),
            std::string::npos);
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SpecialCommandTest, ClearEmptiesTheScreenAndLooksAround) {
  Play({"lache", "c"});
  EXPECT_EQ(h.Row(4), "Am Waldeingang");
  EXPECT_EQ(h.CellAt(4, 1).fg, kGreen);
  EXPECT_EQ(h.Row(5), "");
  EXPECT_EQ(h.Row(6).substr(0, 30), "Im Norden liegt er nun also, d");
  EXPECT_EQ(ScreenRow("Ja, lachen tut gut."), 0);
  EXPECT_EQ(h.session().move_count, 1);
}

}  // namespace
