// A transcript: scenes of typed lines and the answers the game must give,
// as a plain UTF-8 text file (see tests/transcripts/README.md).
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TranscriptStep {
  std::string typed;                  // the line after "> "
  std::vector<int> random_values;     // "@random": handed out from this line on
  std::vector<std::string> expected;  // the answer as written, trailing empty rows removed
  int line_number = 0;                // of the "> " line, from 1
  int last_answer_line = 0;           // of the answer's last non-empty row, from 1
};

struct TranscriptScene {
  std::string file;   // path
  std::string name;
  std::string after;  // the scene whose lines are played first, unchecked
  int line_number = 0;
  std::vector<TranscriptStep> steps;
};

inline constexpr std::string_view kWildcard = "...";

// The file's lines without their line ends.
std::vector<std::string> ReadLines(const std::string& path);
// The scenes of a file. Throws std::runtime_error with file and line on a fault.
std::vector<TranscriptScene> ParseTranscriptFile(const std::string& path);
// An answer row as the file holds it.
std::string EscapedRow(const std::string& row);
// Whether `actual` matches `expected` (rows as written), whose "..." rows stand
// for any number of rows.
bool MatchesTranscript(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
