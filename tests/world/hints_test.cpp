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
  int lines_since_pause = 0;
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
  answer.lines_since_pause = h.session().lines_since_pause;
  return answer;
}

std::string HintIn(const StateSetup& setup) { return AskFor(setup).text; }

// States in which the rules before a given one no longer apply.
void PastTheBridge(GameSession& s) { s.visited_bridge_approach = 1; }
void VoucherFound(GameSession& s) {
  PastTheBridge(s);
  s.voucher_found = 1;
}
void HoneyStandSeen(GameSession& s) {
  VoucherFound(s);
  s.visited_honey_stand = 1;
}
void VoucherRedeemed(GameSession& s) {
  HoneyStandSeen(s);
  s.voucher_redeemed = 1;
}
void MeadowSeen(GameSession& s) {
  VoucherRedeemed(s);
  s.visited_bee_meadow = 1;
}
void BeesAtJar(GameSession& s) {
  MeadowSeen(s);
  s.bees_at_jar = 1;
}
void WellSeen(GameSession& s) {
  BeesAtJar(s);
  s.visited_well = 1;
}
void WolfHasBall(GameSession& s) {
  WellSeen(s);
  s.frog_state = 3;
  s.ball_state = 5;
}
void SheepSeen(GameSession& s) {
  WolfHasBall(s);
  s.visited_river_bank = 1;
}
void WolfGone(GameSession& s) {
  SheepSeen(s);
  s.sheep_state = 5;
  s.wolf_gone = 1;
}
void HouseSeen(GameSession& s) {
  WolfGone(s);
  s.visited_house_front = 1;
}
void KeyFound(GameSession& s) {
  HouseSeen(s);
  s.spare_key_found = 1;
  s.key_under_mat = 0;
}

TEST(Hints, RuleOneAtTheStartWhateverElseHappened) {
  const std::string first = "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden gehen.";
  EXPECT_EQ(HintIn([](GameSession&) {}), first);
  EXPECT_EQ(HintIn([](GameSession& s) {
              KeyFound(s);
              s.visited_bridge_approach = 0;
            }),
            first);
}

TEST(Hints, EverySynonymAsksAndNoneCostsAMove) {
  for (const char* request : {"hilfe", "help", "hint", "hints", "tip", "tipp"}) {
    SCOPED_TRACE(request);
    const Answer answer = AskFor(PastTheBridge, request);
    EXPECT_EQ(answer.text, "Einen wichtigen Gegenstand findest du in der Zeitung.");
    EXPECT_EQ(answer.moves, 0);
  }
}

TEST(Hints, TheHoneyAndTheBees) {
  EXPECT_EQ(HintIn(PastTheBridge), "Einen wichtigen Gegenstand findest du in der Zeitung.");
  EXPECT_EQ(HintIn(VoucherFound), "Du warst noch nicht beim Honigstand.");
  EXPECT_EQ(HintIn(HoneyStandSeen), "Den Gutschein kannst du beim Honigstand einlösen.");
  EXPECT_EQ(HintIn(VoucherRedeemed), "Du warst noch nicht auf der Bienenwiese.");
  EXPECT_EQ(HintIn(MeadowSeen), "Die Bienen könnten am Honig gefallen finden, sobald sie ihn wahrnehmen.");
  EXPECT_EQ(HintIn(BeesAtJar), "Du warst noch nicht beim Brunnen.");
}

TEST(Hints, TheFrogAndTheBall) {
  EXPECT_EQ(HintIn(WellSeen), "Versuche, die Kugel zu nehmen. Erfülle den Wunsch des Frosches.");
  for (int kisses : {1, 2}) {
    EXPECT_EQ(HintIn([kisses](GameSession& s) {
                WellSeen(s);
                s.frog_state = kisses;
              }),
              "Manchmal bedarf es einiger Anläufe, jemanden zu küssen.");
  }
  // The ball taken from the well but not yet the wolf's, the frog untouched.
  for (int ball : {0, 1}) {
    EXPECT_EQ(HintIn([ball](GameSession& s) {
                WellSeen(s);
                s.ball_state = ball;
                s.ball_room = 5;
              }),
              "Der Wolf will die Kugel. Also bringe sie ihm.");
  }
  EXPECT_EQ(HintIn([](GameSession& s) {
              WellSeen(s);
              s.frog_state = 3;
            }),
            "Der Wolf will die Kugel. Also bringe sie ihm.");
}

TEST(Hints, TheSheep) {
  EXPECT_EQ(HintIn(WolfHasBall), "Du warst noch nicht bei den Schafen.");
  EXPECT_EQ(HintIn(SheepSeen), "Auf der Bienenwiese wachsen nicht nur Blumen.");
  EXPECT_EQ(HintIn([](GameSession& s) {
              SheepSeen(s);
              s.grass_carried = 1;
            }),
            "Das Gras könnte das Interesse der Schafe wecken.");
  EXPECT_EQ(HintIn([](GameSession& s) {
              SheepSeen(s);
              s.grass_carried = 1;
              s.sheep_state = 1;
              s.sheep_room = 1;
            }),
            "Das Schaf läuft dir hinterher, solange du das Gras hast.");
}

TEST(Hints, TheWayToGrandmasHouse) {
  EXPECT_EQ(HintIn(WolfGone), "Deine Oma wohnt nördlich der Brücke.");
  // Standing before the house, or having been there, the next rule speaks.
  const std::string key_hint = "Einen wichtigen Gegenstand findest du vor dem Haus deiner Oma.";
  EXPECT_EQ(HintIn([](GameSession& s) {
              WolfGone(s);
              s.current_room = 11;
            }),
            key_hint);
  EXPECT_EQ(HintIn(HouseSeen), key_hint);
}

