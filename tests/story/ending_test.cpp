// The ending: the last look back, Grandma's house, the score and the choice
// between a new game and the end of the program. The way into the house does
// not open by playing yet, so the girl starts before the open door.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

using Lines = std::vector<std::string>;
const std::string kPause = std::string(30, ' ') + "<Beliebige Taste>";
const std::string kFarewell = "Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org";

// With 26 points and 122 moves the girl goes into the house, then presses the keys.
struct Ending {
  explicit Ending(const std::string& keys, int basket = 1, int bouquet = 1) {
    h.StartUp();
    h.frontend.Flush(h.console);
    GameSession& s = h.session();
    s.current_room = 11;
    s.door_open = s.bouquet_picked = 1;
    s.door_locked = 0;
    s.score = 26;
    s.move_count = 122;
    s.basket_carried = basket;
    s.bouquet_carried = bouquet;
    h.frontend.Line("w");
    for (const char key : keys) h.frontend.Key(key);
    const size_t first = h.Lines().size();
    try {
      h.game.PlayTurns();
    } catch (const ProgramExit& exit) {
      status = exit.status;
    }
    h.frontend.Flush(h.console);
    rows.assign(h.Lines().begin() + static_cast<long>(first), h.Lines().end());
  }
  bool Printed(const std::string& row) const { return std::find(rows.begin(), rows.end(), row) != rows.end(); }

  GameHarness h;
  Lines rows;
  int status = -1;
};

TEST(Ending, TheLastLookBackWaitsForAKey) {
  const Ending e("");
  EXPECT_EQ(e.rows, (Lines{"", ">w", "Bevor du das Haus betrittst, wirfst du mit einem Lächeln einen letzten Blick",
                           "zurück in den Wald.", "",
                           "Du musst der Oma unbedingt von deinen Erlebnissen erzählen!", "", kPause}));
  EXPECT_EQ(e.h.CellAt(e.h.console.CursorRow() - 1, 31).fg, kGreen);
  EXPECT_FALSE(e.h.console.CursorVisible());
  EXPECT_EQ(e.h.Row(1).substr(66), "Punkte: 26");  // the status bar is drawn for the pause
  EXPECT_TRUE(e.h.frontend.sleeps().empty());
}

TEST(Ending, EndingTheGameShowsTheHouseTheScoreAndTheFarewell) {
  const Ending e(" x7E");  // other keys do nothing; keys count in lower case
  const Lines screen = {
      "Im Haus deiner Oma",
      "",
      "Düster ist es hier drin und irgendwie unheimlich. Durch die Vorhänge fällt kaum",
      "Licht, doch hinten im Zimmer erkennst du das Bett deiner Oma.",
      "",
      "Sie liegt im Bett und hat die Haube tief ins Gesicht gezogen. Was hat sie für",
      "große Ohren! Und erst die Augen, die Hände und dieser riesige Mund! Das liegt",
      "wohl in der Familie. Zum Glück kommst du nach Papa.",
      "",
      "Plötzlich fällt draußen ein Schuss, und kurz darauf betritt der Jäger das Haus.",
      "Stolz erzählt er von einem verirrten Schaf, das er eben erlegt hat. 'Seltsames",
      "Tier. Habe nie zuvor ein Schaf gesehen, das Zigarre raucht!'",
      "Du hast das Spiel erfolgreich beendet! Herzlichen Glückwunsch!",
      "",
      "Du hast 30 von 30 Punkten in 123 Zügen erreicht.",  // basket and bouquet: two points each
      "",
      "Möchtest du das Spiel (n)eu beginnen oder be(e)nden?",
      "",
      kFarewell,
  };
  EXPECT_TRUE(e.Printed(kPause));  // the look back went out before the screen was cleared
  EXPECT_TRUE(std::equal(screen.rbegin(), screen.rend(), e.rows.rbegin()));
  EXPECT_EQ(e.h.Row(4), "");
  EXPECT_EQ(e.h.Row(5), screen[0]);
  EXPECT_EQ(e.h.CellAt(5, 1).fg, kGreen);
  EXPECT_EQ(e.h.CellAt(7, 1).fg, kLightGrey);
  EXPECT_EQ(e.h.CellAt(17, 1).fg, kWhite);  // congratulations
  EXPECT_EQ(e.h.CellAt(19, 1).fg, kLightGrey);
  EXPECT_EQ(e.h.CellAt(23, 1).fg, kWhite);  // farewell
  EXPECT_EQ(e.h.Row(3).substr(0, 20), " Im Haus deiner Oma ");
  EXPECT_EQ(e.h.Row(1).substr(66), "Punkte: 30");
  EXPECT_EQ(e.h.frontend.sleeps(), std::vector<int>{3000});
  EXPECT_EQ(e.status, 0);
  for (const std::string& row : e.rows) EXPECT_EQ(row.find("Punktzahl"), std::string::npos) << row;  // silent
}

TEST(Ending, ANewGameStartsWithThePrologueAfterTheScoreOfWhatWasCarried) {
  // Other keys do nothing: no farewell, one wait of a second before the new game.
  struct Case {
    int basket, bouquet;
    const char* score;
  };
  for (const Case& c : {Case{1, 0, "Du hast 28 von 30 Punkten in 123 Zügen erreicht."},
                        Case{0, 0, "Du hast 26 von 30 Punkten in 123 Zügen erreicht."}}) {
    Ending e(" xjq \rN", c.basket, c.bouquet);  // the new game waits at its prologue
    EXPECT_TRUE(e.Printed(c.score)) << c.score;
    EXPECT_FALSE(e.Printed(kFarewell));
    EXPECT_EQ(e.h.frontend.sleeps(), std::vector<int>{1000});
    EXPECT_EQ(e.h.Row(3).substr(0, 8), " Prolog ");
    EXPECT_EQ(e.h.Row(5), "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat");
    EXPECT_EQ(e.h.session().move_count, 0);
    EXPECT_EQ(e.h.session().score, 0);
    EXPECT_EQ(e.h.session().score_notices_on, 1);
  }
}

}  // namespace
