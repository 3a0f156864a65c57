// The score and move reports and the notice switch, typed in the running
// game, and how the switch governs the notices of AwardPoints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_harness.h"
#include "world/score.h"

namespace {

using Rows = std::vector<std::string>;

class ScoreCommandTest : public ::testing::Test {
 protected:
  ScoreCommandTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
  }
  Rows Play(const Rows& lines) { return h.PlayLines(lines); }
  Rows NonEmptyFrom(size_t before) const {
    Rows out;
    for (size_t i = before; i < h.Lines().size(); ++i) {
      if (!h.Lines()[i].empty()) out.push_back(h.Lines()[i]);
    }
    return out;
  }
  // An award as the game gives it: the flag is the caller's business.
  void Award(int points) {
    // After a run the line editor has parked the cursor; go on below the text.
    h.console.SetCursor(h.console.TextRow(), 1);
    h.session().score_award = points;
    AwardPoints(h.session(), h.console);
    h.frontend.Flush(h.console);
  }

  GameHarness h;
};

TEST_F(ScoreCommandTest, ScoreReportsThePointsOutOfThirty) {
  EXPECT_EQ(Play({"punkte"}), (Rows{">punkte", "Du hast 0 von 30 Punkten erreicht."}));
}

TEST_F(ScoreCommandTest, ScoreReportsTwoDigitsAndCostsNoMove) {
  h.session().score = 12;
  h.session().move_count = 7;
  EXPECT_EQ(Play({"score", "punkte"}), (Rows{">score", "Du hast 12 von 30 Punkten erreicht.", ">punkte",
                                              "Du hast 12 von 30 Punkten erreicht."}));
  EXPECT_EQ(h.session().move_count, 7);
}

TEST_F(ScoreCommandTest, MovesReportUsesTheSingularForOne) {
  EXPECT_EQ(Play({"züge", "warte", "züge", "warte", "züge"}),
            (Rows{">züge", "Du hast bisher 0 Züge benötigt.", ">warte",
                  "Du wartest einen Moment. Alles bleibt wie es war.", ">züge", "Du hast bisher 1 Zug benötigt.",
                  ">warte", "Du wartest einen Moment. Alles bleibt wie es war.", ">züge",
                  "Du hast bisher 2 Züge benötigt."}));
  EXPECT_EQ(h.session().move_count, 2);
}

TEST_F(ScoreCommandTest, MovesReportCountsLargeNumbers) {
  h.session().move_count = 1234;
  EXPECT_EQ(Play({"zuege"}), (Rows{">zuege", "Du hast bisher 1234 Züge benötigt."}));
  EXPECT_EQ(h.session().move_count, 1234);
}

TEST_F(ScoreCommandTest, NoticeSwitchTogglesAndCostsNoMove) {
  EXPECT_EQ(Play({"meldung", "meldung", "meldung"}),
            (Rows{">meldung", "(Keine Benachrichtigungen bei Punktestandsänderungen).", ">meldung",
                  "(Benachrichtigungen bei Punktestandsänderungen).", ">meldung",
                  "(Keine Benachrichtigungen bei Punktestandsänderungen)."}));
  EXPECT_EQ(h.session().score_notices_on, 0);
  EXPECT_EQ(h.session().notice_hint_shown, 1);
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(ScoreCommandTest, SilentAwardsStillCountForTheScore) {
  Play({"meldung"});
  ASSERT_EQ(h.session().score_notices_on, 0);
  const size_t before = h.Lines().size();
  Award(4);
  EXPECT_EQ(NonEmptyFrom(before), Rows{});
  EXPECT_EQ(h.session().score, 4);
}

TEST_F(ScoreCommandTest, AfterTheSwitchWasUsedTheHintLineNeverReturns) {
  Play({"meldung", "meldung"});
  ASSERT_EQ(h.session().score_notices_on, 1);
  const size_t before = h.Lines().size();
  Award(3);
  // Below the prompt that was waiting: the notice alone, no hint line.
  EXPECT_EQ(NonEmptyFrom(before), (Rows{">", "[Deine Punktzahl hat sich um 3 Punkte erhöht.]"}));
  EXPECT_EQ(h.session().score, 3);
}

TEST_F(ScoreCommandTest, TheFirstAwardExplainsTheSwitchAndTheSecondDoesNot) {
  size_t before = h.Lines().size();
  Award(4);
  EXPECT_EQ(NonEmptyFrom(before), (Rows{"[Deine Punktzahl hat sich um 4 Punkte erhöht.]",
                                        "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]"}));
  before = h.Lines().size();
  Award(2);
  EXPECT_EQ(NonEmptyFrom(before), (Rows{"[Deine Punktzahl hat sich um 2 Punkte erhöht.]"}));
  EXPECT_EQ(h.session().score, 6);
}

// The wolf grabbing the ball lying before him is a real award at the top of
// a turn; the report of the same turn has the new total.
TEST_F(ScoreCommandTest, ScoreReportFollowsAnAwardInTheGame) {
  GameSession& s = h.session();
  s.current_room = 7;
  s.ball_state = 0;
  s.ball_room = 7;
  s.first_prompt_done = 1;  // the start-up's first prompt would move up over the notice
  const Rows rows = Play({"punkte"});
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[rows.size() - 2], ">punkte");
  EXPECT_EQ(rows.back(), "Du hast 4 von 30 Punkten erreicht.");
}

}  // namespace
