// The save and load dialogs in play: names, the list, the overwrite
// question, the messages left on the screen, and damaged or missing files
// through the error handler.
#include "persist/save_and_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "console/key_codes.h"
#include "persist/save_file.h"
#include "support/file_size_limit.h"
#include "support/game_harness.h"
#include "support/temp_directory.h"

namespace {

using namespace key;

class SaveAndLoadTest : public ::testing::Test {
 protected:
  SaveAndLoadTest() { Fresh(); }

  // A new game at its first prompt. Each script is played once: where it
  // runs dry, in a dialog or at a prompt, the screen can be looked at.
  void Fresh() {
    game = std::make_unique<GameHarness>();
    game->StartUp();
    game->frontend.set_shows_pages(false);
  }
  void Play() { game->Play(); }
  bool Printed(const std::string& row) const {
    return std::find(game->Lines().begin(), game->Lines().end(), row) != game->Lines().end();
  }
  void Save(const std::string& name) {
    game->frontend.Line("speichern");
    game->frontend.Line(name);
  }
  // The first line of a file, without its line end.
  static std::string FirstLine(const std::string& file) {
    const std::string text = TempDirectory::Read(file);
    return text.substr(0, text.find("\r\n"));
  }
  // The save file of a session, to compare states field by field.
  static std::string FileText(const GameSession& session) {
    WriteSave("compare.sav", session);
    const std::string text = TempDirectory::Read("compare.sav");
    std::filesystem::remove("compare.sav");
    return text;
  }
  static void WriteValidSave(const std::string& name) {
    GameSession session;
    SetInitialValues(session);
    session.current_room = 1;
    WriteSave(name + ".sav", session);
  }

  TempDirectory directory;
  std::unique_ptr<GameHarness> game;
};

TEST_F(SaveAndLoadTest, FreshGameSavedAndLoadedComesBackToTheForestEntrance) {
  Save("test1");
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'Test1' wurde gespeichert.");
  EXPECT_EQ(FirstLine("test1.sav"), "300,1,0,0,25,300,0,2,0,0,2,0");
  EXPECT_EQ(game->session().move_count, 0);

  game->frontend.Line("n");
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);  // the first save is selected
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'Test1' wurde geladen.");
  EXPECT_EQ(game->session().current_room, 1);
  EXPECT_EQ(game->session().move_count, 0);
  EXPECT_EQ(game->session().score, 0);
  EXPECT_TRUE(game->Row(3).starts_with(" Am Waldeingang ")) << game->Row(3);
  EXPECT_TRUE(game->Row(3).ends_with("Züge:   0")) << game->Row(3);  // the larger count blanked first
  EXPECT_EQ(game->Row(7), ">");
}

TEST_F(SaveAndLoadTest, ASaveFromTheMiddleOfAGameComesBackFieldForField) {
  for (const char* line : {"n", "nimm zeitung", "n", "w", "meldung", "knapp"}) game->frontend.Line(line);
  Save("mitte");
  Play();
  const GameSession saved = game->session();
  game->frontend.Line("neustart");
  game->frontend.Key('j');
  game->frontend.Key(' ');  // the prologue
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  Play();
  const GameSession& loaded = game->session();
  EXPECT_EQ(FileText(loaded), FileText(saved));
  EXPECT_EQ(loaded.current_room, saved.current_room);
  EXPECT_EQ(loaded.place_name, saved.place_name);
  EXPECT_EQ(loaded.newspaper_carried, 1);
  // The turn loop's bookkeeping starts afresh from the loaded moves.
  EXPECT_EQ(loaded.last_ambience_move, saved.move_count);
  EXPECT_EQ(loaded.first_prompt_done, 1);
  EXPECT_EQ(loaded.hare_seen, 0);
  EXPECT_EQ(loaded.frog_lament_shown, 0);
}

TEST_F(SaveAndLoadTest, LoadingKeepsTheScoreNoticeSetting) {
  Save("a");
  game->frontend.Line("meldung");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  const int before = game->session().score_notices_on;
  Play();
  EXPECT_NE(game->session().score_notices_on, before);  // switched after saving, kept by loading
}

