// Fuzz target: arbitrary bytes as the lines a player types, through the
// whole turn (parser, verb chain, handlers, dialogs, the ending) of one game.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_game.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  PrepareScratchDirectory(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const InScratchDirectory scratch;
  PlayLines(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
