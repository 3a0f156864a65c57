#include "fuzz_game.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "app/game.h"
#include "world/random_source.h"

namespace {

std::filesystem::path start_directory;
std::filesystem::path scratch_directory;
// Set QUENDELMAR_FUZZ_SHOW to see what the game prints, when running a
// single input to find out how it got where it crashed.
const bool show_output = std::getenv("QUENDELMAR_FUZZ_SHOW") != nullptr;

void RemoveScratchDirectory() {
  std::error_code error;
  std::filesystem::remove_all(scratch_directory, error);
}

// A small generator with a fixed seed: every draw is reproducible, and the
// game still meets ambience, laments and random answers along the way.
class FixedRandom : public RandomSource {
 public:
  void SeedFromClock() override {}
  int Draw(int low, int high) override {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    if (high <= low) return low;
    const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
    return low + static_cast<int>(state_ % span);
  }

 private:
  std::uint64_t state_ = 0x9E3779B97F4A7C15u;
};

}  // namespace

void PrepareScratchDirectory(int* argc, char*** argv) {
  start_directory = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "quendelmar_fuzz_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
  scratch_directory = pattern;
  std::atexit(RemoveScratchDirectory);

  // A crash happens inside the scratch directory, where libFuzzer would
  // write its file: the file goes where the fuzzer was started instead.
  static std::vector<std::string> arguments;
  static std::vector<char*> pointers;
  bool placed = false;
  for (int i = 0; i < *argc; ++i) {
    std::string argument = (*argv)[i];
    for (const std::string flag : {"-artifact_prefix=", "-exact_artifact_path="}) {
      if (!argument.starts_with(flag)) continue;
      placed = true;
      const std::filesystem::path place = argument.substr(flag.size());
      // Kept as a string: the trailing "/" of a prefix matters.
      if (place.is_relative()) argument = flag + (start_directory / place).string();
    }
    arguments.push_back(std::move(argument));
  }
  if (!placed) arguments.push_back("-artifact_prefix=" + (start_directory / "").string());
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  *argc = static_cast<int>(arguments.size());
  *argv = pointers.data();
}

InScratchDirectory::InScratchDirectory() {
  std::filesystem::current_path(scratch_directory);
  std::error_code error;
  for (std::filesystem::directory_iterator entry(scratch_directory, error), end; !error && entry != end;
       entry.increment(error)) {
    std::error_code ignored;
    std::filesystem::remove_all(entry->path(), ignored);
  }
}

InScratchDirectory::~InScratchDirectory() { std::filesystem::current_path(start_directory); }

std::vector<std::string> SplitLines(std::string_view input) {
  std::vector<std::string> lines;
  while (!input.empty()) {
    const size_t end = input.find('\n');
    lines.emplace_back(input.substr(0, end));
    if (end == std::string_view::npos) break;
    input.remove_prefix(end + 1);
  }
  return lines;
}

void PlayLines(const std::vector<std::string>& lines) {
  size_t next = 0;
  LineIo io;
  io.write = [](std::string_view text) {
    if (show_output) std::fwrite(text.data(), 1, text.size(), stderr);
  };
  io.flush = [] {};
  io.read_line = [&](WaitKind) -> std::optional<std::string> {
    if (next == lines.size()) return std::nullopt;
    return lines[next++];
  };
  FixedRandom random;
  PlayInLineMode(std::move(io), random);  // until the lines run out or the player quits
}
