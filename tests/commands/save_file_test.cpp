// The save file: its bytes round trip; damaged or unreadable files give their error kind and change nothing.
#include "commands/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "support/file_size_limit.h"
#include "support/temp_directory.h"
#include "world/game_error.h"

namespace {

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
  // A disk that fills up while writing leaves the old save whole.
  TempDirectory::Write("x.sav", Fresh());
  session.move_count = 99;
  EXPECT_EQ(CodeOf([&] { const FileSizeLimit full_disk(50); WriteSave("x.sav", session); }), kErrorDiskFull);
  EXPECT_EQ(TempDirectory::Read("x.sav"), Fresh());
  EXPECT_EQ(directory.Files(), (std::vector<std::string>{"dir.sav", "old.sav", "pipe.sav", "x.sav"}));
}

TEST(Windows1252Test, PlaceNamesConvertBothWays) {
  EXPECT_EQ(Windows1252FromCp850(Cp850("Brücke Äß öÖüÜä")), "Br\xFC" "cke \xC4\xDF \xF6\xD6\xFC\xDC\xE4");
  EXPECT_EQ(Cp850FromWindows1252("Br\xFC" "cke \x80"), Cp850("Brücke ?"));
  EXPECT_EQ(Windows1252FromCp850(Cp850("┌─┐")), "???");
}

}  // namespace
