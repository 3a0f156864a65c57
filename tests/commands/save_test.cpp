// Saves: the file's bytes round trip, and damaged or unreadable files give their error kind and change nothing; the
// save and load dialogs where line mode cannot go: keys, colours, foreign files, many saves, damaged saves.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "commands/save_and_load.h"
#include "commands/save_file.h"
#include "console/console.h"
#include "console/key_codes.h"
#include "support/game_harness.h"
#include "support/temp_directory.h"
#include "world/encoding.h"
#include "world/game_error.h"

namespace {

using namespace key;

constexpr size_t kPlace = 12 + 10 + 13 + 14 + 6;  // the place name, counted from the marker at 0
constexpr int kNoSave = 1;                         // no save of this game: another version marker

// A file of 84 values in seven lines, the place name quoted.
std::string FileOf(const std::vector<std::string>& values, const std::string& line_end = "\r\n") {
  std::string text;
  size_t at = 0;
  for (const int count : {12, 10, 13, 14, 10, 9, 16}) {
    for (int i = 0; i < count; ++i, ++at) text += (i ? "," : "") + (at == kPlace ? '"' + values[at] + '"' : values[at]);
    text += line_end;
  }
  return text;
}

// The file of a fresh game in room 1, with one value changed.
std::string Fresh(size_t index = 0, const std::string& value = "300", const std::string& line_end = "\r\n") {
  std::vector<std::string> values(84, "0");
  for (const auto& [at, fresh] : {std::pair(0, "300"), {1, "1"}, {4, "25"}, {5, "300"}}) values[at] = fresh;
  values[kPlace] = "Am Waldeingang";
  values[index] = value;
  return FileOf(values, line_end);
}

// The error kind an action fails with, or 0.
int CodeOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const GameError& error) {
    return error.code;
  }
  return 0;
}

class SaveFileTest : public ::testing::Test {
 protected:
  // Loads a file of these bytes: 0, kNoSave or the error kind. A refused file changes nothing.
  int Load(const std::string& bytes) {
    TempDirectory::Write("x.sav", bytes);
    const GameSession before = session;
    bool loaded = false;
    const int code = CodeOf([&] { loaded = ReadSave("x.sav", session); });
    EXPECT_EQ(loaded ? before : session, before);  // a refused file changes nothing
    return code != 0 ? code : loaded ? 0 : kNoSave;
  }

  TempDirectory directory;
  GameSession session;
};

// Whatever a valid file holds comes back byte for byte; what it does not hold (settings, history) stays.
TEST_F(SaveFileTest, RandomValidStatesComeBackByteForByte) {
  session.accent_colour = kCyan;
  session.command_history[1] = "n";
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> any(-32768, 32767);
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ \xE4\xF6\xFC\xC4\xD6\xDC\xDF-";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> values{"300"};
    for (size_t i = 1; i < 84; ++i) values.push_back(std::to_string(any(random)));
    values[1] = std::to_string(std::array{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}[random() % 12]);  // a room
    values[kPlace].clear();
    for (int i = random() % 31; i > 0; --i) values[kPlace] += letters[random() % letters.size()];
    ASSERT_EQ(Load(FileOf(values)), 0) << FileOf(values);
    WriteSave("again.sav", session);
    ASSERT_EQ(TempDirectory::Read("again.sav"), FileOf(values));
  }
  EXPECT_EQ(std::pair(session.accent_colour, session.command_history[1]), std::pair(int{kCyan}, std::string("n")));
}

