// The save and load dialogs where line mode cannot go: keys it cannot type,
// colours, files that are not saves of this game, many saves, and damaged
// files that end in the error handler.
#include "commands/save_and_load.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "console/key_codes.h"
#include "commands/save_file.h"
#include "support/game_harness.h"
#include "support/temp_directory.h"

namespace {

using namespace key;

void WriteValidSave(const std::string& name) {
  GameSession session;
  SetInitialValues(session);
  session.current_room = 1;
  WriteSave(name + ".sav", session);
}

class SaveAndLoadTest : public ::testing::Test {
 protected:
  // A new game that plays `lines`, then `keys`, until the script runs dry.
  GameHarness& Play(const std::vector<std::string>& lines, const std::vector<int>& keys = {}) {
    game = std::make_unique<GameHarness>();
    game->StartUp();
    game->frontend.set_shows_pages(false);
    for (const std::string& line : lines) game->frontend.Line(line);
    for (const int code : keys) game->frontend.Key(code);
    game->Play();
    return *game;
  }

  TempDirectory directory;
  std::unique_ptr<GameHarness> game;
};

TEST_F(SaveAndLoadTest, BackspaceAndArrowKeysInTheDialog) {
  Play({"speichern"}, {'X', 'y', 'z', kBackspace, kEnter});
  EXPECT_EQ(directory.Files(), std::vector<std::string>{"Xy.sav"});
  GameHarness& g = Play({"speichern"}, {'z', kDown});  // into the list, the name field blanked
  EXPECT_EQ(g.Row(16), "    Name:     <");
  EXPECT_EQ(g.Row(6), "               │>Xy       │");
  EXPECT_EQ(g.CellAt(6, 18).bg, g.session().accent_colour);
}

TEST_F(SaveAndLoadTest, AFileOfAnotherKindIsNotListedAndAsksWithAWarning) {
  TempDirectory::Write("fremd.sav", "Einkaufsliste: Mehl, Eier\r\n");
  GameHarness& g = Play({"speichern", "fremd"});
  EXPECT_EQ(g.Row(6), "               │          │");
  EXPECT_EQ(g.Row(19), "    Der Spielstand existiert bereits. Überschreiben (j/n)?");
  EXPECT_EQ(g.Row(20), "    Achtung! Die Datei exisitiert, gehört aber nicht zu diesem Spiel.");
  EXPECT_EQ(g.CellAt(20, 5).fg, kYellow);
  EXPECT_EQ(g.CellAt(19, 52).fg, kLightGrey);
  EXPECT_EQ(g.CellAt(19, 53).fg, kYellow);  // "(j/n)"
  Play({"speichern", "fremd"}, {'N'});
  EXPECT_EQ(game->Row(19) + game->Row(20), "");
  EXPECT_EQ(TempDirectory::Read("fremd.sav"), "Einkaufsliste: Mehl, Eier\r\n");
}

TEST_F(SaveAndLoadTest, FiftySavesAtMostAreListedWithAWarning) {
  for (int i = 0; i <= 50; ++i) WriteValidSave("s" + std::string(i < 10 ? "0" : "") + std::to_string(i));
  TempDirectory::Write("junk.sav", "299");
  TempDirectory::Write("zu langer name.sav", "300");
  const std::vector<std::string> saves = ScanSaves();
  ASSERT_EQ(saves.size(), 50u);
  EXPECT_EQ(saves.back(), "s49");
  Play({"speichern"});
  EXPECT_EQ(game->Row(24), "    Achtung: Das Programm kann maximal 50 Spielstände verwalten.");
  EXPECT_EQ(game->Row(25), "    Möglicherweise sind bereits mehr als 50 Spielstände gespeichert.");
  std::vector<int> keys(60, kDown);
  Play({"laden"}, keys);
  EXPECT_EQ(game->Row(25), "    Möglicherweise sind mehr als 50 Spielstände gespeichert.");
  EXPECT_EQ(game->Row(6), "               │ s42      │");  // scrolled to the last eight
  EXPECT_EQ(game->Row(13), "               │>s49      │");
  keys.insert(keys.end(), {kUp, kEnter});
  Play({"laden"}, keys);
  EXPECT_EQ(game->Row(5), "Spielstand 'S48' wurde geladen.");
  EXPECT_EQ(game->Row(7), "Am Waldeingang");  // the room is described below
}

// A save that cannot be read ends in the error handler; the game restarts
// after a key, or goes on unchanged.
TEST_F(SaveAndLoadTest, DamagedSavesEndInTheErrorHandler) {
  const struct {
    const char* what;
    std::string (*damage)(std::string);
    std::vector<std::string> rows;  // rows 8 to 12
    int yellow_row;
    std::vector<int> keys;
    int room_after, moves_after;
  } cases[] = {
      {"a value that is no number", [](std::string t) { return t.replace(t.find("\r\n") + 2, 1, "x"); },
       {"Es wurde ein Spielstand geladen, der nicht dem Format des Spiels entspricht.",
        "Das Spiel muss neu gestartet werden.", "", "", "<Bitte eine Taste drücken für Neustart.>"},
       9, {'q', ' '}, 1, 0},
      {"too short", [](std::string t) { return t.substr(0, t.size() / 2); },
       {"Der Spielstand entspricht nicht dem Format dieser Version des Spiels.", "",
        "Das Spiel muss gestartet werden!", "", "<Leertaste>"},
       6, {'x', ' ', ' '}, 1, 0},  // only the space key goes on
      {"a room beyond 16 bits", [](std::string t) { return t.replace(4, 1, "77777"); },
       {"Die Aktion wird abgebrochen.", "", ">", "", ""}, 6, {}, 2, 1},
  };
  for (const auto& each : cases) {
    WriteValidSave("kaputt");
    TempDirectory::Write("kaputt.sav", each.damage(TempDirectory::Read("kaputt.sav")));
    GameHarness& g = Play({"n", "laden"}, {kEnter});
    EXPECT_EQ(g.Row(6), "Ein Fehler ist aufgetreten!") << each.what;
    EXPECT_EQ(g.CellAt(each.yellow_row, 1).fg, kYellow) << each.what;
    for (int row = 8; row <= 12; ++row) EXPECT_EQ(g.Row(row), each.rows[row - 8]) << each.what;
    EXPECT_EQ(g.session().current_room, 2) << each.what;  // nothing of the file was taken
    std::vector<int> keys{kEnter};
    keys.insert(keys.end(), each.keys.begin(), each.keys.end());
    GameHarness& after = Play({"n", "laden"}, keys);
    EXPECT_EQ(std::pair(after.session().current_room, int{after.session().move_count}),
              std::pair(each.room_after, each.moves_after))
        << each.what;
  }
}

// The file changes between the listing and the choice.
TEST(LoadRaceTest, AFileThatNoLongerBeginsWith300IsRefused) {
  TempDirectory directory;
  WriteValidSave("alt");
  struct RewritingFrontend : ScriptedFrontend {
    InputEvent Wait(const Console& console, WaitKind kind) override {
      if (kind == WaitKind::kChoice) TempDirectory::Write("alt.sav", "299,1,0\r\n");
      return ScriptedFrontend::Wait(console, kind);
    }
  } frontend;
  Console console(frontend);
  ScriptedRandom random;
  Game game(console, random);
  frontend.Key(' ');
  game.StartUp();
  frontend.Line("laden");
  frontend.Key(kEnter);
  EXPECT_THROW(game.PlayTurns(), ProgramExit);
  EXPECT_EQ(Utf8FromCp850(console.ShownRow(5)).substr(0, 78),
            "Abbruch! Der Spielstand entspricht nicht dem Format dieser Version des Spiels!");
  EXPECT_EQ(console.ShownCell(5, 1).fg, kYellow);
  EXPECT_EQ(game.session().current_room, 1);
}

}  // namespace

