// A transcript: scenes of typed lines and the answers the game must give,
// as a plain UTF-8 text file (see tests/transcripts/README.md).
#pragma once

#include <string>
#include <vector>

struct TranscriptStep {
  std::string typed;                  // the line after "> "
  std::vector<int> random_values;     // "@random": handed out from this line on
  std::vector<std::string> expected;  // the answer, trailing empty rows removed
  int line_number = 0;                // of the "> " line, from 1
  int first_expected_line = 0;        // index of the block's first line, from 0
  int end_expected_line = 0;          // one past its last non-comment line
};

struct TranscriptScene {
  std::string file;   // path
  std::string name;
  std::string after;  // the scene whose lines are played first, unchecked
  int line_number = 0;
  std::vector<TranscriptStep> steps;
};

// The scenes of a file. A file without "==" headings is one scene named
// after the file. Throws std::runtime_error with file and line on a fault.
std::vector<TranscriptScene> ParseTranscriptFile(const std::string& path);

// An answer row as the file holds it: rows that would read as a typed line,
// a directive, a comment or a wildcard get a backslash in front.
std::string EscapedRow(const std::string& row);

// Whether `actual` matches `expected`, where a line "..." stands for any
// number of lines.
bool MatchesTranscript(const std::vector<std::string>& expected, const std::vector<std::string>& actual);