TEST_F(SaveAndLoadTest, NamesTakeEightLettersOrDigitsAndNothingElse) {
  Save("abcdefghij");
  Save("ab c!ü-1.2");
  game->frontend.Line("speichern");
  game->frontend.Type("Xyz");
  game->frontend.Key(kBackspace);
  game->frontend.Key(kEnter);
  Play();
  EXPECT_EQ(directory.Files(), (std::vector<std::string>{"Xy.sav", "abc12.sav", "abcdefgh.sav"}));
  EXPECT_EQ(game->Row(5), "Spielstand 'Xy' wurde gespeichert.");
}

TEST_F(SaveAndLoadTest, SaveDialogShowsItsParts) {
  WriteValidSave("alt");
  game->frontend.Line("speichern");
  game->frontend.Type("neu");
  Play();  // the script ends in the dialog
  EXPECT_EQ(game->Row(2), "    SPIELSTAND SPEICHERN");
  EXPECT_EQ(game->CellAt(2, 5).fg, kWhite);
  EXPECT_EQ(game->CellAt(2, 5).bg, game->session().accent_colour);
  EXPECT_EQ(game->Row(3), "    Verzeichnis: " + directory.path().string());
  EXPECT_EQ(game->Row(5), "    Vorhanden: ┌──────────┐");
  EXPECT_EQ(game->Row(6), "               │ alt      │");
  EXPECT_EQ(game->Row(16), "    Name:     neu<");
  EXPECT_EQ(game->Row(22), "    Gib einen Namen ein oder wähle mit den Pfeiltasten (oder +/-) einen");
  EXPECT_EQ(game->Row(23), "    vorhandenen Spielstand und bestätige mit <Enter>. <Escape> zum Abbruch.");
}

TEST_F(SaveAndLoadTest, EscapeSavesNothingAndEnterOnAnEmptyNameWaits) {
  game->frontend.Line("speichern");
  game->frontend.Key(kEnter);
  game->frontend.Key(kEscape);
  Play();
  EXPECT_TRUE(Printed("    Gib einen Namen ein und bestätige mit <Enter>. <Escape> zum Abbruch."));
  EXPECT_EQ(game->Row(5), "[Abbruch, kein Spielstand gespeichert.]");
  EXPECT_TRUE(directory.Files().empty());
  EXPECT_EQ(game->session().move_count, 0);
}

TEST_F(SaveAndLoadTest, AForeignFileIsNotListedAndAsksWithAWarning) {
  TempDirectory::Write("fremd.sav", "Einkaufsliste: Mehl, Eier\r\n");
  game->frontend.Line("speichern");
  game->frontend.Line("fremd");
  Play();
  EXPECT_EQ(game->Row(6), "               │          │");  // not in the list
  EXPECT_EQ(game->Row(19), "    Der Spielstand existiert bereits. Überschreiben (j/n)?");
  EXPECT_EQ(game->Row(20), "    Achtung! Die Datei exisitiert, gehört aber nicht zu diesem Spiel.");
  EXPECT_EQ(game->CellAt(20, 5).fg, kYellow);
  EXPECT_EQ(game->CellAt(19, 53).fg, kYellow);
  EXPECT_EQ(game->CellAt(19, 52).fg, kLightGrey);

  Fresh();
  game->frontend.Line("speichern");
  game->frontend.Line("fremd");
  game->frontend.Key('x');  // ignored
  game->frontend.Key('N');
  Play();
  EXPECT_EQ(game->Row(19), "");
  EXPECT_EQ(game->Row(20), "");
  EXPECT_EQ(game->Row(16), "    Name:     fremd<");
  EXPECT_EQ(TempDirectory::Read("fremd.sav"), "Einkaufsliste: Mehl, Eier\r\n");

  Fresh();
  game->frontend.Line("speichern");
  game->frontend.Line("fremd");
  game->frontend.Key('n');
  game->frontend.Key(kEnter);
  game->frontend.Key('J');
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'Fremd' wurde gespeichert.");
  EXPECT_TRUE(FirstLine("fremd.sav").starts_with("300,"));
}

