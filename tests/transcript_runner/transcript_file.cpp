#include "transcript_runner/transcript_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr std::string_view kWildcard = "...";

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string FileStem(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.substr(0, name.rfind('.'));
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void DropTrailingEmpty(std::vector<std::string>& rows) {
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
}

}  // namespace

std::vector<TranscriptScene> ParseTranscriptFile(const std::string& path) {
  const std::vector<std::string> lines = ReadLines(path);
  std::vector<TranscriptScene> scenes;
  std::vector<int> pending_random;
  const auto fail = [&](size_t index, const std::string& why) {
    throw std::runtime_error(path + ":" + std::to_string(index + 1) + ": " + why);
  };
  const auto scene = [&]() -> TranscriptScene& {
    if (scenes.empty()) scenes.push_back({path, FileStem(path), "", 1, {}});
    return scenes.back();
  };
  TranscriptStep* step = nullptr;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.starts_with("#")) continue;
    if (line.starts_with("==")) {
      scenes.push_back({path, Trimmed(line.substr(2)), "", static_cast<int>(i + 1), {}});
      if (scenes.back().name.empty()) fail(i, "a scene needs a name");
      step = nullptr;
      continue;
    }
    if (line.starts_with("@after ")) {
      if (!scene().steps.empty()) fail(i, "@after belongs before the first typed line");
      scene().after = Trimmed(line.substr(7));
      continue;
    }
    if (line.starts_with("@random")) {
      std::istringstream values(line.substr(7));
      int value = 0;
      while (values >> value) pending_random.push_back(value);
      if (!values.eof()) fail(i, "@random takes whole numbers");
      continue;
    }
    if (line.starts_with("@")) fail(i, "unknown directive");
    if (line.starts_with(">")) {
      TranscriptStep next;
      next.typed = line.substr(line.starts_with("> ") ? 2 : 1);
      next.random_values = std::move(pending_random);
      pending_random.clear();
      next.line_number = static_cast<int>(i + 1);
      next.first_expected_line = static_cast<int>(i + 1);
      next.end_expected_line = static_cast<int>(i + 1);
      scene().steps.push_back(std::move(next));
      step = &scene().steps.back();
      continue;
    }
    if (step == nullptr) {
      if (Trimmed(line).empty()) continue;
      fail(i, "an answer before the first typed line");
    }
    // A backslash lets an answer row begin like a typed line or a directive.
    step->expected.push_back(line.starts_with("\\") ? line.substr(1) : line);
    if (!line.empty()) step->end_expected_line = static_cast<int>(i + 1);
  }
  for (TranscriptScene& each : scenes) {
    for (TranscriptStep& each_step : each.steps) DropTrailingEmpty(each_step.expected);
  }
  return scenes;
}

std::string EscapedRow(const std::string& row) {
  const bool special = row.starts_with(">") || row.starts_with("#") || row.starts_with("@") || row.starts_with("==") ||
                       row.starts_with("\\") || row == kWildcard;
  return special ? "\\" + row : row;
}

bool MatchesTranscript(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  // Lines match in order; a wildcard may take any number of lines.
  std::vector<std::vector<char>> memo(expected.size() + 1, std::vector<char>(actual.size() + 1, -1));
  const auto match = [&](auto&& self, size_t e, size_t a) -> bool {
    char& known = memo[e][a];
    if (known >= 0) return known != 0;
    bool result;
    if (e == expected.size()) {
      result = a == actual.size();
    } else if (expected[e] == kWildcard) {
      result = self(self, e + 1, a) || (a < actual.size() && self(self, e, a + 1));
    } else {
      result = a < actual.size() && expected[e] == actual[a] && self(self, e + 1, a + 1);
    }
    known = result ? 1 : 0;
    return result;
  };
  return match(match, 0, 0);
}
