// Fuzz target: arbitrary bytes as a save file. Reading it either fails (a
// GameError, or no version marker) and changes nothing, or gives a session
// that the game can write, read back alike and go on playing from.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "commands/save_file.h"
#include "fuzz_game.h"
#include "world/game_error.h"
#include "world/game_session.h"

namespace {

constexpr const char* kFuzzedSave = "fuzzed.sav";
constexpr const char* kRewrittenSave = "again.sav";

[[noreturn]] void Fault(const char* what) {
  std::fprintf(stderr, "save file fuzzer: %s\n", what);
  std::abort();
}

// The loaded session played on: the load dialog picks the only save, then a
// few commands that describe, move and list what the save put where.
const std::vector<std::string> kPlayAfterLoading = {
    "laden", "", "schau", "inventar", "punkte", "tip", "nimm alles", "lege alles ab",
    "n", "o", "s", "w", "no", "sw", "karte", "untersuche alles",
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  PrepareScratchDirectory(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const InScratchDirectory scratch;
  {
    std::ofstream file(kFuzzedSave, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!file) Fault("cannot write the input file");
  }
  ReadSaveMarker(kFuzzedSave);

  GameSession fresh;
  SetInitialValues(fresh);
  GameSession loaded = fresh;
  bool read = false;
  try {
    read = ReadSave(kFuzzedSave, loaded);
  } catch (const GameError&) {
  }
  // A save that does not read leaves the game as it was.
  if (!read) {
    if (!(loaded == fresh)) Fault("a save that failed to read changed the game");
    return 0;
  }

  // What the game read it can write, and what it wrote reads back the same.
  WriteSave(kRewrittenSave, loaded);
  GameSession reread;
  SetInitialValues(reread);
  try {
    if (!ReadSave(kRewrittenSave, reread)) Fault("a written save lacks the version marker");
  } catch (const GameError& error) {
    std::fprintf(stderr, "save file fuzzer: error %d\n", error.code);
    Fault("a written save does not read back");
  }
  if (!(reread == loaded)) Fault("a written save reads back different");

  std::remove(kRewrittenSave);
  PlayLines(kPlayAfterLoading);
  return 0;
}
