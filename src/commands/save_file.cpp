#include "commands/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <string_view>

#include "world/encoding.h"
#include "world/game_error.h"
#include "world/rooms.h"

namespace {

// Values per line, the marker included.
constexpr std::array<int, 7> kValuesPerLine = {12, 10, 13, 14, 10, 9, 16};
// A save is a few hundred bytes; anything much longer is not one.
constexpr size_t kLongestFile = 16 * 1024;

[[noreturn]] void Fail(int code) { throw GameError{code}; }
[[noreturn]] void FailWithErrno() { Fail(ErrorCodeFromErrno(errno)); }

// Every saved value after the version marker, in file order.
template <class Session, class Visit>
void VisitSavedFields(Session& s, Visit&& visit) {
  // Line 1
  visit(s.current_room), visit(s.move_count), visit(s.score), visit(s.screen_rows), visit(s.save_format_marker);
  visit(s.newspaper_carried), visit(s.newspaper_room), visit(s.newspaper_read), visit(s.voucher_carried);
  visit(s.voucher_room), visit(s.voucher_found);
  // Line 2
  visit(s.bees_at_jar), visit(s.reserved_1), visit(s.grasshopper_seen), visit(s.honey_jar_carried);
  visit(s.honey_jar_room), visit(s.honey_jar_state), visit(s.lid_room), visit(s.reserved_2), visit(s.ball_room);
  visit(s.brief_mode);
  // Line 3
  visit(s.frog_state), visit(s.bouquet_picked), visit(s.bouquet_carried), visit(s.bouquet_room), visit(s.wolf_gone);
  visit(s.grass_carried), visit(s.grass_room), visit(s.sheep_state), visit(s.sheep_room), visit(s.door_open);
  visit(s.reserved_3), visit(s.basket_carried), visit(s.basket_room);
  // Line 4
  visit(s.visited_forest_entrance), visit(s.visited_path), visit(s.visited_deep_forest), visit(s.visited_bee_meadow);
  visit(s.visited_well), visit(s.visited_honey_stand), visit(s.visited_bridge_approach);
  visit(s.visited_beaver_market), visit(s.visited_river_bank), visit(s.visited_bridge), visit(s.visited_house_front);
  visit(s.visited_house_inside), visit(s.visited_clearing), visit(s.reserved_4);
  // Line 5
  visit(s.honey_points_given), visit(s.bees_points_given), visit(s.frog_transformed), visit(s.wolf_grabbed_ball);
  visit(s.ball_state), visit(s.voucher_redeemed), visit(s.place_name), visit(s.sheep_points_given);
  visit(s.wolf_has_sheep), visit(s.repair_offered);
  // Line 6
  visit(s.reserved_5), visit(s.key_holder), visit(s.key_room), visit(s.spare_key_found), visit(s.key_under_mat);
  visit(s.key_bent), visit(s.door_locked), visit(s.drank_water), visit(s.bell_rung);
  // Line 7
  visit(s.beaver_present), visit(s.newspaper_torn), visit(s.reserved_6), visit(s.rapunzel_visible), visit(s.knocked);
  visit(s.ladder_hanging), visit(s.umbrella_carried), visit(s.umbrella_room), visit(s.coin_returned);
  visit(s.coin_state), visit(s.coin_room), visit(s.little_bear_seen), visit(s.cigar_smoke_noticed);
  visit(s.key_points_given), visit(s.coin_points_given), visit(s.repair_points_given);
}

std::string FileText(const GameSession& session) {
  std::string text = std::to_string(kSaveVersion);
  int in_line = 1;
  size_t line = 0;
  const auto add = [&](const std::string& value) {
    if (in_line == kValuesPerLine[line]) {
      text += "\r\n";
      in_line = 0;
      ++line;
    } else {
      text += ',';
    }
    text += value;
    ++in_line;
  };
  VisitSavedFields(session, [&](const auto& field) {
    if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>) {
      std::string name = Windows1252FromCp850(field);
      for (char& c : name) {
        if (c == '"') c = '\'';  // a quote would end the string early
      }
      add("\"" + name + "\"");
    } else {
      add(std::to_string(field));
    }
  });
  return text + "\r\n";
}

void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailWithErrno();
    }
    text.remove_prefix(static_cast<size_t>(written));
  }
}

// Opens a new file beside `path` for the complete text; its name does not
// end in ".sav", so no listing ever shows it.
int OpenTemporary(const std::string& path, std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) FailWithErrno();
  }
  FailWithErrno();
}