TEST_F(SaveAndLoadTest, AListedSaveAsksWithoutTheWarning) {
  WriteValidSave("alt");
  game->frontend.Line("speichern");
  game->frontend.Line("alt");
  Play();
  EXPECT_EQ(game->Row(19), "    Der Spielstand existiert bereits. Überschreiben (j/n)?");
  EXPECT_EQ(game->Row(20), "");
  EXPECT_EQ(game->CellAt(19, 53).fg, kLightGrey);
}

TEST_F(SaveAndLoadTest, TheListTakesTheFocusAndGivesItBack) {
  for (const char* name : {"b", "a", "c"}) WriteValidSave(name);
  game->frontend.Line("speichern");
  game->frontend.Type("zz");
  game->frontend.Key(kDown);  // into the list, the name field blanked
  game->frontend.Key('+');
  Play();
  EXPECT_EQ(game->Row(16), "    Name:     <");
  EXPECT_EQ(game->Row(7), "               │>b        │");
  EXPECT_EQ(game->CellAt(7, 18).bg, game->session().accent_colour);
  EXPECT_EQ(game->CellAt(6, 18).bg, kBlack);

  Fresh();
  game->frontend.Line("speichern");
  for (const int key : {kDown, kDown, kDown, kDown, kUp, kEnter}) game->frontend.Key(key);  // not beyond "c"
  game->frontend.Key('j');
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'B' wurde gespeichert.");

  Fresh();
  game->frontend.Line("speichern");
  game->frontend.Key('+');
  game->frontend.Key('-');  // back in the name field
  game->frontend.Line("neu");
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'Neu' wurde gespeichert.");
}

TEST_F(SaveAndLoadTest, FiftyOneSavesListFiftyWithAWarning) {
  for (int i = 0; i <= 50; ++i) WriteValidSave("s" + std::string(i < 10 ? "0" : "") + std::to_string(i));
  TempDirectory::Write("junk.sav", "299");
  TempDirectory::Write("zu langer name.sav", "300");
  const std::vector<std::string> saves = ScanSaves();
  ASSERT_EQ(saves.size(), 50u);
  EXPECT_EQ(saves.front(), "s00");
  EXPECT_EQ(saves.back(), "s49");

  game->frontend.Line("speichern");
  Play();
  EXPECT_EQ(game->Row(24), "    Achtung: Das Programm kann maximal 50 Spielstände verwalten.");
  EXPECT_EQ(game->Row(25), "    Möglicherweise sind bereits mehr als 50 Spielstände gespeichert.");

  Fresh();
  game->frontend.Line("laden");
  for (int i = 0; i < 60; ++i) game->frontend.Key(kDown);
  Play();
  EXPECT_EQ(game->Row(24), "    Achtung: Das Programm kann maximal 50 Spielstände verwalten.");
  EXPECT_EQ(game->Row(25), "    Möglicherweise sind mehr als 50 Spielstände gespeichert.");
  EXPECT_EQ(game->Row(6), "               │ s42      │");  // scrolled: the last eight
  EXPECT_EQ(game->Row(13), "               │>s49      │");

  Fresh();
  game->frontend.Line("laden");
  for (int i = 0; i < 60; ++i) game->frontend.Key(kDown);
  game->frontend.Key(kUp);
  game->frontend.Key(kEnter);
  Play();
  EXPECT_EQ(game->Row(5), "Spielstand 'S48' wurde geladen.");
}

