// What a hint tells the pager; the hints themselves are played in the
// transcripts of the story.
#include "story/hints.h"

#include <gtest/gtest.h>

#include "world/encoding.h"

namespace {

// "No more hints" counts a line of its own; every other hint only its answer.
TEST(Hints, OnlyTheLastHintCountsALineForThePager) {
  GameSession s;
  SetInitialValues(s);
  s.visited_bridge_approach = s.voucher_found = s.visited_honey_stand = s.voucher_redeemed = s.visited_bee_meadow = 1;
  s.bees_at_jar = s.visited_well = s.visited_river_bank = s.wolf_gone = s.visited_house_front = 1;
  s.frog_state = 3;
  s.ball_state = s.sheep_state = 5;
  s.door_locked = 0;  // unlocked with the key still bent: a state play never reaches
  const int before = s.lines_since_pause;
  GiveHint(s);
  EXPECT_EQ(Utf8FromCp850(s.message_line), "Es sind keine weiteren Hinweise verfügbar.");
  EXPECT_EQ(s.lines_since_pause, before + 1);
  s.door_locked = 1;
  GiveHint(s);
  EXPECT_EQ(s.lines_since_pause, before + 1);
}

}  // namespace
