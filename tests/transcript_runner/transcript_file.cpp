#include "transcript_runner/transcript_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path + ": cannot be read");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.ends_with('\r')) line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<TranscriptScene> ParseTranscriptFile(const std::string& path) {
  const std::vector<std::string> lines = ReadLines(path);
  std::vector<TranscriptScene> scenes;
  std::vector<int> pending_random;
  TranscriptStep* step = nullptr;
  const auto fail = [&](int number, const std::string& why) {
    throw std::runtime_error(path + ":" + std::to_string(number) + ": " + why);
  };
  const auto scene = [&]() -> TranscriptScene& {  // a file without headings is one scene named after it
    if (scenes.empty()) scenes.push_back({path, std::filesystem::path(path).stem().string(), "", 1, {}});
    return scenes.back();
  };
  for (int number = 1; number <= static_cast<int>(lines.size()); ++number) {
    const std::string& line = lines[number - 1];
    if (line.starts_with("#")) continue;
    if (line.starts_with("==")) {
      scenes.push_back({path, Trimmed(line.substr(2)), "", number, {}});
      if (scenes.back().name.empty()) fail(number, "a scene needs a name");
      step = nullptr;
    } else if (line.starts_with("@after ")) {
      if (!scene().steps.empty()) fail(number, "@after belongs before the first typed line");
      scene().after = Trimmed(line.substr(7));
    } else if (line.starts_with("@random")) {
      std::istringstream values(line.substr(7));
      for (int value = 0; values >> value;) pending_random.push_back(value);
      if (!values.eof()) fail(number, "@random takes whole numbers");
    } else if (line.starts_with("@")) {
      fail(number, "unknown directive");
    } else if (line.starts_with(">")) {
      step = &scene().steps.emplace_back(TranscriptStep{
          line.substr(line.starts_with("> ") ? 2 : 1), std::move(pending_random), {}, number, number});
      pending_random.clear();
    } else if (step != nullptr) {
      step->expected.push_back(line);
      if (!line.empty()) step->last_answer_line = number;
    } else if (!Trimmed(line).empty()) {
      fail(number, "an answer before the first typed line");
    }
  }
  for (TranscriptScene& each : scenes) {
    for (TranscriptStep& each_step : each.steps) {
      while (!each_step.expected.empty() && each_step.expected.back().empty()) each_step.expected.pop_back();
    }
  }
  return scenes;
}

std::string EscapedRow(const std::string& row) {
  const bool special = row.starts_with(">") || row.starts_with("#") || row.starts_with("@") || row.starts_with("==") ||
                       row.starts_with("\\") || row == kWildcard;
  return special ? "\\" + row : row;
}

bool MatchesTranscript(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  // matched[a]: the expected rows so far match the first a actual rows.
  std::vector<bool> matched(actual.size() + 1, false);
  matched[0] = true;
  for (const std::string& row : expected) {
    std::vector<bool> next(actual.size() + 1, false);
    for (size_t a = 0; a <= actual.size(); ++a) {
      next[a] = row == kWildcard ? matched[a] || (a > 0 && next[a - 1])
                                 : a > 0 && matched[a - 1] && row == EscapedRow(actual[a - 1]);
    }
    matched = std::move(next);
  }
  return matched.back();
}
