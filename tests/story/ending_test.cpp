// The ending on the screen: its colours, the waits, the status bar and how the
// program ends. What it says is played in tests/transcripts/story_walkthrough.txt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

// The girl walks into the house through the open door, then presses the keys.
struct Ending {
  explicit Ending(const std::string& keys) {
    h.StartUp();
    h.frontend.Flush(h.console);
    GameSession& s = h.session();
    s.current_room = 11;
    s.door_open = s.bouquet_picked = s.bouquet_carried = 1;
    s.door_locked = 0;
    s.score = 26;
    h.frontend.Line("w");
    for (const char key : keys) h.frontend.Key(key);
    try {
      h.game.PlayTurns();
    } catch (const ProgramExit& exit) {
      status = exit.status;
    }
    h.frontend.Flush(h.console);
  }
  GameHarness h;
  int status = -1;
};

TEST(Ending, TheLastLookBackWaitsForAKey) {
  const Ending e("");
  EXPECT_EQ(e.h.Row(e.h.console.CursorRow() - 1), std::string(30, ' ') + "<Beliebige Taste>");
  EXPECT_EQ(e.h.CellAt(e.h.console.CursorRow() - 1, 31).fg, kGreen);
  EXPECT_FALSE(e.h.console.CursorVisible());
  EXPECT_EQ(e.h.Row(1).substr(66), "Punkte: 26");  // the status bar is drawn for the pause
  EXPECT_TRUE(e.h.frontend.sleeps().empty());
}

TEST(Ending, TheHouseFillsAClearedScreenAndEndingLeavesTheProgram) {
  const Ending e(" x7E");  // other keys do nothing; keys count in lower case
  EXPECT_EQ(e.h.Row(4), "");
  EXPECT_EQ(e.h.Row(5), "Im Haus deiner Oma");
  EXPECT_EQ(e.h.CellAt(5, 1).fg, kGreen);
  EXPECT_EQ(e.h.CellAt(7, 1).fg, kLightGrey);
  EXPECT_EQ(e.h.Row(17), "Du hast das Spiel erfolgreich beendet! Herzlichen Glückwunsch!");
  EXPECT_EQ(e.h.CellAt(17, 1).fg, kWhite);
  EXPECT_EQ(e.h.CellAt(19, 1).fg, kLightGrey);  // the score
  EXPECT_TRUE(e.h.Row(23).starts_with("Danke fürs Spielen!"));
  EXPECT_EQ(e.h.CellAt(23, 1).fg, kWhite);
  EXPECT_EQ(e.h.Row(3).substr(0, 20), " Im Haus deiner Oma ");
  EXPECT_EQ(e.h.Row(1).substr(66), "Punkte: 30");
  EXPECT_EQ(e.h.frontend.sleeps(), std::vector<int>{3000});
  EXPECT_EQ(e.status, 0);
}

TEST(Ending, ANewGameWaitsASecondAndStartsAtThePrologue) {
  const Ending e(" xjq \rN");  // the new game waits at its prologue
  EXPECT_EQ(e.h.frontend.sleeps(), std::vector<int>{1000});
  EXPECT_EQ(e.h.Row(3).substr(0, 8), " Prolog ");
  EXPECT_EQ(e.h.Row(5), "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat");
}

}  // namespace
