// Random walks of taking, putting down and moving: after every step each
// object is in exactly one place, and that place is where a simple model of
// take and drop says it must be.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "play_helpers.h"
#include "world/movement.h"
#include "world/rooms.h"

namespace {

constexpr int kCarried = -1;

// One portable object: the word that names it and where the session keeps it.
struct Thing {
  const char* word;
  // kCarried, a room, or a location value of a thing out of play.
  int (*place)(const GameSession&);
  // Whether the session's own encoding of the object is consistent.
  bool (*consistent)(const GameSession&);
};

bool Flag(int value) { return value == 0 || value == 1; }

int FlagPlace(int carried, int room) { return carried == 1 ? kCarried : room; }

const std::array<Thing, 10> kThings = {{
    {"korb", [](const GameSession& s) { return FlagPlace(s.basket_carried, s.basket_room); },
     [](const GameSession& s) { return Flag(s.basket_carried); }},
    {"zeitung", [](const GameSession& s) { return FlagPlace(s.newspaper_carried, s.newspaper_room); },
     [](const GameSession& s) { return Flag(s.newspaper_carried); }},
    {"gutschein", [](const GameSession& s) { return FlagPlace(s.voucher_carried, s.voucher_room); },
     [](const GameSession& s) { return Flag(s.voucher_carried); }},
    {"honigglas", [](const GameSession& s) { return FlagPlace(s.honey_jar_carried, s.honey_jar_room); },
     // The lid stays screwed on: on the carried jar, or on the jar where it lies.
     [](const GameSession& s) {
       return s.honey_jar_carried == 1 ? s.honey_jar_state == 2
                                       : s.honey_jar_carried == 0 && s.honey_jar_state == 3 &&
                                             s.lid_room == s.honey_jar_room;
     }},
    {"kugel", [](const GameSession& s) { return s.ball_state == 1 ? kCarried : s.ball_room; },
     [](const GameSession& s) { return s.ball_state == 0 || s.ball_state == 1; }},
    {"blumenstrauß", [](const GameSession& s) { return FlagPlace(s.bouquet_carried, s.bouquet_room); },
     [](const GameSession& s) { return Flag(s.bouquet_carried); }},
    {"gras", [](const GameSession& s) { return FlagPlace(s.grass_carried, s.grass_room); },
     [](const GameSession& s) { return Flag(s.grass_carried); }},
    {"schlüssel", [](const GameSession& s) { return s.key_holder == 1 ? kCarried : s.key_room; },
     [](const GameSession& s) { return (s.key_holder == 0 || s.key_holder == 1) && s.key_under_mat == 0; }},
    {"regenschirm", [](const GameSession& s) { return FlagPlace(s.umbrella_carried, s.umbrella_room); },
     [](const GameSession& s) { return Flag(s.umbrella_carried); }},
    {"taler", [](const GameSession& s) { return s.coin_state == 1 ? kCarried : s.coin_room; },
     [](const GameSession& s) { return s.coin_state == 0 || s.coin_state == 1; }},
}};

bool InPlay(int place) { return place == kCarried || (place >= 1 && place <= 14); }

// The rooms the walk may enter: no wolf (room 7) and no bees at the well.
struct Direction {
  const char* typed;
  const char* canonical;
};

const std::vector<Direction> kDirections = {
    {"n", "nord"},      {"s", "süd"},       {"w", "west"},     {"o", "ost"},
    {"no", "nordost"},  {"nw", "nordwest"}, {"so", "südost"},  {"sw", "südwest"},
};

// Refused directions are tried as well; the walk keeps away from the wolf and the well.
bool WalkMayEnter(int target) { return target != 7 && target != 5; }

class ObjectConservationTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(ObjectConservationTest, EveryObjectStaysInExactlyOnePlace) {
  std::mt19937 random(GetParam());
  GameHarness h;
  h.StartUp();
  GameSession& s = h.session();
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    if (room != 12) VisitedFlag(s, room) = 1;  // brief descriptions: the pager never waits
  }

  // Every object in play and lying about, the jar closed; two of them lost.
  s.voucher_found = 1;
  s.voucher_room = 3;
  s.voucher_redeemed = 1;
  s.honey_jar_room = 6;
  s.honey_jar_state = 3;
  s.lid_room = 6;
  s.frog_state = 3;
  s.ball_state = 0;
  s.ball_room = 13;
  s.bouquet_picked = 1;
  s.bouquet_room = 4;
  s.spare_key_found = 1;
  s.key_under_mat = 0;
  s.key_room = 2;
  s.umbrella_room = 1;
  s.coin_room = 6;
  s.grass_room = 0;
  if (GetParam() % 2 == 1) {
    s.newspaper_room = 20;
    s.coin_room = 20;
  }

  std::array<int, kThings.size()> model{};
  for (size_t i = 0; i < kThings.size(); ++i) model[i] = kThings[i].place(s);

  // Grass grows in the meadow and on the clearing, so it can be taken there.
  const auto visible = [&](size_t i) {
    const int room = s.current_room;
    if (model[i] == kCarried || model[i] == room) return true;
    return std::string(kThings[i].word) == "gras" && (room == 4 || room == 13);
  };

  for (int step = 0; step < 80; ++step) {
    const int kind = std::uniform_int_distribution<int>(0, 5)(random);
    const size_t thing = std::uniform_int_distribution<size_t>(0, kThings.size() - 1)(random);
    const int room = s.current_room;
    std::string line;
    int moves = s.move_count;

    if (kind == 0 || kind == 1) {
      line = std::string("nimm ") + kThings[thing].word;
      if (visible(thing)) {
        ++moves;
        model[thing] = kCarried;
      }
    } else if (kind == 2) {
      line = std::string("lege ") + kThings[thing].word + " hin";
      if (visible(thing)) ++moves;
      if (model[thing] == kCarried) model[thing] = room;
    } else if (kind == 3) {
      line = "nimm alles";
      ++moves;
      for (int& place : model) {
        if (place == room) place = kCarried;
      }
    } else if (kind == 4) {
      line = "lege alles hin";
      ++moves;
      for (int& place : model) {
        if (place == kCarried) place = room;
      }
    } else {
      const Direction* direction = nullptr;
      do {
        direction = &kDirections[std::uniform_int_distribution<size_t>(0, kDirections.size() - 1)(random)];
      } while (!WalkMayEnter(ExitTarget(room, Cp850(direction->canonical))));
      line = direction->typed;
      ++moves;
    }

    h.frontend.Line(line);
    h.Play();

    SCOPED_TRACE("seed " + std::to_string(GetParam()) + ", step " + std::to_string(step) + ": " + line +
                 " in room " + std::to_string(room));
    EXPECT_EQ(s.move_count, moves);
    for (size_t i = 0; i < kThings.size(); ++i) {
      const int place = kThings[i].place(s);
      EXPECT_TRUE(kThings[i].consistent(s)) << kThings[i].word;
      EXPECT_EQ(place, model[i]) << kThings[i].word;
      EXPECT_TRUE(InPlay(place) || place == 0 || place == 20) << kThings[i].word << " at " << place;
    }
    if (::testing::Test::HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ObjectConservationTest, ::testing::Range(1u, 13u));

}  // namespace
