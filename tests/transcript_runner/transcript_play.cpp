#include "transcript_runner/transcript_play.h"

#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <stdexcept>
#include <utility>

#include "app/game.h"
#include "world/random_source.h"

namespace {

// Queued numbers first, then always the highest the game asks for: no
// ambience, no lament, the last of several random answers.
struct TranscriptRandom : RandomSource {
  void SeedFromClock() override {}
  int Draw(int low, int high) override {
    if (queued.empty()) return high;
    const int value = queued.front();
    queued.pop_front();
    return std::clamp(value, low, high);
  }
  std::deque<int> queued;
};

// The steps to play, each with whether its answer is checked.
void CollectSteps(const TranscriptScene& scene, const SceneIndex& index, bool checked,
                  std::vector<std::pair<const TranscriptStep*, bool>>& steps, int depth = 0) {
  if (!scene.after.empty()) {
    const auto found = index.find(scene.after);
    if (found == index.end()) throw std::runtime_error(scene.file + ": no scene named '" + scene.after + "'");
    if (depth > 20) throw std::runtime_error(scene.file + ": scenes come after each other in a circle");
    CollectSteps(found->second, index, false, steps, depth + 1);
  }
  for (const TranscriptStep& step : scene.steps) steps.emplace_back(&step, checked);
}

struct ScratchDirectory {
  ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quendelmar_transcript_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
    std::filesystem::current_path(path = pattern);
  }
  ~ScratchDirectory() {
    std::error_code error;
    std::filesystem::current_path(previous, error);
    std::filesystem::remove_all(path, error);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  std::filesystem::path previous = std::filesystem::current_path(), path;
};

}  // namespace

std::vector<std::vector<std::string>> PlayScene(const TranscriptScene& scene, const SceneIndex& index) {
  std::vector<std::pair<const TranscriptStep*, bool>> steps;
  CollectSteps(scene, index, true, steps);
  const ScratchDirectory directory;
  TranscriptRandom random;
  // The rows printed after each line read (block 0: the start-up), and
  // whether the line was typed at the prompt, which echoes it.
  std::vector<std::pair<bool, std::vector<std::string>>> blocks(1);
  std::string partial_row;
  size_t next = 0;
  LineIo io;
  io.write = [&](std::string_view text) {
    for (const char c : text) {
      if (c == '\n') blocks.back().second.push_back(std::exchange(partial_row, ""));
      else partial_row += c;
    }
  };
  io.flush = [] {};
  io.read_line = [&](WaitKind kind) -> std::optional<std::string> {
    if (next == steps.size()) return std::nullopt;
    const TranscriptStep& step = *steps[next++].first;
    random.queued.insert(random.queued.end(), step.random_values.begin(), step.random_values.end());
    blocks.push_back({kind == WaitKind::kLine, {}});
    std::string line = step.typed;  // "<Escape>" is the Escape key
    for (size_t at = line.find("<Escape>"); at != std::string::npos; at = line.find("<Escape>", at)) {
      line.replace(at, 8, "\x1b");
    }
    return line;
  };
  PlayInLineMode(std::move(io), random);
  if (!partial_row.empty()) blocks.back().second.push_back(partial_row);

  std::vector<std::vector<std::string>> answers;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (!steps[i].second) continue;
    auto [at_prompt, rows] = i + 1 < blocks.size() ? blocks[i + 1] : std::pair<bool, std::vector<std::string>>{};
    if (at_prompt && !rows.empty() && rows.front().starts_with(">")) rows.erase(rows.begin());
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    answers.push_back(std::move(rows));
  }
  return answers;
}
