// The hint for each later stage of the story. The puzzles that lead there do
// not answer yet, so the story is told here as changes to the session; the
// first hints, played, are in tests/transcripts/world_hints.txt.
#include "story/hints.h"

#include <gtest/gtest.h>

#include <string>

#include "world/encoding.h"

namespace {

using S = GameSession;

const std::string kKiss = "Manchmal bedarf es einiger Anläufe, jemanden zu küssen.";
const std::string kWolf = "Der Wolf will die Kugel. Also bringe sie ihm.";
const std::string kMat = "Einen wichtigen Gegenstand findest du vor dem Haus deiner Oma.";
const std::string kStand = "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen.";
const std::string kBring = "Im Moment solltest du den Schlüssel unbedingt dabeihaben!";
const std::string kDeeper = "Tiefer im Wald findest du einen wichtigen Hinweis.";
const std::string kCoin = "Du benötigst den Taler.";
const std::string kBend = "Der Biber biegt dir den Schlüssel für einen Taler gerade.";
const std::string kGoIn = "Gehe in das Haus deiner Oma.";

// One step of the story, told as what it changes, and the hint after it.
struct Step {
  void (*change)(S&);
  std::string hint;
};

const Step kStory[] = {
    {[](S& s) { s.voucher_found = 1; }, "Du warst noch nicht beim Honigstand."},
    {[](S& s) { s.visited_honey_stand = 1; }, "Den Gutschein kannst du beim Honigstand einlösen."},
    {[](S& s) { s.voucher_redeemed = 1; }, "Du warst noch nicht auf der Bienenwiese."},
    {[](S& s) { s.visited_bee_meadow = 1; },
     "Die Bienen könnten am Honig gefallen finden, sobald sie ihn wahrnehmen."},
    {[](S& s) { s.bees_at_jar = 1; }, "Du warst noch nicht beim Brunnen."},
    {[](S& s) { s.visited_well = 1; }, "Versuche, die Kugel zu nehmen. Erfülle den Wunsch des Frosches."},
    {[](S& s) { s.ball_state = 1; }, kWolf},  // taken from the well, the frog untouched
    {[](S& s) { s.ball_state = 0; }, kWolf},
    {[](S& s) { s.ball_state = 3; s.frog_state = 1; }, kKiss},
    {[](S& s) { s.frog_state = 2; }, kKiss},
    {[](S& s) { s.frog_state = 3; }, kWolf},
    {[](S& s) { s.ball_state = 5; }, "Du warst noch nicht bei den Schafen."},
    {[](S& s) { s.visited_river_bank = 1; }, "Auf der Bienenwiese wachsen nicht nur Blumen."},
    {[](S& s) { s.grass_carried = 1; }, "Das Gras könnte das Interesse der Schafe wecken."},
    {[](S& s) { s.sheep_state = 1; }, "Das Schaf läuft dir hinterher, solange du das Gras hast."},
    {[](S& s) { s.sheep_state = 5; s.wolf_gone = 1; s.grass_carried = 0; }, "Deine Oma wohnt nördlich der Brücke."},
    {[](S& s) { s.current_room = 11; }, kMat},
    {[](S& s) { s.current_room = 10; s.visited_house_front = 1; }, kMat},
    {[](S& s) { s.spare_key_found = 1; s.key_under_mat = 0; }, kStand + " Den Schlüssel solltest du dabeihaben."},
    {[](S& s) { s.key_holder = 1; }, kStand},
    {[](S& s) { s.current_room = 8; s.key_holder = 0; }, kBring},
    {[](S& s) { s.key_holder = 1; }, "Am Schlüsseldienst befindet sich eine Klingel."},
    {[](S& s) { s.bell_rung = 1; },
     "Du kannst dem Biber den Schlüssel geben, ihm den Schlüssel zeigen oder ihn nach dem Schlüssel fragen."},
    {[](S& s) { s.repair_offered = 1; }, kDeeper},
    {[](S& s) { s.current_room = 3; }, kDeeper},
    {[](S& s) { s.little_bear_seen = 1; },
     "Den letzten benötigten Gegenstand findest du in der Nähe des Honigstandes."},
    {[](S& s) { s.coin_points_given = 1; s.coin_state = 5; }, kCoin},  // in the coin return
    {[](S& s) { s.coin_state = 2; s.key_holder = 0; }, kCoin},         // stuck in the slot
    {[](S& s) { s.coin_state = 1; }, kBend + " Du solltest den Schlüssel dabeihaben."},
    {[](S& s) { s.key_holder = 1; }, kBend},
    // With the key handed over, the repair rules no longer hold back the coin hint.
    {[](S& s) { s.key_holder = 5; }, kBend + " Du solltest den Schlüssel dabeihaben."},
    {[](S& s) { s.key_holder = 1; s.key_bent = 0; s.coin_state = 99; },
     "Mit dem geradegebogenen Schlüssel kannst du die Tür am Haus deiner Oma aufschließen."},
    {[](S& s) { s.door_locked = 0; s.current_room = 12; }, kGoIn},  // even inside the house
    {[](S& s) { s.visited_bridge_approach = 0; },  // never at the bridge: whatever else happened
     "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden gehen."},
};

TEST(Hints, EachStepOfTheStoryHasItsHint) {
  S s;
  SetInitialValues(s);
  s.visited_bridge_approach = 1;
  for (size_t i = 0; i < std::size(kStory); ++i) {
    kStory[i].change(s);
    GiveHint(s);
    EXPECT_EQ(Utf8FromCp850(s.message_line), kStory[i].hint) << "step " << i;
  }
}

TEST(Hints, OnlyTheLastHintCountsALineForThePager) {
  S s;
  SetInitialValues(s);
  s.visited_bridge_approach = s.voucher_found = s.visited_honey_stand = s.voucher_redeemed = s.visited_bee_meadow = 1;
  s.bees_at_jar = s.visited_well = s.visited_river_bank = s.wolf_gone = s.visited_house_front = 1;
  s.frog_state = 3;
  s.ball_state = s.sheep_state = 5;
  s.door_locked = 0;  // unlocked, but with the key still bent
  const int before = s.lines_since_pause;
  GiveHint(s);
  EXPECT_EQ(Utf8FromCp850(s.message_line), "Es sind keine weiteren Hinweise verfügbar.");
  EXPECT_EQ(s.lines_since_pause, before + 1);
  s.door_locked = 1;
  GiveHint(s);
  EXPECT_EQ(s.lines_since_pause, before + 1);
}

}  // namespace
