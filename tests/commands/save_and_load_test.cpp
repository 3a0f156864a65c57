// The save and load dialogs where line mode cannot go: keys, colours, foreign files, many saves, damaged saves.
#include "commands/save_and_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
  EXPECT_EQ(g.Row(20), "    Achtung! Die Datei exisitiert, gehört aber nicht zu diesem Spiel.");
  EXPECT_EQ(g.CellAt(20, 5).fg, kYellow);
  EXPECT_EQ(Play({"speichern", "fremd"}, {'N'}).Row(20), "");
  EXPECT_EQ(TempDirectory::Read("fremd.sav"), "Einkaufsliste: Mehl, Eier\r\n");
}

TEST_F(SaveAndLoadTest, FiftySavesAtMostAreListedWithAWarning) {
  for (int i = 0; i <= 50; ++i) WriteValidSave("s" + std::string(i < 10 ? "0" : "") + std::to_string(i));
  TempDirectory::Write("junk.sav", "299");
  TempDirectory::Write("zu langer name.sav", "300");
  const std::vector<std::string> saves = ScanSaves();
  ASSERT_EQ(saves.size(), 50u);
  EXPECT_EQ(saves.back(), "s49");
  EXPECT_EQ(Play({"speichern"}).Row(25), "    Möglicherweise sind bereits mehr als 50 Spielstände gespeichert.");
  std::vector<int> keys(60, kDown);
  EXPECT_EQ(Play({"laden"}, keys).Row(25), "    Möglicherweise sind mehr als 50 Spielstände gespeichert.");
  EXPECT_EQ(game->Row(6), "               │ s42      │");  // scrolled to the last eight
  EXPECT_EQ(game->Row(13), "               │>s49      │");
  keys.insert(keys.end(), {kUp, kEnter});
  EXPECT_EQ(Play({"laden"}, keys).Row(5), "Spielstand 'S48' wurde geladen.");
}

// A save that cannot be read ends in the error handler, which names the kind of damage; the game restarts
// after a key (only the space key, after some), or goes on unchanged.
TEST_F(SaveAndLoadTest, DamagedSavesEndInTheErrorHandler) {
  const std::tuple<std::string (*)(std::string), const char*, std::vector<int>, int, int> cases[] = {
      // damage, the handler's first line, keys then, room and moves after
      {[](std::string t) { return t.replace(t.find("\r\n") + 2, 1, "x"); },
       "Es wurde ein Spielstand geladen, der nicht dem Format des Spiels entspricht.", {kEnter, 'q', ' '}, 1, 0},
      {[](std::string t) { return t.substr(0, t.size() / 2); },
       "Der Spielstand entspricht nicht dem Format dieser Version des Spiels.", {kEnter, 'x', ' ', ' '}, 1, 0},
      {[](std::string t) { return t.replace(4, 1, "77777"); }, "Die Aktion wird abgebrochen.", {kEnter}, 2, 1},
  };
  for (const auto& [damage, message, keys, room, moves] : cases) {
    WriteValidSave("kaputt");
    TempDirectory::Write("kaputt.sav", damage(TempDirectory::Read("kaputt.sav")));
    GameHarness& g = Play({"n", "laden"}, {kEnter});
    EXPECT_EQ(g.Row(6) + "|" + g.Row(8), "Ein Fehler ist aufgetreten!|" + std::string(message));
    EXPECT_EQ(g.session().current_room, 2) << message;  // nothing of the file was taken
    const GameSession& after = Play({"n", "laden"}, keys).session();
    EXPECT_EQ(std::pair(after.current_room, int{after.move_count}), std::pair(room, moves)) << message;
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
  EXPECT_TRUE(Utf8FromCp850(console.ShownRow(5)).starts_with("Abbruch! Der Spielstand entspricht nicht dem Format"));
  EXPECT_EQ(game.session().current_room, 1);
}

// Whatever a save holds, the game goes on: odd values in every field, loaded, then the usual commands, and
// nothing may crash (the sanitizer build runs this).
TEST_F(SaveAndLoadTest, OddValuesInEveryFieldDoNotBreakTheGame) {
  std::mt19937 random(6122026);
  const std::array odd = {-1, 0, 1, 2, 3, 4, 5, 7, 11, 14, 20, 99, 111, 500, 32767};
  for (int round = 0; round < 40; ++round) {
    std::string file = "300," + std::to_string(std::array{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}[random() % 12]);
    for (int i = 2; i < 84; ++i) file += "," + (i == 55 ? "\"Irgendwo\"" : std::to_string(odd[random() % odd.size()]));
    TempDirectory::Write("odd.sav", file + "\r\n");
    Play({"laden", "", "schaue", "i", "n", "s", "o", "w", "nw", "so", "nimm alles", "lege alles hin", "hilfe", "punkte",
          "untersuche korb", "gib dem wolf die kugel", "karte"}, {' '});
    const std::vector<std::string>& lines = game->Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Spielstand 'Odd' wurde geladen."), lines.end()) << file;
  }
}

}  // namespace
