// The save file: its exact bytes, the round trip, and every kind of damaged
// file, which must leave the game as it was.
#include "persist/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "support/file_size_limit.h"
#include "support/temp_directory.h"
#include "world/game_error.h"

namespace {

constexpr int kValuesPerLine[] = {12, 10, 13, 14, 10, 9, 16};
constexpr size_t kPlaceNameIndex = 12 + 10 + 13 + 14 + 6;  // counted from the marker, 0

// A file of 84 values, the place name quoted, lines ending in `line_end`.
std::string FileOf(const std::vector<std::string>& values, const std::string& line_end = "\r\n") {
  std::string text;
  size_t index = 0;
  for (const int count : kValuesPerLine) {
    for (int i = 0; i < count; ++i, ++index) {
      if (i > 0) text += ',';
      text += index == kPlaceNameIndex ? "\"" + values[index] + "\"" : values[index];
    }
    text += line_end;
  }
  return text;
}

// The values of a fresh game standing in room 1 (place name in Windows-1252).
std::vector<std::string> FreshValues() {
  std::vector<std::string> values(84, "0");
  values[0] = "300";
  values[1] = "1";
  values[4] = "25";
  values[5] = "300";
  values[7] = "2";
  values[10] = "2";
  values[kPlaceNameIndex] = "Am Waldeingang";
  return values;
}

GameSession FreshGame() {
  GameSession session;
  SetInitialValues(session);
  session.current_room = 1;
  session.save_format_marker = 300;
  session.place_name = "Am Waldeingang";
  return session;
}

class SaveFileTest : public ::testing::Test {
 protected:
  // Reads a file with the given bytes; gives the error code, or 0 when it loaded.
  int LoadCode(const std::string& bytes) {
    TempDirectory::Write("x.sav", bytes);
    try {
      EXPECT_TRUE(ReadSave("x.sav", session));
      return 0;
    } catch (const GameError& error) {
      return error.code;
    }
  }

  TempDirectory directory;
  GameSession session = FreshGame();
};

TEST_F(SaveFileTest, FreshGameGivesTheExactFile) {
  WriteSave("test1.sav", FreshGame());
  const std::string text = TempDirectory::Read("test1.sav");
  EXPECT_TRUE(text.starts_with("300,1,0,0,25,300,0,2,0,0,2,0\r\n")) << text;
  // Seven lines of plain numbers, each ending in CR LF, the place name quoted.
  size_t start = 0;
  for (const int count : kValuesPerLine) {
    const size_t end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), count - 1) << line;
    EXPECT_EQ(line.find_first_not_of("0123456789,"), count == 10 && line.find('"') != std::string::npos
                                                          ? line.find('"')
                                                          : std::string::npos)
        << line;
    start = end + 2;
  }
  EXPECT_EQ(start, text.size());
  EXPECT_NE(text.find(",\"Am Waldeingang\","), std::string::npos);
}

