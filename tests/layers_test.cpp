// The folders of src/ are layers, each using only those below it: world < console < parser < story < commands < app.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::array<std::string_view, 6> kLayers = {"world", "console", "parser", "story", "commands", "app"};

int LayerOf(std::string_view path) {
  const auto found = std::find(kLayers.begin(), kLayers.end(), path.substr(0, path.find('/')));
  return found == kLayers.end() ? -1 : static_cast<int>(found - kLayers.begin());
}

TEST(Layers, EveryIncludePointsDownwards) {
  const std::filesystem::path source = QUENDELMAR_SOURCE_DIR;
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(source)) {
    if (!entry.is_regular_file()) continue;
    const std::string file = std::filesystem::relative(entry.path(), source).string();
    const int layer = LayerOf(file);
    ASSERT_GE(layer, 0) << file << " lies in no layer";
    ++files;
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);) {
      if (!line.starts_with("#include \"")) continue;
      const std::string included = line.substr(10, line.find('"', 10) - 10);
      const int used = LayerOf(included);
      EXPECT_GE(used, 0) << file << " includes " << included << " from no layer";
      EXPECT_LE(used, layer) << file << " (" << kLayers[layer] << ") includes " << included;
    }
  }
  EXPECT_GT(files, 50);
}

}  // namespace
