// The save file: the round trip of its bytes, and damaged or unreadable
// files, which give their error kind and leave the game as it was.
#include "commands/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
  size_t index = 0;
  for (const int count : {12, 10, 13, 14, 10, 9, 16}) {
    for (int i = 0; i < count; ++i, ++index) {
      text += (i > 0 ? "," : "") + (index == kPlace ? "\"" + values[index] + "\"" : values[index]);
    }
    text += line_end;
  }
  return text;
}

// The file of a fresh game in room 1, with one value changed.
std::string Fresh(size_t index = 0, const std::string& value = "300", const std::string& line_end = "\r\n") {
  std::vector<std::string> values(84, "0");
  values[0] = values[5] = "300";
  values[1] = "1";
  values[4] = "25";
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
    if (!loaded) {
      EXPECT_EQ(session, before);
    }
    return code != 0 ? code : loaded ? 0 : kNoSave;
  }

  TempDirectory directory;
  GameSession session;
};

// Whatever a valid file holds comes back byte for byte; what it does not
// hold (settings, the parser's memory, the history) stays as it was.
TEST_F(SaveFileTest, RandomValidStatesComeBackByteForByte) {
  session.notice_hint_shown = 1;
  session.accent_colour = kCyan;
  session.referent_masc = "korb";
  session.command_history[1] = "n";
  std::mt19937 random(20261206);
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ \xE4\xF6\xFC\xC4\xD6\xDC\xDF-";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> values{"300"};
    for (size_t i = 1; i < 84; ++i) {
      values.push_back(std::to_string(std::uniform_int_distribution<int>(-32768, 32767)(random)));
    }
    const int room = std::uniform_int_distribution<int>(1, 12)(random);
    values[1] = std::to_string(room == 12 ? 13 : room);
    values[kPlace].clear();
    for (int i = random() % 31; i > 0; --i) values[kPlace] += letters[random() % letters.size()];
    ASSERT_EQ(Load(FileOf(values)), 0) << FileOf(values);
    WriteSave("again.sav", session);
    ASSERT_EQ(TempDirectory::Read("again.sav"), FileOf(values));
  }
  EXPECT_EQ(std::tuple(session.notice_hint_shown, session.accent_colour, session.referent_masc),
            std::tuple(1, kCyan, "korb"));
  EXPECT_EQ(session.command_history[1], "n");
}

TEST_F(SaveFileTest, DamagedFilesGiveTheirErrorKindAndChangeNothing) {
  const std::string fresh = Fresh();
  const auto place = [&fresh](const std::string& written) {
    return std::string(fresh).replace(fresh.find("\"Am Waldeingang\""), 16, written);
  };
  const struct {
    const char* what;
    std::string bytes;
    int code;
  } cases[] = {
      {"line feeds alone", Fresh(0, "300", "\n"), 0},
      {"blanks around values, empty lines after", std::string(fresh).replace(0, 4, " 300 , ") + "\r\n\r\n", 0},
      {"the largest number", Fresh(2, "32767"), 0},
      {"the smallest number", Fresh(3, "-32768"), 0},
      {"an empty file", "", kNoSave},
      {"a word for the marker", "abc", kNoSave},
      {"another marker", Fresh(0, "299"), kNoSave},
      {"a word for a number", Fresh(3, "viel"), kErrorBadValue},
      {"a fraction", Fresh(3, "1.5"), kErrorBadValue},
      {"an empty value", Fresh(3, ""), kErrorBadValue},
      {"a lone sign", Fresh(3, "-"), kErrorBadValue},
      {"a number for the place name", Fresh(kPlace, "7\""), kErrorBadValue},
      {"an unquoted place name", place("Am Waldeingang"), kErrorBadValue},
      {"an unterminated quote", place("\"Am Waldeingang"), kErrorBadValue},
      {"text after the closing quote", place("\"Am\"Waldeingang"), kErrorBadValue},
      {"a quote open to the end", fresh.substr(0, fresh.find("Waldeingang") + 11), kErrorPastEnd},
      {"a value too many", fresh + "0\r\n", kErrorBadValue},
      {"a value too many on the last line", fresh.substr(0, fresh.size() - 2) + ",0\r\n", kErrorBadValue},
      {"garbage after the values", fresh + "\x01\x02\xFF", kErrorBadValue},
      {"a whole file of garbage", "300" + std::string(100000, 'x'), kErrorBadValue},
      {"a room the game does not know", Fresh(1, "15"), kErrorBadValue},
      {"a negative room", Fresh(1, "-1"), kErrorBadValue},
      {"no room at all", Fresh(1, "0"), kErrorBadValue},
      {"the inside of the house", Fresh(1, "12"), kErrorBadValue},
      {"the tower", Fresh(1, "14"), kErrorBadValue},
      {"a number beyond 16 bits", Fresh(2, "32768"), kErrorOther},
      {"a huge number", Fresh(2, "123456789012345678901234567890"), kErrorOther},
      {"a number below 16 bits", Fresh(3, "-32769"), kErrorOther},
  };
  for (const auto& each : cases) EXPECT_EQ(Load(each.bytes), each.code) << each.what;
  // Cut off after any value, or just after its comma, the file ends too early.
  for (size_t cut = fresh.find(','); cut < fresh.size() - 2; cut = fresh.find_first_of(",\r", cut + 1)) {
    EXPECT_EQ(Load(fresh.substr(0, cut)), kErrorPastEnd) << cut;
    EXPECT_EQ(Load(fresh.substr(0, cut + 1)), kErrorPastEnd) << cut;
    if (fresh[cut] == '\r') ++cut;
  }
}

TEST_F(SaveFileTest, FilesThatCannotBeReadOrWrittenGiveTheirErrorKind) {
  EXPECT_EQ(CodeOf([&] { ReadSave("missing.sav", session); }), kErrorFileNotFound);
  std::filesystem::create_directory("dir.sav");
  ASSERT_EQ(mkfifo("pipe.sav", 0600), 0);  // must not wait for a writer
  TempDirectory::Write("old.sav", "299,1,0");
  for (const char* file : {"missing.sav", "dir.sav", "pipe.sav"}) {
    EXPECT_NE(CodeOf([&] { ReadSave(file, session); }), 0) << file;
    EXPECT_EQ(ReadSaveMarker(file), std::nullopt) << file;
  }
  EXPECT_EQ(ReadSaveMarker("old.sav"), 299);
  EXPECT_EQ(session, GameSession{});
  EXPECT_EQ(CodeOf([&] { WriteSave("dir.sav", session); }), kErrorOther);
  // A disk that fills up while writing leaves the old save whole.
  TempDirectory::Write("x.sav", Fresh());
  session.move_count = 99;
  {
    const FileSizeLimit full_disk(50);
    EXPECT_EQ(CodeOf([&] { WriteSave("x.sav", session); }), kErrorDiskFull);
  }
  EXPECT_EQ(TempDirectory::Read("x.sav"), Fresh());
  EXPECT_EQ(directory.Files(), (std::vector<std::string>{"dir.sav", "old.sav", "pipe.sav", "x.sav"}));
}

TEST(Windows1252Test, PlaceNamesConvertBothWays) {
  EXPECT_EQ(Windows1252FromCp850(Cp850("Brücke Äß öÖüÜä")), "Br\xFC" "cke \xC4\xDF \xF6\xD6\xFC\xDC\xE4");
  EXPECT_EQ(Cp850FromWindows1252("Br\xFC" "cke \x80"), Cp850("Brücke ?"));
  EXPECT_EQ(Windows1252FromCp850(Cp850("┌─┐")), "???");
}

}  // namespace
