// Looking around describes the room in full, even where a revisit is brief.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/game_harness.h"

namespace {

std::vector<std::string> After(const std::vector<std::string>& lines, const std::string& echo) {
  const auto at = std::find(lines.begin(), lines.end(), echo);
  return at == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(at + 1, lines.end());
}

TEST(LookAround, EveryFormGivesTheFullDescription) {
  for (const char* line : {"schaue", "l", "schaue dich um", "umschauen"}) {
    GameHarness h;
    h.StartUp();
    h.frontend.Line(line);
    h.Play();
    const std::vector<std::string> answer = After(h.Lines(), std::string(">") + line);
    ASSERT_GE(answer.size(), 3u) << line;
    const size_t title = answer[0] == "[Interpretiert als: Schaue dich um.]" ? 1 : 0;
    EXPECT_EQ(answer[title], "Am Waldeingang") << line;
    EXPECT_EQ(answer[title + 2], "Im Norden liegt er nun also, der Wald. Ein Baum steht neben dem anderen, und")
        << line;
    EXPECT_EQ(h.session().move_count, 1) << line;
  }
}

TEST(LookAround, AnsweredInFullWhereAWalkBackIsBrief) {
  GameHarness h;
  h.StartUp();
  for (const char* line : {"n", "s", "schaue"}) h.frontend.Line(line);
  h.Play();
  const std::vector<std::string> walked_back = After(h.Lines(), ">s");
  ASSERT_GE(walked_back.size(), 2u);
  EXPECT_EQ(walked_back[0], "Am Waldeingang");
  EXPECT_EQ(walked_back[1], "");  // the brief form of room 1 is nothing
  EXPECT_EQ(walked_back[2], ">schaue");
  const std::vector<std::string> looked = After(h.Lines(), ">schaue");
  ASSERT_GE(looked.size(), 3u);
  EXPECT_EQ(looked[2], "Im Norden liegt er nun also, der Wald. Ein Baum steht neben dem anderen, und");
}

}  // namespace