// Whatever a save holds, the game goes on: odd values in every field, then
// the usual commands, and nothing may crash (the sanitizer build runs this).
TEST(LoadedStateTest, OddValuesInEveryFieldDoNotBreakTheGame) {
  TempDirectory directory;
  std::mt19937 random(6122026);
  const int odd[] = {-1, 0, 1, 2, 3, 4, 5, 7, 11, 14, 20, 99, 111, 500, 32767};
  for (int round = 0; round < 40; ++round) {
    const int room = std::uniform_int_distribution<int>(1, 12)(random);
    std::string file = "300," + std::to_string(room == 12 ? 13 : room);
    for (int i = 2; i < 84; ++i) {
      file += "," + (i == 55 ? "\"Irgendwo\"" : std::to_string(odd[random() % std::size(odd)]));
    }
    TempDirectory::Write("odd.sav", file + "\r\n");
    GameHarness game;
    game.StartUp();
    game.frontend.set_shows_pages(false);
    ASSERT_TRUE(ReadSave("odd.sav", game.session())) << file;
    for (const char* line : {"schaue", "i", "n", "s", "o", "w", "nw", "so", "nimm alles", "lege alles hin", "hilfe",
                             "punkte", "untersuche korb", "gib dem wolf die kugel", "karte"}) {
      game.frontend.Line(line);
    }
    game.frontend.Key(' ');
    game.Play();
  }
}
