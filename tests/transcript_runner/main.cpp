// The transcript runner: every scene of tests/transcripts/ is a test of its
// own (suite: the file, test: the scene). With --update the expected answers
// are rewritten from what the game prints, for review with git diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "transcript_runner/transcript_file.h"
#include "transcript_runner/transcript_play.h"

namespace {

std::vector<std::string> TranscriptFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUENDELMAR_TRANSCRIPTS_DIR)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// A test name of letters, digits and underscores ("Der Frosch küsst" -> "Der_Frosch_kuesst").
std::string TestName(const std::string& text) {
  static const std::pair<std::string_view, std::string_view> kUmlauts[] = {
      {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
  std::string name;
  for (size_t i = 0; i < text.size(); ++i) {
    bool replaced = false;
    for (const auto& [umlaut, spelled] : kUmlauts) {
      if (text.compare(i, umlaut.size(), umlaut) == 0) {
        name += spelled;
        i += umlaut.size() - 1;
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    name += std::isalnum(c) ? static_cast<char>(c) : '_';
  }
  return name;
}

// Expected and actual answer beside each other; differing rows marked.
std::string SideBySide(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  std::ostringstream out;
  const auto width = [](const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  };
  size_t column = 8;
  for (const std::string& row : expected) column = std::max(column, width(row));
  out << "  " << std::string("expected") << std::string(column - 8, ' ') << " | actual\n";
  for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string left = i < expected.size() ? expected[i] : "";
    const std::string right = i < actual.size() ? actual[i] : "";
    const bool same = i < expected.size() && i < actual.size() && left == right;
    out << (same ? "  " : "! ") << left << std::string(column - width(left), ' ') << " | " << right << "\n";
  }
  return out.str();
}

class SceneTest : public testing::Test {
 public:
  SceneTest(const TranscriptScene& scene, const SceneIndex& index) : scene_(scene), index_(index) {}

  void TestBody() override {
    const std::vector<std::vector<std::string>> answers = PlayScene(scene_, index_);
    int failures = 0;
    for (size_t i = 0; i < scene_.steps.size() && failures < 5; ++i) {
      const TranscriptStep& step = scene_.steps[i];
      if (MatchesTranscript(step.expected, answers[i])) continue;
      ++failures;
      ADD_FAILURE_AT(scene_.file.c_str(), step.line_number)
          << "> " << step.typed << "\n" << SideBySide(step.expected, answers[i]);
    }
  }

 private:
  const TranscriptScene& scene_;
  const SceneIndex& index_;
};

// Rewrites the expected answers of a file from the game's output. Answers
// with a wildcard are kept as written.
void UpdateFile(const std::string& path, const SceneIndex& index) {
  std::vector<std::string> lines;
  {
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
  }
  struct Replacement {
    int first;
    int end;
    std::vector<std::string> rows;
  };
  std::vector<Replacement> replacements;
  for (const TranscriptScene& scene : ParseTranscriptFile(path)) {
    const std::vector<std::vector<std::string>> answers = PlayScene(scene, index);
    for (size_t i = 0; i < scene.steps.size(); ++i) {
      const TranscriptStep& step = scene.steps[i];
      if (std::find(step.expected.begin(), step.expected.end(), "...") != step.expected.end()) continue;
      std::vector<std::string> rows;
      for (const std::string& row : answers[i]) rows.push_back(EscapedRow(row));
      replacements.push_back({step.first_expected_line, std::max(step.end_expected_line, step.first_expected_line), rows});
    }
  }
  // From the bottom up, so that earlier line numbers stay valid. A block's
  // old trailing empty rows go with it.
  std::sort(replacements.begin(), replacements.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (const Replacement& r : replacements) {
    int end = r.end;
    while (end < static_cast<int>(lines.size()) && lines[end].empty()) ++end;
    lines.erase(lines.begin() + r.first, lines.begin() + end);
    lines.insert(lines.begin() + r.first, r.rows.begin(), r.rows.end());
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  std::ofstream out(path, std::ios::binary);
  for (const std::string& line : lines) out << line << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  static SceneIndex index;
  std::vector<std::string> files = TranscriptFiles();
  std::vector<std::pair<std::string, std::string>> names;  // file, scene
  try {
    for (const std::string& file : files) {
      for (TranscriptScene& scene : ParseTranscriptFile(file)) {
        if (index.contains(scene.name)) {
          std::cerr << file << ":" << scene.line_number << ": a second scene named '" << scene.name << "'\n";
          return 2;
        }
        names.emplace_back(file, scene.name);
        index.emplace(scene.name, std::move(scene));
      }
    }
  } catch (const std::exception& fault) {
    std::cerr << fault.what() << "\n";
    return 2;
  }

  if (argc > 1 && std::string(argv[1]) == "--update") {
    for (const std::string& file : files) {
      if (argc > 2 && std::find(argv + 2, argv + argc, std::filesystem::path(file).filename().string()) == argv + argc) {
        continue;
      }
      UpdateFile(file, index);
      std::cout << "updated " << file << "\n";
    }
    return 0;
  }

  for (const auto& [file, name] : names) {
    const TranscriptScene& scene = index.at(name);
    testing::RegisterTest(TestName(std::filesystem::path(file).stem().string()).c_str(), TestName(name).c_str(),
                          nullptr, nullptr, file.c_str(), scene.line_number,
                          [&scene]() -> testing::Test* { return new SceneTest(scene, index); });
  }
  return RUN_ALL_TESTS();
}
