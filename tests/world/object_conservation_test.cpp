// Random walks of taking, putting down and moving: after every step each
// object is in exactly one place, the one a simple model of take and drop
// says, and the moves are counted as the model counts them.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "support/game_harness.h"
#include "world/rooms.h"

namespace {

using S = GameSession;
constexpr int kCarried = -1;
constexpr int kBroken = -2;  // the session's own encoding of the object does not hold together

int Place(int carried, int room) { return carried == 1 ? kCarried : carried == 0 ? room : kBroken; }
// The lid stays screwed on: on the carried jar, or on the jar where it lies.
int JarPlace(const S& s) {
  const bool closed = s.honey_jar_state == (s.honey_jar_carried == 1 ? 2 : 3);
  const bool lid_on = s.honey_jar_carried == 1 || s.lid_room == s.honey_jar_room;
  return closed && lid_on ? Place(s.honey_jar_carried, s.honey_jar_room) : kBroken;
}

const char* const kWords[] = {"korb", "zeitung",   "gutschein", "honigglas",   "kugel",
                              "gras", "schlüssel", "taler",     "regenschirm", "blumenstrauß"};
std::array<int, 10> Places(const S& s) {
  return {Place(s.basket_carried, s.basket_room), Place(s.newspaper_carried, s.newspaper_room),
          Place(s.voucher_carried, s.voucher_room), JarPlace(s), Place(s.ball_state, s.ball_room),
          Place(s.grass_carried, s.grass_room), s.key_under_mat ? kBroken : Place(s.key_holder, s.key_room),
          Place(s.coin_state, s.coin_room), Place(s.umbrella_carried, s.umbrella_room),
          Place(s.bouquet_carried, s.bouquet_room)};
}
constexpr int kGrass = 5;

const char* const kDirections[] = {"n", "s", "w", "o", "no", "nw", "so", "sw"};
const char* const kCanonical[] = {"nord", "süd", "west", "ost", "nordost", "nordwest", "südost", "südwest"};

class ObjectConservationTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(ObjectConservationTest, EveryObjectStaysInExactlyOnePlace) {
  std::mt19937 random(GetParam());
  const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
  GameHarness h;
  h.frontend.set_shows_pages(false);
  h.StartUp();
  S& s = h.session();
  // Every object in play and lying about, the closed jar at the girl's feet; on odd seeds two of them lost for
  // good.
  s.voucher_found = s.voucher_redeemed = s.bouquet_picked = s.spare_key_found = 1;
  s.key_under_mat = s.ball_state = 0;
  s.frog_state = s.honey_jar_state = 3;
  s.voucher_room = 3;
  s.honey_jar_room = s.lid_room = s.umbrella_room = 1;
  s.coin_room = 6;
  s.ball_room = 13;
  s.bouquet_room = 4;
  s.key_room = 2;
  if (GetParam() % 2 == 1) s.newspaper_room = s.coin_room = 20;

  std::array<int, 10> model = Places(s);
  for (int step = 0; step < 80; ++step) {
    const int kind = pick(6);
    const int thing = pick(10);
    const int room = s.current_room;
    // Grass grows in the meadow and on the clearing, so it can be taken there.
    const bool grows = thing == kGrass && (room == 4 || room == 13);
    const bool here = model[thing] == kCarried || model[thing] == room || grows;
    int moves = s.move_count + 1;
    std::string line;
    if (kind <= 1) {
      line = std::string("nimm ") + kWords[thing];
      if (here) model[thing] = kCarried;
      if (!here) --moves;
    } else if (kind == 2) {
      line = std::string("lege ") + kWords[thing] + " hin";
      if (model[thing] == kCarried) model[thing] = room;
      if (!here) --moves;
    } else if (kind <= 4) {
      line = kind == 3 ? "nimm alles" : "lege alles hin";
      for (int& place : model) {
        if (place == (kind == 3 ? room : kCarried)) place = kind == 3 ? kCarried : room;
      }
    } else {
      int d = pick(8);  // refused directions too, but away from the wolf and the well
      while (ExitTarget(room, Cp850(kCanonical[d])) == 7 || ExitTarget(room, Cp850(kCanonical[d])) == 5) d = pick(8);
      line = kDirections[d];
    }
    h.frontend.Line(line);
    h.Play();

    SCOPED_TRACE("seed " + std::to_string(GetParam()) + ", step " + std::to_string(step) + ": " + line + " in room " +
                 std::to_string(room));
    EXPECT_EQ(s.move_count, moves);
    EXPECT_EQ(Places(s), model);
    if (::testing::Test::HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ObjectConservationTest, ::testing::Range(1u, 13u));

}  // namespace
