#pragma once

#include <map>

#include "transcript_runner/transcript_file.h"

// Every scene of the folder by name, for "@after".
using SceneIndex = std::map<std::string, TranscriptScene>;

// Plays the scene through the real game in line mode, in an empty directory
// of its own, after the unchecked lines of the scenes it comes after. Returns
// the answer to each of its own typed lines: the rows printed until the game
// read the next line, without the echo of a command and trailing empty rows.
std::vector<std::vector<std::string>> PlayScene(const TranscriptScene& scene, const SceneIndex& index);
