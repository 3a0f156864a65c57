// Plays a transcript scene through the real game in line mode, with a
// random source that gives the highest value unless a scene asks for others.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "transcript_runner/transcript_file.h"

// Every scene of the folder by name, for "@after".
using SceneIndex = std::map<std::string, TranscriptScene>;

// The answer to each of the scene's own typed lines: the rows printed until
// the game asked for the next line, without the echo of a typed command and
// without trailing empty rows. The lines of the scenes it comes after are
// played first and not returned. Runs in a fresh current directory.
std::vector<std::vector<std::string>> PlayScene(const TranscriptScene& scene, const SceneIndex& index);