TEST_F(SaveFileTest, DamagedFilesGiveTheirErrorKindAndChangeNothing) {
  const std::string fresh = Fresh();
  const auto place = [&](const std::string& name) { return std::string(fresh).replace(fresh.find('"'), 16, name); };
  // Line feeds alone, blanks around values, empty lines after them, the largest and the smallest number.
  const std::pair<int, std::vector<std::string>> cases[] = {
      {0, {Fresh(0, "300", "\n"), std::string(fresh).replace(0, 4, " 300 , ") + "\r\n\r\n", Fresh(2, "32767"),
           Fresh(3, "-32768")}},
      {kNoSave, {"", Fresh(0, "299")}},  // no marker, or another one
      // Not a number; a place name not quoted right; a value too many, in a line or after the last; garbage
      // after the values, or a whole file of it; a room the game does not know (none, the house inside, the tower).
      {kErrorBadValue, {Fresh(3, "viel"), Fresh(3, "1.5"), Fresh(3, ""), Fresh(3, "-"), Fresh(kPlace, "7\""),
                        place("Am Waldeingang"), place("\"Am Waldeingang"), place("\"Am\"Waldeingang"),
                        fresh + "0\r\n", fresh.substr(0, fresh.size() - 2) + ",0\r\n", fresh + "\x01\x02\xFF",
                        "300" + std::string(100000, 'x'), Fresh(1, "0"), Fresh(1, "12"), Fresh(1, "14")}},
      {kErrorOther, {Fresh(2, "32768"), Fresh(2, "123456789012345678901234567890"), Fresh(3, "-32769")}},
  };
  for (const auto& [code, files] : cases)
    for (const std::string& bytes : files) EXPECT_EQ(Load(bytes), code) << bytes.substr(0, 500);
  // Cut off anywhere behind the marker (in a quote left open, too), the file ends too early.
  for (size_t cut = 4; cut < fresh.size() - 2; ++cut) EXPECT_EQ(Load(fresh.substr(0, cut)), kErrorPastEnd) << cut;
}

TEST_F(SaveFileTest, FilesThatCannotBeReadOrWrittenGiveTheirErrorKind) {
  std::filesystem::create_directory("dir.sav");
  ASSERT_EQ(mkfifo("pipe.sav", 0600), 0);  // must not wait for a writer
  TempDirectory::Write("old.sav", "299,1,0");
  const std::pair<const char*, int> unreadable[] = {
      {"missing.sav", kErrorFileNotFound}, {"dir.sav", kErrorOther}, {"pipe.sav", kErrorOther}};
  for (const auto& [file, code] : unreadable) {
    EXPECT_EQ(CodeOf([&] { ReadSave(file, session); }), code) << file;
    EXPECT_EQ(ReadSaveMarker(file), std::nullopt) << file;
  }
  EXPECT_EQ(ReadSaveMarker("old.sav"), 299);
  EXPECT_EQ(session, GameSession{});
  EXPECT_EQ(CodeOf([&] { WriteSave("dir.sav", session); }), kErrorOther);
  // A disk that fills up while writing (no file may grow past 50 bytes) leaves the old save whole.
  TempDirectory::Write("x.sav", Fresh());
  session.move_count = 99;
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const rlimit full_disk{50, old_limit.rlim_max};
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full_disk), 0);
  const int code = CodeOf([&] { WriteSave("x.sav", session); });
  setrlimit(RLIMIT_FSIZE, &old_limit), std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(code, kErrorDiskFull);
  EXPECT_EQ(TempDirectory::Read("x.sav"), Fresh());
  EXPECT_EQ(directory.Files(), (std::vector<std::string>{"dir.sav", "old.sav", "pipe.sav", "x.sav"}));
}

// The umlauts round trip above; what the other character set lacks becomes "?".
TEST(Windows1252Test, WhatHasNoFormInTheOtherSetBecomesAQuestionMark) {
  EXPECT_EQ(Cp850FromWindows1252("Br\xFC" "cke \x80") + Windows1252FromCp850(Cp850("┌─┐")), Cp850("Brücke ?") + "???");
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
  EXPECT_EQ(g.Row(20), "    Achtung! Die Datei existiert, gehört aber nicht zu diesem Spiel.");
  EXPECT_EQ(g.CellAt(20, 5).fg, kYellow);
  EXPECT_EQ(Play({"speichern", "fremd"}, {'N'}).Row(20), "");
  EXPECT_EQ(TempDirectory::Read("fremd.sav"), "Einkaufsliste: Mehl, Eier\r\n");
}

TEST_F(SaveAndLoadTest, FiftySavesAtMostAreListedWithAWarning) {
  for (int i = 0; i <= 50; ++i) TempDirectory::Write((i < 10 ? "s0" : "s") + std::to_string(i) + ".sav", Fresh());
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
    TempDirectory::Write("kaputt.sav", Fresh());
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
  TempDirectory::Write("alt.sav", Fresh());
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
