// The second-stage checks in the running game: typed lines through the whole
// parser, their answers and the move counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

class SecondStageGameTest : public ::testing::Test {
 protected:
  SecondStageGameTest() { h.StartUp(); }

  // Types the lines and plays until the script is used up; returns the
  // non-empty rows from the first echoed command on.
  std::vector<std::string> Play(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) h.frontend.Line(line);
    const size_t before = h.Lines().size();
    h.Play();
    std::vector<std::string> out;
    for (size_t i = before; i < h.Lines().size(); ++i) {
      const std::string& row = h.Lines()[i];
      if (out.empty() && row.rfind(">", 0) != 0) continue;  // the room shown before the first prompt
      if (!row.empty()) out.push_back(row);
    }
    return out;
  }

  GameHarness h;
};

TEST_F(SecondStageGameTest, AnAnswerWithoutVerbIsCompletedWithTheVerbOfTheQuestion) {
  const auto rows = Play({"nimm", "korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm", "[Was willst du nehmen?]", ">korb"}));
  EXPECT_EQ(h.session().move_count, 1);
  EXPECT_TRUE(h.session().context_verb.empty());
}

TEST_F(SecondStageGameTest, ALaterSentenceWithoutVerbTakesTheVerbOfTheFirst) {
  const auto rows = Play({"nimm korb und zeitung"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm korb und zeitung", "Du siehst hier keine Zeitung."}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(SecondStageGameTest, RefusalsCountNoMove) {
  const auto rows = Play({"nimm den goldenen korb", "nimm kugel", "gehe"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm den goldenen korb", "Du siehst hier keinen goldenen Korb.",
                                            ">nimm kugel", "Du siehst hier keine Kugel.", ">gehe",
                                            "[Wohin willst du gehen?]"}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SecondStageGameTest, SittingDownWithoutObjectShowsWhatIsMeant) {
  const auto rows = Play({"setze"});
  EXPECT_EQ(rows, (std::vector<std::string>{">setze", "(setze dich)"}));
}

TEST_F(SecondStageGameTest, AnIntangibleThingCountsTheMoveAndDropsTheRestOfTheLine) {
  const auto rows = Play({"nimm den wind und nimm die sonne"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm den wind und nimm die sonne",
                                            "Das ist mit dem Wind nicht möglich."}));
  EXPECT_EQ(h.session().move_count, 1);
}

}  // namespace