TEST(Hints, TheBentKeyAwayFromTheLocksmith) {
  EXPECT_EQ(HintIn(KeyFound),
            "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen. Den Schlüssel "
            "solltest du dabeihaben.");
  EXPECT_EQ(HintIn([](GameSession& s) {
              KeyFound(s);
              s.key_holder = 1;
            }),
            "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen.");
}

TEST(Hints, TheBentKeyAtTheLocksmith) {
  const auto at_stand = [](int key_holder, int bell_rung) {
    return [=](GameSession& s) {
      KeyFound(s);
      s.current_room = 8;
      s.key_holder = key_holder;
      s.bell_rung = bell_rung;
      s.beaver_present = bell_rung;
    };
  };
  EXPECT_EQ(HintIn(at_stand(0, 0)), "Im Moment solltest du den Schlüssel unbedingt dabeihaben!");
  EXPECT_EQ(HintIn(at_stand(0, 1)), "Im Moment solltest du den Schlüssel unbedingt dabeihaben!");
  EXPECT_EQ(HintIn(at_stand(1, 0)), "Am Schlüsseldienst befindet sich eine Klingel.");
  EXPECT_EQ(HintIn(at_stand(1, 1)),
            "Du kannst dem Biber den Schlüssel geben, ihm den Schlüssel zeigen oder ihn nach dem Schlüssel fragen.");
}

TEST(Hints, TheRepairOffered) {
  const auto offered = [](int room, int little_bear_seen) {
    return [=](GameSession& s) {
      KeyFound(s);
      s.current_room = room;
      s.bell_rung = 1;
      s.repair_offered = 1;
      s.key_holder = 1;
      s.little_bear_seen = little_bear_seen;
    };
  };
  EXPECT_EQ(HintIn(offered(8, 0)), "Tiefer im Wald findest du einen wichtigen Hinweis.");
  EXPECT_EQ(HintIn(offered(2, 0)), "Tiefer im Wald findest du einen wichtigen Hinweis.");
  EXPECT_EQ(HintIn(offered(2, 1)), "Den letzten benötigten Gegenstand findest du in der Nähe des Honigstandes.");
}

TEST(Hints, TheCoin) {
  const auto coin_out = [](int coin_state, int key_holder) {
    return [=](GameSession& s) {
      KeyFound(s);
      s.current_room = 6;
      s.bell_rung = 1;
      s.repair_offered = 1;
      s.little_bear_seen = 1;
      s.coin_points_given = 1;
      s.coin_returned = 1;
      s.coin_state = coin_state;
      s.coin_room = 6;
      s.key_holder = key_holder;
    };
  };
  EXPECT_EQ(HintIn(coin_out(5, 1)), "Du benötigst den Taler.");
  EXPECT_EQ(HintIn(coin_out(0, 1)), "Du benötigst den Taler.");
  EXPECT_EQ(HintIn(coin_out(2, 0)), "Du benötigst den Taler.");
  EXPECT_EQ(HintIn(coin_out(1, 1)), "Der Biber biegt dir den Schlüssel für einen Taler gerade.");
  EXPECT_EQ(HintIn(coin_out(1, 0)),
            "Der Biber biegt dir den Schlüssel für einen Taler gerade. Du solltest den Schlüssel dabeihaben.");
  // With the key handed over, the repair rules no longer hold back the coin hint.
  EXPECT_EQ(HintIn(coin_out(1, 5)),
            "Der Biber biegt dir den Schlüssel für einen Taler gerade. Du solltest den Schlüssel dabeihaben.");
}

TEST(Hints, TheDoorAndTheHouse) {
  const auto straight = [](int door_locked, int room) {
    return [=](GameSession& s) {
      KeyFound(s);
      s.key_bent = 0;
      s.key_holder = 1;
      s.coin_state = 99;
      s.coin_points_given = 1;
      s.repair_offered = 1;
      s.door_locked = door_locked;
      s.current_room = room;
    };
  };
  EXPECT_EQ(HintIn(straight(1, 8)),
            "Mit dem geradegebogenen Schlüssel kannst du die Tür am Haus deiner Oma aufschließen.");
  EXPECT_EQ(HintIn(straight(0, 11)), "Gehe in das Haus deiner Oma.");
  EXPECT_EQ(HintIn(straight(0, 12)), "Gehe in das Haus deiner Oma.");
}

TEST(Hints, NoMoreHintsCountsALine) {
  const StateSetup unlocked_but_bent = [](GameSession& s) {
    HouseSeen(s);
    s.door_locked = 0;
  };
  const Answer answer = AskFor(unlocked_but_bent);
  EXPECT_EQ(answer.text, "Es sind keine weiteren Hinweise verfügbar.");
  GameSession s;
  SetInitialValues(s);
  unlocked_but_bent(s);
  s.lines_since_pause = 3;
  EXPECT_EQ(GiveHint(s), TurnEnd::kEndOfTurn);
  EXPECT_EQ(s.lines_since_pause, 4);
  EXPECT_EQ(s.message_line, Cp850("Es sind keine weiteren Hinweise verfügbar."));
  // Any other hint leaves the pager alone.
  PastTheBridge(s);
  s.door_locked = 1;
  GiveHint(s);
  EXPECT_EQ(s.lines_since_pause, 4);
}

TEST(Hints, AskingAgainGivesTheSameHint) {
  GameSession s;
  SetInitialValues(s);
  VoucherFound(s);
  const std::string first = HintFor(s);
  EXPECT_EQ(HintFor(s), first);
  EXPECT_EQ(first, Cp850("Du warst noch nicht beim Honigstand."));
}

}  // namespace
