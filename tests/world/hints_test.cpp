// Every rule of the hint list, asked for in the running game.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/game_harness.h"
#include "world/hints.h"

namespace {

using StateSetup = std::function<void(GameSession&)>;

// The answer to a hint request in a new game set up by `setup`, as one text
// (wrapped rows joined again), and the moves it cost.
struct Answer {
  std::string text;
  int moves = 0;
};

Answer AskFor(const StateSetup& setup, const std::string& request = "hilfe") {
  GameHarness h;
  h.StartUp();
  h.frontend.Flush(h.console);
  setup(h.session());
  const GameSession before = h.session();
  h.frontend.Line(request);
  const size_t first = h.Lines().size();
  h.Play();
  Answer answer;
  bool echo_seen = false;
  for (size_t i = first; i < h.Lines().size(); ++i) {
    const std::string& row = h.Lines()[i];
    if (row.empty()) continue;
    if (!echo_seen) {
      EXPECT_EQ(row, ">" + request);
      echo_seen = true;
      continue;
    }
    answer.text += (answer.text.empty() ? "" : " ") + row;
  }
  answer.moves = h.session().move_count - before.move_count;
  return answer;
}

// How far the story has come. Each stage includes the ones before it, so the
// rules before the one under test no longer apply.
enum Stage {
  kStart, kPastTheBridge, kVoucherFound, kHoneyStandSeen, kVoucherRedeemed, kMeadowSeen, kBeesAtJar, kWellSeen,
  kWolfHasBall, kSheepSeen, kWolfGone, kHouseSeen, kKeyFound
};

void Reach(GameSession& s, Stage stage) {
  if (stage >= kPastTheBridge) s.visited_bridge_approach = 1;
  if (stage >= kVoucherFound) s.voucher_found = 1;
  if (stage >= kHoneyStandSeen) s.visited_honey_stand = 1;
  if (stage >= kVoucherRedeemed) s.voucher_redeemed = 1;
  if (stage >= kMeadowSeen) s.visited_bee_meadow = 1;
  if (stage >= kBeesAtJar) s.bees_at_jar = 1;
  if (stage >= kWellSeen) s.visited_well = 1;
  if (stage >= kWolfHasBall) {
    s.frog_state = 3;
    s.ball_state = 5;
  }
  if (stage >= kSheepSeen) s.visited_river_bank = 1;
  if (stage >= kWolfGone) {
    s.sheep_state = 5;
    s.wolf_gone = 1;
  }
  if (stage >= kHouseSeen) s.visited_house_front = 1;
  if (stage >= kKeyFound) {
    s.spare_key_found = 1;
    s.key_under_mat = 0;
  }
}

// `stage` reached, then `more` changed on top of it.
StateSetup At(Stage stage, const StateSetup& more = [](GameSession&) {}) {
  return [=](GameSession& s) {
    Reach(s, stage);
    more(s);
  };
}

struct HintCase {
  const char* label;
  StateSetup setup;
  std::string hint;
};

void ExpectHints(const std::vector<HintCase>& cases) {
  for (const HintCase& c : cases) EXPECT_EQ(AskFor(c.setup).text, c.hint) << c.label;
}

TEST(Hints, RuleOneAtTheStartWhateverElseHappened) {
  const std::string first = "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden gehen.";
  ExpectHints({{"new game", At(kStart), first},
               {"all but the bridge", At(kKeyFound, [](GameSession& s) { s.visited_bridge_approach = 0; }), first}});
}

TEST(Hints, EverySynonymAsksAndNoneCostsAMove) {
  for (const char* request : {"hilfe", "help", "hint", "hints", "tip", "tipp"}) {
    const Answer answer = AskFor(At(kPastTheBridge), request);
    EXPECT_EQ(answer.text, "Einen wichtigen Gegenstand findest du in der Zeitung.") << request;
    EXPECT_EQ(answer.moves, 0) << request;
  }
}

TEST(Hints, TheHoneyAndTheBees) {
  ExpectHints({
      {"voucher found", At(kVoucherFound), "Du warst noch nicht beim Honigstand."},
      {"honey stand seen", At(kHoneyStandSeen), "Den Gutschein kannst du beim Honigstand einlösen."},
      {"voucher redeemed", At(kVoucherRedeemed), "Du warst noch nicht auf der Bienenwiese."},
      {"meadow seen", At(kMeadowSeen), "Die Bienen könnten am Honig gefallen finden, sobald sie ihn wahrnehmen."},
      {"bees at the jar", At(kBeesAtJar), "Du warst noch nicht beim Brunnen."},
  });
}

TEST(Hints, TheFrogAndTheBall) {
  const auto frog = [](int kisses) { return At(kWellSeen, [=](GameSession& s) { s.frog_state = kisses; }); };
  // The ball taken from the well but not yet the wolf's, the frog untouched.
  const auto ball = [](int state) {
    return At(kWellSeen, [=](GameSession& s) {
      s.ball_state = state;
      s.ball_room = 5;
    });
  };
  const std::string kiss = "Manchmal bedarf es einiger Anläufe, jemanden zu küssen.";
  const std::string wolf = "Der Wolf will die Kugel. Also bringe sie ihm.";
  ExpectHints({
      {"well seen", At(kWellSeen), "Versuche, die Kugel zu nehmen. Erfülle den Wunsch des Frosches."},
      {"one kiss", frog(1), kiss},
      {"two kisses", frog(2), kiss},
      {"ball lying", ball(0), wolf},
      {"ball carried", ball(1), wolf},
      {"frog a toad", frog(3), wolf},
  });
}

TEST(Hints, TheSheep) {
  ExpectHints({
      {"wolf has the ball", At(kWolfHasBall), "Du warst noch nicht bei den Schafen."},
      {"sheep seen", At(kSheepSeen), "Auf der Bienenwiese wachsen nicht nur Blumen."},
      {"grass carried", At(kSheepSeen, [](GameSession& s) { s.grass_carried = 1; }),
       "Das Gras könnte das Interesse der Schafe wecken."},
      {"sheep following", At(kSheepSeen,
                             [](GameSession& s) {
                               s.grass_carried = 1;
                               s.sheep_state = 1;
                               s.sheep_room = 1;
                             }),
       "Das Schaf läuft dir hinterher, solange du das Gras hast."},
  });
}

TEST(Hints, TheWayToGrandmasHouse) {
  // Standing before the house, or having been there, the key rule speaks.
  const std::string key_hint = "Einen wichtigen Gegenstand findest du vor dem Haus deiner Oma.";
  ExpectHints({
      {"wolf gone", At(kWolfGone), "Deine Oma wohnt nördlich der Brücke."},
      {"before the house", At(kWolfGone, [](GameSession& s) { s.current_room = 11; }), key_hint},
      {"house seen", At(kHouseSeen), key_hint},
  });
}

TEST(Hints, TheBentKey) {
  const auto at_stand = [](int key_holder, int bell_rung) {
    return At(kKeyFound, [=](GameSession& s) {
      s.current_room = 8;
      s.key_holder = key_holder;
      s.bell_rung = bell_rung;
      s.beaver_present = bell_rung;
    });
  };
  const std::string bring_key = "Im Moment solltest du den Schlüssel unbedingt dabeihaben!";
  ExpectHints({
      {"away, key left behind", At(kKeyFound),
       "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen. Den Schlüssel "
       "solltest du dabeihaben."},
      {"away, key carried", At(kKeyFound, [](GameSession& s) { s.key_holder = 1; }),
       "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen."},
      {"at the stand without key", at_stand(0, 0), bring_key},
      {"rung without key", at_stand(0, 1), bring_key},
      {"with key, not rung", at_stand(1, 0), "Am Schlüsseldienst befindet sich eine Klingel."},
      {"with key, rung", at_stand(1, 1),
       "Du kannst dem Biber den Schlüssel geben, ihm den Schlüssel zeigen oder ihn nach dem Schlüssel fragen."},
  });
}

TEST(Hints, TheRepairOffered) {
  const auto offered = [](int room, int little_bear_seen) {
    return At(kKeyFound, [=](GameSession& s) {
      s.current_room = room;
      s.bell_rung = 1;
      s.repair_offered = 1;
      s.key_holder = 1;
      s.little_bear_seen = little_bear_seen;
    });
  };
  const std::string deeper = "Tiefer im Wald findest du einen wichtigen Hinweis.";
  ExpectHints({
      {"at the stand", offered(8, 0), deeper},
      {"on the path", offered(2, 0), deeper},
      {"little bear seen", offered(2, 1),
       "Den letzten benötigten Gegenstand findest du in der Nähe des Honigstandes."},
  });
}

TEST(Hints, TheCoin) {
  const auto coin_out = [](int coin_state, int key_holder) {
    return At(kKeyFound, [=](GameSession& s) {
      s.current_room = 6;
      s.bell_rung = 1;
      s.repair_offered = 1;
      s.little_bear_seen = 1;
      s.coin_points_given = 1;
      s.coin_returned = 1;
      s.coin_state = coin_state;
      s.coin_room = 6;
      s.key_holder = key_holder;
    });
  };
  const std::string need = "Du benötigst den Taler.";
  const std::string bend = "Der Biber biegt dir den Schlüssel für einen Taler gerade.";
  const std::string bend_bring = bend + " Du solltest den Schlüssel dabeihaben.";
  ExpectHints({
      {"coin in the return", coin_out(5, 1), need},
      {"coin lying", coin_out(0, 1), need},
      {"coin stuck", coin_out(2, 0), need},
      {"coin and key carried", coin_out(1, 1), bend},
      {"key left behind", coin_out(1, 0), bend_bring},
      // With the key handed over, the repair rules no longer hold back the coin hint.
      {"key with the beaver", coin_out(1, 5), bend_bring},
  });
}

TEST(Hints, TheDoorAndTheHouse) {
  const auto straight = [](int door_locked, int room) {
    return At(kKeyFound, [=](GameSession& s) {
      s.key_bent = 0;
      s.key_holder = 1;
      s.coin_state = 99;
      s.coin_points_given = 1;
      s.repair_offered = 1;
      s.door_locked = door_locked;
      s.current_room = room;
    });
  };
  ExpectHints({
      {"door locked", straight(1, 8),
       "Mit dem geradegebogenen Schlüssel kannst du die Tür am Haus deiner Oma aufschließen."},
      {"before the open house", straight(0, 11), "Gehe in das Haus deiner Oma."},
      {"in the house", straight(0, 12), "Gehe in das Haus deiner Oma."},
  });
}

TEST(Hints, NoMoreHintsCountsALine) {
  const StateSetup unlocked_but_bent = At(kHouseSeen, [](GameSession& s) { s.door_locked = 0; });
  EXPECT_EQ(AskFor(unlocked_but_bent).text, "Es sind keine weiteren Hinweise verfügbar.");
  GameSession s;
  SetInitialValues(s);
  unlocked_but_bent(s);
  s.lines_since_pause = 3;
  EXPECT_EQ(GiveHint(s), TurnEnd::kEndOfTurn);
  EXPECT_EQ(s.lines_since_pause, 4);
  EXPECT_EQ(s.message_line, Cp850("Es sind keine weiteren Hinweise verfügbar."));
  // Any other hint leaves the pager alone.
  Reach(s, kPastTheBridge);
  s.door_locked = 1;
  GiveHint(s);
  EXPECT_EQ(s.lines_since_pause, 4);
}

TEST(Hints, AskingAgainGivesTheSameHint) {
  GameSession s;
  SetInitialValues(s);
  Reach(s, kVoucherFound);
  const std::string first = HintFor(s);
  EXPECT_EQ(HintFor(s), first);
  EXPECT_EQ(first, Cp850("Du warst noch nicht beim Honigstand."));
}

}  // namespace
