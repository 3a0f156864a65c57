// The transcript runner: every scene of tests/transcripts/ is a test of its
// own (suite: the file, test: the scene). With --update the expected answers
// are rewritten from what the game prints, for review with git diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "transcript_runner/transcript_play.h"

namespace {

// A test name of letters, digits and underscores ("Der Frosch küsst" -> "Der_Frosch_kuesst").
std::string TestName(std::string text) {
  static const std::pair<std::string_view, std::string_view> kUmlauts[] = {
      {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
  for (const auto& [umlaut, spelled] : kUmlauts) {
    for (size_t at; (at = text.find(umlaut)) != std::string::npos;) text.replace(at, umlaut.size(), spelled);
  }
  std::ranges::replace_if(text, [](unsigned char c) { return !std::isalnum(c); }, '_');
  return text;
}

// Expected and actual answer beside each other; differing rows marked.
std::string SideBySide(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  const auto width = [](const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  };
  size_t column = 8;
  for (const std::string& row : expected) column = std::max(column, width(row));
  std::ostringstream out;
  out << "  expected" << std::string(column - 8, ' ') << " | actual\n";
  for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string left = i < expected.size() ? expected[i] : "";
    const std::string right = i < actual.size() ? actual[i] : "";
    const bool same = i < expected.size() && i < actual.size() && left == EscapedRow(right);
    out << (same ? "  " : "! ") << left << std::string(column - width(left), ' ') << " | " << right << "\n";
  }
  return out.str();
}

struct SceneTest : testing::Test {
  SceneTest(const TranscriptScene& scene, const SceneIndex& index) : scene(scene), index(index) {}
  void TestBody() override {
    const std::vector<std::vector<std::string>> answers = PlayScene(scene, index);
    for (size_t i = 0, failures = 0; i < scene.steps.size() && failures < 5; ++i) {
      const TranscriptStep& step = scene.steps[i];
      if (MatchesTranscript(step.expected, answers[i])) continue;
      ++failures;
      ADD_FAILURE_AT(scene.file.c_str(), step.line_number)
          << "> " << step.typed << "\n" << SideBySide(step.expected, answers[i]);
    }
  }
  const TranscriptScene& scene;
  const SceneIndex& index;
};

// Rewrites the answers of a file from what the game prints, from the bottom
// up so that the line numbers above stay valid. An answer's trailing empty
// lines go with it; answers with a wildcard are kept as written.
void UpdateFile(const std::string& path, const SceneIndex& index) {
  std::vector<std::string> lines = ReadLines(path);
  std::vector<std::vector<std::string>> answers;
  std::vector<const TranscriptStep*> steps;
  const std::vector<TranscriptScene> scenes = ParseTranscriptFile(path);
  for (const TranscriptScene& scene : scenes) {
    for (std::vector<std::string>& answer : PlayScene(scene, index)) answers.push_back(std::move(answer));
    for (const TranscriptStep& step : scene.steps) steps.push_back(&step);
  }
  for (size_t i = steps.size(); i-- > 0;) {
    if (std::ranges::find(steps[i]->expected, kWildcard) != steps[i]->expected.end()) continue;
    const auto first = lines.begin() + steps[i]->line_number;
    auto end = lines.begin() + steps[i]->last_answer_line;
    while (end != lines.end() && end->empty()) ++end;
    std::vector<std::string> rows;
    for (const std::string& row : answers[i]) rows.push_back(EscapedRow(row));
    lines.insert(lines.erase(first, end), rows.begin(), rows.end());
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUENDELMAR_TRANSCRIPTS_DIR)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  static SceneIndex index;
  std::vector<const TranscriptScene*> scenes;  // in the order of the files
  try {
    for (const std::string& file : files) {
      for (TranscriptScene& scene : ParseTranscriptFile(file)) {
        if (index.contains(scene.name)) {
          std::cerr << file << ":" << scene.line_number << ": a second scene named '" << scene.name << "'\n";
          return 2;
        }
        scenes.push_back(&index.emplace(scene.name, std::move(scene)).first->second);
      }
    }
  } catch (const std::exception& fault) {
    std::cerr << fault.what() << "\n";
    return 2;
  }

  if (argc > 1 && std::string(argv[1]) == "--update") {
    for (const std::string& file : files) {
      const std::string name = std::filesystem::path(file).filename().string();
      if (argc > 2 && std::find(argv + 2, argv + argc, name) == argv + argc) continue;
      UpdateFile(file, index);
      std::cout << "updated " << file << "\n";
    }
    return 0;
  }
  for (const TranscriptScene* scene : scenes) {
    testing::RegisterTest(TestName(std::filesystem::path(scene->file).stem().string()).c_str(),
                          TestName(scene->name).c_str(), nullptr, nullptr, scene->file.c_str(), scene->line_number,
                          [scene]() -> testing::Test* { return new SceneTest(*scene, index); });
  }
  return RUN_ALL_TESTS();
}