TEST_F(SaveAndLoadTest, LoadDialogWithoutSavesCanOnlyBeLeft) {
  game->frontend.Line("laden");
  game->frontend.Type("abc+");
  Play();
  EXPECT_EQ(game->Row(2), "    SPIELSTAND LADEN");
  EXPECT_EQ(game->Row(5), "     Laden:    ┌──────────┐");
  EXPECT_EQ(game->Row(21), "           Es wurde kein Spielstand gefunden. <Escape> zum Abbruch.");

  Fresh();
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  Play();
  EXPECT_EQ(game->Row(5), "[Abbruch, kein Spielstand geladen.]");
}

TEST_F(SaveAndLoadTest, LoadDialogNamesItsKeysCentred) {
  WriteValidSave("eins");
  game->frontend.Line("laden");
  Play();
  EXPECT_EQ(game->Row(21), "    Benutze die Pfeiltasten (oder +/-) und <Enter>, <Escape> zum Abbruch.");
  EXPECT_EQ(game->Row(6), "               │>eins     │");

  Fresh();
  game->frontend.Line("laden");
  game->frontend.Key(kEscape);
  Play();
  EXPECT_EQ(game->Row(5), "[Abbruch, kein Spielstand geladen.]");
  EXPECT_EQ(game->session().current_room, 1);
}

TEST_F(SaveAndLoadTest, ABadValueShowsTheErrorAndRestartsAfterAKey) {
  WriteValidSave("kaputt");
  std::string text = TempDirectory::Read("kaputt.sav");
  text.replace(text.find("\r\n") + 2, 1, "x");
  TempDirectory::Write("kaputt.sav", text);
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  Play();  // waits for the key
  EXPECT_EQ(game->Row(6), "Ein Fehler ist aufgetreten!");
  EXPECT_EQ(game->CellAt(6, 1).fg, kYellow);
  EXPECT_EQ(game->Row(8), "Es wurde ein Spielstand geladen, der nicht dem Format des Spiels entspricht.");
  EXPECT_EQ(game->Row(9), "Das Spiel muss neu gestartet werden.");
  EXPECT_EQ(game->CellAt(9, 1).fg, kYellow);
  EXPECT_EQ(game->Row(12), "<Bitte eine Taste drücken für Neustart.>");
  EXPECT_EQ(game->session().current_room, 2);  // nothing of the file was taken

  Fresh();
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  game->frontend.Key('q');
  game->frontend.Key(' ');  // the prologue of the new game
  Play();
  EXPECT_TRUE(Printed("<Bitte eine Taste drücken für Neustart.>"));
  EXPECT_EQ(game->session().current_room, 1);
  EXPECT_EQ(game->session().move_count, 0);
}

TEST_F(SaveAndLoadTest, AShortFileShowsTheErrorAndRestartsOnSpace) {
  WriteValidSave("kurz");
  const std::string text = TempDirectory::Read("kurz.sav");
  TempDirectory::Write("kurz.sav", text.substr(0, text.size() / 2));
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  game->frontend.Key('x');  // only space goes on
  Play();
  EXPECT_EQ(game->Row(8), "Der Spielstand entspricht nicht dem Format dieser Version des Spiels.");
  EXPECT_EQ(game->Row(10), "Das Spiel muss gestartet werden!");
  EXPECT_EQ(game->Row(12), "<Leertaste>");
  EXPECT_EQ(game->session().current_room, 2);

  Fresh();
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  game->frontend.Key(' ');
  game->frontend.Key(' ');
  Play();
  EXPECT_EQ(game->session().current_room, 1);
}

TEST_F(SaveAndLoadTest, AHugeNumberAbandonsTheLoadAndTheGameGoesOn) {
  WriteValidSave("riesig");
  std::string text = TempDirectory::Read("riesig.sav");
  text.replace(4, 1, "77777");  // the room
  TempDirectory::Write("riesig.sav", text);
  game->frontend.Line("n");
  game->frontend.Line("laden");
  game->frontend.Key(kEnter);
  Play();
  EXPECT_EQ(game->Row(8), "Die Aktion wird abgebrochen.");
  EXPECT_EQ(game->session().current_room, 2);
  EXPECT_EQ(game->session().move_count, 1);
}

