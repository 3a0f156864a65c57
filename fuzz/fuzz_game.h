// What both fuzz targets share: a scratch directory of their own for the
// save files, and the real game played in line mode on a list of lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// For LLVMFuzzerInitialize: makes a fresh directory under TMPDIR for the
// save files, removed at exit, and unless the command line names a place
// for the crash files already, has them written to the current directory.
void PrepareScratchDirectory(int* argc, char*** argv);

// While it lives, the scratch directory is the current one, emptied first so
// that no input leaves saves behind for the next. The fuzzer itself reads
// and writes its files from the directory it was started in.
class InScratchDirectory {
 public:
  InScratchDirectory();
  ~InScratchDirectory();
  InScratchDirectory(const InScratchDirectory&) = delete;
  InScratchDirectory& operator=(const InScratchDirectory&) = delete;
};

// The input cut at its line ends ("\n"; a "\r" before it is left to the game).
std::vector<std::string> SplitLines(std::string_view input);

// Plays the lines as typed lines through the whole game, from the start-up
// on, until they run out or the player quits; the ending and a restart go
// on with the next line, and no dialog waits beyond the last one. Chance
// comes from a generator with a fixed seed, so that an input plays the same
// way every time.
void PlayLines(const std::vector<std::string>& lines);