std::string ReadFile(const std::string& path) {
  // Not blocking, so that a pipe of that name cannot stop the game.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) FailWithErrno();
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    Fail(kErrorOther);
  }
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      const int error = errno;
      close(fd);
      Fail(ErrorCodeFromErrno(error));
    }
    if (got == 0) break;
    text.append(buffer, static_cast<size_t>(got));
    if (text.size() > kLongestFile) {
      close(fd);
      Fail(kErrorBadValue);
    }
  }
  close(fd);
  return text;
}

// Reads the values of a save in order, as the file layer of the game's
// first platform did: values end at a comma or a line end (CR LF, LF or CR),
// blanks around them do not count.
class SaveReader {
 public:
  explicit SaveReader(std::string_view text) : rest_(text) {}

  int Number() {
    const std::string_view value = Value();
    std::string_view digits = value;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) Fail(kErrorBadValue);
    long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || number > SHRT_MAX + 1L) Fail(kErrorOther);  // overflow
    if (value.front() == '-') number = -number;
    if (number > SHRT_MAX) Fail(kErrorOther);
    return static_cast<int>(number);
  }

  std::string Text() {
    SkipBlanks();
    if (rest_.empty()) Fail(kErrorPastEnd);
    if (rest_.front() != '"') Fail(kErrorBadValue);
    rest_.remove_prefix(1);
    const size_t close = rest_.find_first_of("\"\r\n");
    if (close == std::string_view::npos) Fail(kErrorPastEnd);
    if (rest_[close] != '"') Fail(kErrorBadValue);
    std::string text(rest_.substr(0, close));
    rest_.remove_prefix(close + 1);
    EndOfValue();
    return text;
  }

  // Only blanks and line ends may follow the last value.
  void ExpectEnd() const {
    if (rest_.find_first_not_of(" \t\r\n") != std::string_view::npos) Fail(kErrorBadValue);
  }

 private:
  void SkipBlanks() {
    while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
  }

  std::string_view Value() {
    SkipBlanks();
    if (rest_.empty()) Fail(kErrorPastEnd);
    const size_t end = std::min(rest_.find_first_of(",\r\n"), rest_.size());
    std::string_view value = rest_.substr(0, end);
    rest_.remove_prefix(end);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    if (value.empty()) Fail(kErrorBadValue);
    EndOfValue();
    return value;
  }

  // A value ends at a comma, a line end or the end of the file.
  void EndOfValue() {
    SkipBlanks();
    if (rest_.empty()) return;
    if (rest_.front() == ',') {
      rest_.remove_prefix(1);
    } else if (rest_.starts_with("\r\n")) {
      rest_.remove_prefix(2);
    } else if (rest_.front() == '\n' || rest_.front() == '\r') {
      rest_.remove_prefix(1);
    } else {
      Fail(kErrorBadValue);
    }
  }

  std::string_view rest_;
};

}  // namespace

void WriteSave(const std::string& path, const GameSession& session) {
  const std::string text = FileText(session);
  std::string temporary;
  const int fd = OpenTemporary(path, temporary);
  try {
    WriteAll(fd, text);
    if (fsync(fd) != 0) FailWithErrno();
  } catch (const GameError&) {
    close(fd);
    unlink(temporary.c_str());
    throw;
  }
  if (close(fd) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    unlink(temporary.c_str());
    Fail(ErrorCodeFromErrno(error));
  }
}

bool ReadSave(const std::string& path, GameSession& session) {
  const std::string text = ReadFile(path);
  SaveReader reader(text);
  try {
    if (reader.Number() != kSaveVersion) return false;
  } catch (const GameError&) {
    return false;
  }
  GameSession loaded = session;
  VisitSavedFields(loaded, [&reader](auto& field) {
    using Field = std::decay_t<decltype(field)>;
    if constexpr (std::is_same_v<Field, std::string>) {
      field = Cp850FromWindows1252(reader.Text());
    } else {
      field = static_cast<Field>(reader.Number());
    }
  });
  reader.ExpectEnd();
  // Only a place the player can stand in: not the house (its inside is the
  // ending) and not the tower, which no way leads to.
  if (!IsPlaceToStand(loaded.current_room)) Fail(kErrorBadValue);
  session = std::move(loaded);
  return true;
}

std::optional<int> ReadSaveMarker(const std::string& path) {
  try {
    const std::string text = ReadFile(path);
    SaveReader reader(text);
    return reader.Number();
  } catch (const GameError&) {
    return std::nullopt;
  }
}