TEST_F(SaveFileTest, FieldsStandInTheOrderOfTheFileFormat) {
  GameSession s;
  int value = 0;
  const auto next = [&value] { return ++value; };
  s.current_room = next(), s.move_count = static_cast<std::int16_t>(next()), s.score = next();
  s.screen_rows = static_cast<std::int16_t>(next()), s.save_format_marker = next(), s.newspaper_carried = next();
  s.newspaper_room = next(), s.newspaper_read = next(), s.voucher_carried = next(), s.voucher_room = next();
  s.voucher_found = next();
  s.bees_at_jar = next(), ++value, s.grasshopper_seen = next(), s.honey_jar_carried = next();
  s.honey_jar_room = next(), s.honey_jar_state = next(), s.lid_room = next(), ++value, s.ball_room = next();
  s.brief_mode = next();
  s.frog_state = next(), s.bouquet_picked = next(), s.bouquet_carried = next(), s.bouquet_room = next();
  s.wolf_gone = next(), s.grass_carried = next(), s.grass_room = next(), s.sheep_state = next();
  s.sheep_room = next(), s.door_open = next(), ++value, s.basket_carried = next(), s.basket_room = next();
  s.visited_forest_entrance = next(), s.visited_path = next(), s.visited_deep_forest = next();
  s.visited_bee_meadow = next(), s.visited_well = next(), s.visited_honey_stand = next();
  s.visited_bridge_approach = next(), s.visited_beaver_market = next(), s.visited_river_bank = next();
  s.visited_bridge = next(), s.visited_house_front = next(), s.visited_house_inside = next();
  s.visited_clearing = next(), ++value;
  s.honey_points_given = next(), s.bees_points_given = next(), s.frog_transformed = next();
  s.wolf_grabbed_ball = next(), s.ball_state = next(), s.voucher_redeemed = next(), s.place_name = Cp850("Brücke");
  s.sheep_points_given = next(), s.wolf_has_sheep = next(), s.repair_offered = next();
  ++value, s.key_holder = next(), s.key_room = next(), s.spare_key_found = next(), s.key_under_mat = next();
  s.key_bent = next(), s.door_locked = next(), s.drank_water = next(), s.bell_rung = next();
  s.beaver_present = next(), s.newspaper_torn = next(), ++value, s.rapunzel_visible = next(), s.knocked = next();
  s.ladder_hanging = next(), s.umbrella_carried = next(), s.umbrella_room = next(), s.coin_returned = next();
  s.coin_state = next(), s.coin_room = next(), s.little_bear_seen = next(), s.cigar_smoke_noticed = next();
  s.key_points_given = next(), s.coin_points_given = next(), s.repair_points_given = next();

  // Value i holds i, the reserved ones 0; the place name in Windows-1252.
  std::vector<std::string> expected{"300"};
  for (size_t i = 1; i < 84; ++i) {
    const bool is_reserved = i == 13 || i == 19 || i == 32 || i == 48 || i == 59 || i == 70;
    expected.push_back(is_reserved ? "0" : std::to_string(i > kPlaceNameIndex ? i - 1 : i));
  }
  expected[kPlaceNameIndex] = "Br\xFC" "cke";
  WriteSave("order.sav", s);
  EXPECT_EQ(TempDirectory::Read("order.sav"), FileOf(expected));
}

TEST_F(SaveFileTest, RandomValidStatesComeBackByteForByte) {
  std::mt19937 random(20261206);
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ \xE4\xF6\xFC\xC4\xD6\xDC\xDF-";
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> values{"300"};
    for (size_t i = 1; i < 84; ++i) {
      values.push_back(std::to_string(std::uniform_int_distribution<int>(-32768, 32767)(random)));
    }
    const int room = std::uniform_int_distribution<int>(1, 12)(random);
    values[1] = std::to_string(room == 12 ? 13 : room);
    std::string name;
    for (int i = std::uniform_int_distribution<int>(0, 30)(random); i > 0; --i) {
      name += letters[std::uniform_int_distribution<size_t>(0, letters.size() - 1)(random)];
    }
    values[kPlaceNameIndex] = name;
    const std::string file = FileOf(values);
    ASSERT_EQ(LoadCode(file), 0) << file;
    WriteSave("again.sav", session);
    ASSERT_EQ(TempDirectory::Read("again.sav"), file);
  }
}

TEST_F(SaveFileTest, LoadingKeepsWhatTheFileDoesNotHold) {
  session.score_notices_on = 1;
  session.notice_hint_shown = 1;
  session.accent_colour = kCyan;
  session.referent_masc = "korb";
  session.command_history[1] = "n";
  std::vector<std::string> values = FreshValues();
  values[1] = "7";
  values[2] = "42";
  values[kPlaceNameIndex] = "Vor einer Br\xFC" "cke";
  ASSERT_EQ(LoadCode(FileOf(values)), 0);
  EXPECT_EQ(session.current_room, 7);
  EXPECT_EQ(session.move_count, 42);
  EXPECT_EQ(session.place_name, Cp850("Vor einer Brücke"));
  EXPECT_EQ(session.score_notices_on, 1);
  EXPECT_EQ(session.notice_hint_shown, 1);
  EXPECT_EQ(session.accent_colour, kCyan);
  EXPECT_EQ(session.referent_masc, "korb");
  EXPECT_EQ(session.command_history[1], "n");
}

