#include "transcript_runner/transcript_play.h"

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <stdexcept>

#include "app/game.h"
#include "world/random_source.h"
#include "console/console.h"
#include "console/line_frontend.h"

namespace {

// Queued numbers first, then always the highest the game asks for: no
// ambience, no lament, the last of several random answers.
class TranscriptRandom : public RandomSource {
 public:
  void SeedFromClock() override {}
  int Draw(int low, int high) override {
    if (queued.empty()) return high;
    const int value = queued.front();
    queued.pop_front();
    return std::clamp(value, low, high);
  }
  std::deque<int> queued;
};

struct Input {
  std::string line;
  std::vector<int> random_values;
  bool checked = false;
};

void CollectInputs(const TranscriptScene& scene, const SceneIndex& index, bool checked, std::vector<Input>& inputs,
                   int depth = 0) {
  if (!scene.after.empty()) {
    const auto found = index.find(scene.after);
    if (found == index.end()) throw std::runtime_error(scene.file + ": no scene named '" + scene.after + "'");
    if (depth > 20) throw std::runtime_error(scene.file + ": scenes come after each other in a circle");
    CollectInputs(found->second, index, false, inputs, depth + 1);
  }
  for (const TranscriptStep& step : scene.steps) inputs.push_back({step.typed, step.random_values, checked});
}

// "<Escape>" in a typed line is the Escape key, for leaving the dialogs.
std::string WithEscapes(std::string_view line) {
  constexpr std::string_view kEscape = "<Escape>";
  std::string result;
  for (size_t at = line.find(kEscape); at != std::string_view::npos; at = line.find(kEscape)) {
    result.append(line.substr(0, at));
    result += '\x1b';
    line.remove_prefix(at + kEscape.size());
  }
  return result.append(line);
}

class ScratchDirectory {
 public:
  ScratchDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "quendelmar_transcript_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary directory");
    path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    std::filesystem::remove_all(path_, error);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace

std::vector<std::vector<std::string>> PlayScene(const TranscriptScene& scene, const SceneIndex& index) {
  std::vector<Input> inputs;
  CollectInputs(scene, index, true, inputs);

  const ScratchDirectory directory;
  TranscriptRandom random;
  std::vector<std::vector<std::string>> blocks(1);  // block 0: the start-up
  std::vector<bool> typed_at_prompt(1, false);
  std::string partial_row;
  size_t next = 0;

  LineIo io;
  io.write = [&](std::string_view text) {
    for (const char c : text) {
      if (c == '\n') {
        blocks.back().push_back(partial_row);
        partial_row.clear();
      } else {
        partial_row += c;
      }
    }
  };
  io.flush = [] {};
  io.read_line = [&](WaitKind kind) -> std::optional<std::string> {
    if (next == inputs.size()) return std::nullopt;
    const Input& input = inputs[next++];
    random.queued.insert(random.queued.end(), input.random_values.begin(), input.random_values.end());
    blocks.emplace_back();
    typed_at_prompt.push_back(kind == WaitKind::kLine);
    return WithEscapes(input.line);
  };

  LineFrontend frontend(io);
  Console console(frontend);
  Game game(console, random);
  try {
    game.Run();
  } catch (const ProgramExit&) {
    frontend.Finish(console);
  }
  if (!partial_row.empty()) blocks.back().push_back(partial_row);

  std::vector<std::vector<std::string>> answers;
  for (size_t i = 0; i < inputs.size(); ++i) {
    std::vector<std::string> rows = i + 1 < blocks.size() ? blocks[i + 1] : std::vector<std::string>{};
    if (!inputs[i].checked) continue;
    // The echo of a command typed at the prompt is the typed line itself.
    if (typed_at_prompt[i + 1] && !rows.empty() && rows.front().starts_with(">")) rows.erase(rows.begin());
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    answers.push_back(std::move(rows));
  }
  return answers;
}