// A disk that fills up while saving: the error heading and its message,
// then the game goes on unchanged, and the old save is whole.
TEST_F(SaveAndLoadTest, AFullDiskShowsItsMessageAndChangesNothing) {
  WriteValidSave("voll");
  const std::string old = TempDirectory::Read("voll.sav");
  game->frontend.Line("n");
  Play();
  const GameSession before = game->session();
  Save("voll");
  game->frontend.Key('j');
  {
    const FileSizeLimit full_disk(50);
    Play();
  }
  EXPECT_EQ(game->Row(6), "Ein Fehler ist aufgetreten!");
  EXPECT_EQ(game->Row(8), "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden.");
  EXPECT_EQ(TempDirectory::Read("voll.sav"), old);
  EXPECT_EQ(directory.Files(), std::vector<std::string>{"voll.sav"});
  EXPECT_EQ(game->session().current_room, before.current_room);
  EXPECT_EQ(game->session().move_count, before.move_count);
  EXPECT_EQ(game->Row(9), "");
  EXPECT_EQ(game->Row(10), ">");  // back at the prompt
}

// The file changes between the listing and the choice.
TEST(LoadRaceTest, AFileThatNoLongerBeginsWith300IsRefused) {
  TempDirectory directory;
  struct RewritingFrontend : ScriptedFrontend {
    InputEvent Wait(const Console& console, WaitKind kind) override {
      if (kind == WaitKind::kChoice) TempDirectory::Write("alt.sav", "299,1,0\r\n");
      return ScriptedFrontend::Wait(console, kind);
    }
  } frontend;
  Console console(frontend);
  ScriptedRandom random;
  Game game(console, random);
  GameSession session;
  SetInitialValues(session);
  session.current_room = 1;
  WriteSave("alt.sav", session);
  frontend.Key(' ');
  game.StartUp();
  frontend.Line("laden");
  frontend.Key(kEnter);
  const GameSession before = game.session();
  EXPECT_THROW(game.PlayTurns(), ProgramExit);
  EXPECT_EQ(Utf8FromCp850(console.ShownRow(5)).substr(0, 80),
            "Abbruch! Der Spielstand entspricht nicht dem Format dieser Version des Spiels!" + std::string(2, ' '));
  EXPECT_EQ(console.ShownCell(5, 1).fg, kYellow);
  EXPECT_EQ(game.session().current_room, before.current_room);
  EXPECT_EQ(game.session().move_count, before.move_count);
}

}  // namespace

// Whatever a save holds, the game goes on: odd values in every field, then
// the usual commands, and nothing may crash (the sanitizer build runs this).
TEST(LoadedStateTest, OddValuesInEveryFieldDoNotBreakTheGame) {
  TempDirectory directory;
  std::mt19937 random(6122026);
  const int odd[] = {-1, 0, 1, 2, 3, 4, 5, 7, 11, 14, 20, 99, 111, 500, 32767};
  for (int round = 0; round < 40; ++round) {
    std::string file = "300";
    for (int i = 1; i < 84; ++i) {
      file += ',';
      if (i == 55) {
        file += "\"Irgendwo\"";
      } else if (i == 1) {
        const int room = std::uniform_int_distribution<int>(1, 12)(random);
        file += std::to_string(room == 12 ? 13 : room);
      } else {
        file += std::to_string(odd[std::uniform_int_distribution<size_t>(0, std::size(odd) - 1)(random)]);
      }
    }
    TempDirectory::Write("odd.sav", file + "\r\n");
    GameHarness game;
    game.StartUp();
    game.frontend.set_shows_pages(false);
    ASSERT_TRUE(ReadSave("odd.sav", game.session())) << file;
    for (const char* line : {"schaue", "i", "n", "s", "o", "w", "nw", "so", "nimm alles", "lege alles hin", "hilfe",
                             "punkte", "untersuche korb", "gib dem wolf die kugel"}) {
      game.frontend.Line(line);
    }
    game.frontend.Line("karte");
    game.frontend.Key(' ');
    game.Play();
  }
}