TEST_F(SaveFileTest, LineFeedsAloneAndBlanksAroundValuesAreRead) {
  EXPECT_EQ(LoadCode(FileOf(FreshValues(), "\n")), 0);
  std::string spaced = FileOf(FreshValues());
  spaced.replace(0, 4, " 300 , ");
  EXPECT_EQ(LoadCode(spaced + "\r\n\r\n"), 0);
}

TEST_F(SaveFileTest, AnotherMarkerIsRefusedAndChangesNothing) {
  const GameSession before = session;
  for (const std::string& bytes : {std::string(""), std::string("299,1,0"), std::string("abc"), std::string("\r\n")}) {
    TempDirectory::Write("x.sav", bytes);
    EXPECT_FALSE(ReadSave("x.sav", session)) << bytes;
    EXPECT_EQ(session, before);
  }
  std::vector<std::string> values = FreshValues();
  values[0] = "299";
  TempDirectory::Write("x.sav", FileOf(values));
  EXPECT_FALSE(ReadSave("x.sav", session));
  EXPECT_EQ(ReadSaveMarker("x.sav"), 299);
  EXPECT_EQ(ReadSaveMarker("missing.sav"), std::nullopt);
}

TEST_F(SaveFileTest, AFileCutOffAfterAnyValueEndsTooEarly) {
  const std::string file = FileOf(FreshValues());
  const GameSession before = session;
  size_t cut = file.find(',');  // after the marker
  for (; cut < file.size() - 2; cut = file.find_first_of(",\r", cut + 1)) {
    EXPECT_EQ(LoadCode(file.substr(0, cut)), kErrorPastEnd) << cut;
    EXPECT_EQ(LoadCode(file.substr(0, cut + 1)), kErrorPastEnd) << cut;
    EXPECT_EQ(session, before);
    if (file[cut] == '\r') ++cut;
  }
  EXPECT_EQ(LoadCode(file.substr(0, file.find("Waldeingang"))), kErrorPastEnd);  // inside the quotes
}

TEST_F(SaveFileTest, DamagedValuesAreReportedAndChangeNothing) {
  const std::string fresh = FileOf(FreshValues());
  struct Damage {
    const char* what;
    std::string bytes;
    int code;
  };
  const auto with = [](size_t index, const std::string& value) {
    std::vector<std::string> values = FreshValues();
    values[index] = value;
    return FileOf(values);
  };
  std::string unquoted = fresh;
  unquoted.replace(unquoted.find("\"Am Waldeingang\""), 16, "Am Waldeingang");
  std::string open_quote = fresh;
  open_quote.replace(open_quote.find("\"Am Waldeingang\""), 16, "\"Am Waldeingang");
  std::string after_quote = fresh;
  after_quote.replace(after_quote.find("\"Am Waldeingang\""), 16, "\"Am\"Waldeingang");
  const Damage damages[] = {
      {"a word for a number", with(3, "viel"), kErrorBadValue},
      {"a fraction", with(3, "1.5"), kErrorBadValue},
      {"an empty value", with(3, ""), kErrorBadValue},
      {"a lone sign", with(3, "-"), kErrorBadValue},
      {"a number for the place name", with(kPlaceNameIndex, "7\""), kErrorBadValue},
      {"an unquoted place name", unquoted, kErrorBadValue},
      {"an unterminated quote", open_quote, kErrorBadValue},
      {"text after the closing quote", after_quote, kErrorBadValue},
      {"a quote open to the end", fresh.substr(0, fresh.find("Waldeingang") + 11), kErrorPastEnd},
      {"a value too many", fresh + "0\r\n", kErrorBadValue},
      {"a value too many on the last line", fresh.substr(0, fresh.size() - 2) + ",0\r\n", kErrorBadValue},
      {"garbage after the values", fresh + "\x01\x02\xFF", kErrorBadValue},
      {"a room the game does not know", with(1, "15"), kErrorBadValue},
      {"a negative room", with(1, "-1"), kErrorBadValue},
      {"no room at all", with(1, "0"), kErrorBadValue},
      {"the inside of the house", with(1, "12"), kErrorBadValue},
      {"the tower", with(1, "14"), kErrorBadValue},
      {"a number beyond 16 bits", with(2, "32768"), kErrorOther},
      {"a huge number", with(2, "123456789012345678901234567890"), kErrorOther},
      {"a number below 16 bits", with(3, "-32769"), kErrorOther},
      {"a whole file of garbage", "300" + std::string(100000, 'x'), kErrorBadValue},
  };
  const GameSession before = session;
  for (const Damage& damage : damages) {
    EXPECT_EQ(LoadCode(damage.bytes), damage.code) << damage.what;
    EXPECT_EQ(session, before) << damage.what;
  }
  EXPECT_EQ(LoadCode(with(2, "32767")), 0);
  EXPECT_EQ(LoadCode(with(3, "-32768")), 0);
}

TEST_F(SaveFileTest, FilesThatCannotBeReadGiveTheirErrorKind) {
  const GameSession before = session;
  EXPECT_THROW(
      {
        try {
          ReadSave("missing.sav", session);
        } catch (const GameError& error) {
          EXPECT_EQ(error.code, kErrorFileNotFound);
          throw;
        }
      },
      GameError);
  std::filesystem::create_directory("dir.sav");
  EXPECT_THROW(ReadSave("dir.sav", session), GameError);
  EXPECT_EQ(ReadSaveMarker("dir.sav"), std::nullopt);
  ASSERT_EQ(mkfifo("pipe.sav", 0600), 0);  // must not wait for a writer
  EXPECT_THROW(ReadSave("pipe.sav", session), GameError);
  EXPECT_EQ(ReadSaveMarker("pipe.sav"), std::nullopt);
  EXPECT_EQ(session, before);
}

// Permissions bind only an ordinary user.
TEST_F(SaveFileTest, AccessDeniedIsReportedAsWriteProtection) {
  if (geteuid() == 0) GTEST_SKIP() << "root may read and write anything";
  WriteSave("x.sav", session);
  std::filesystem::permissions("x.sav", std::filesystem::perms::none);
  const auto code_of = [](const auto& action) {
    try {
      action();
    } catch (const GameError& error) {
      return error.code;
    }
    return 0;
  };
  EXPECT_EQ(code_of([&] { ReadSave("x.sav", session); }), kErrorWriteProtected);
  std::filesystem::permissions(".", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_EQ(code_of([&] { WriteSave("y.sav", session); }), kErrorWriteProtected);
  std::filesystem::permissions(".", std::filesystem::perms::owner_all);
}

TEST_F(SaveFileTest, SavingOverADirectoryFailsAndLeavesNoFileBehind) {
  std::filesystem::create_directory("x.sav");
  try {
    WriteSave("x.sav", session);
    ADD_FAILURE() << "saved over a directory";
  } catch (const GameError& error) {
    EXPECT_EQ(error.code, kErrorOther);
  }
  EXPECT_EQ(directory.Files(), std::vector<std::string>{"x.sav"});
}

// A disk that fills up while writing: the old save survives whole.
TEST_F(SaveFileTest, AFullDiskLeavesTheOldSaveAsItWas) {
  WriteSave("x.sav", session);
  const std::string old = TempDirectory::Read("x.sav");
  GameSession later = session;
  later.move_count = 99;
  int code = 0;
  try {
    const FileSizeLimit full_disk(50);
    WriteSave("x.sav", later);
  } catch (const GameError& error) {
    code = error.code;
  }
  EXPECT_EQ(code, kErrorDiskFull);
  EXPECT_EQ(TempDirectory::Read("x.sav"), old);
  EXPECT_EQ(directory.Files(), std::vector<std::string>{"x.sav"});
}

TEST(Windows1252Test, PlaceNamesConvertBothWays) {
  EXPECT_EQ(Windows1252FromCp850(Cp850("Brücke Äß öÖüÜä")), "Br\xFC" "cke \xC4\xDF \xF6\xD6\xFC\xDC\xE4");
  EXPECT_EQ(Cp850FromWindows1252("Br\xFC" "cke \x80"), Cp850("Brücke ?"));
  EXPECT_EQ(Windows1252FromCp850(Cp850("┌─┐")), "???");
}

}  // namespace
