// The ending: the last look back, Grandma's house, the score and the choice
// between a new game and the end of the program.
#include "story/ending.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "story/room_descriptions.h"
#include "support/game_harness.h"
#include "world/turn.h"

namespace {

using Lines = std::vector<std::string>;

class EndingTest : public ::testing::Test {
 protected:
  EndingTest() : console(frontend) {
    SetInitialValues(s);
    s.first_prompt_done = 1;
    s.current_room = 12;
    s.score = 26;
    s.move_count = 123;
    s.bouquet_picked = 1;
    s.bouquet_carried = 1;
    console.SetCursor(4, 1);
  }

  // Runs the ending with the given keys after the first pause.
  template <typename Thrown>
  void RunWith(std::initializer_list<int> keys) {
    frontend.Key(' ');
    for (const int key : keys) frontend.Key(key);
    EXPECT_THROW(RunEnding(s, console), Thrown);
    frontend.Flush(console);
  }
  std::string Row(int row) const {
    std::string text = Utf8FromCp850(console.ShownRow(row));
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  int RowOf(const std::string& text) const {
    for (int row = 1; row <= kScreenRows; ++row) {
      if (Row(row) == text) return row;
    }
    return 0;
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession s;
};

const Lines kLastLookBack = {
    "Bevor du das Haus betrittst, wirfst du mit einem Lächeln einen letzten Blick",
    "zurück in den Wald.",
    "",
    "Du musst der Oma unbedingt von deinen Erlebnissen erzählen!",
    "",
    std::string(30, ' ') + "<Beliebige Taste>",
};

TEST_F(EndingTest, TheLastLookBackWaitsForAKey) {
  // No key at all: the script ends at the first pause.
  EXPECT_THROW(RunEnding(s, console), ProgramExit);
  frontend.Flush(console);
  EXPECT_EQ(frontend.Lines(), kLastLookBack);
  EXPECT_EQ(console.ShownCell(9, 31).fg, kGreen);
  EXPECT_EQ(s.lines_since_pause, 1);
  EXPECT_FALSE(console.CursorVisible());
  EXPECT_EQ(Row(1).substr(66), "Punkte: 26");  // the status bar is drawn for the pause
  EXPECT_TRUE(frontend.sleeps().empty());
}

TEST_F(EndingTest, EndingTheGameShowsTheHouseTheScoreAndTheFarewell) {
  RunWith<ProgramExit>({'x', '7', 'e'});
  const Lines expected_screen = {
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
      "Du hast 30 von 30 Punkten in 123 Zügen erreicht.",
      "",
      "Möchtest du das Spiel (n)eu beginnen oder be(e)nden?",
      "",
      "Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org",
  };
  Lines screen;
  for (int row = 5; row < 5 + static_cast<int>(expected_screen.size()); ++row) screen.push_back(Row(row));
  EXPECT_EQ(screen, expected_screen);
  EXPECT_EQ(Row(4), "");

  EXPECT_EQ(console.ShownCell(5, 1).fg, kGreen);
  EXPECT_EQ(console.ShownCell(7, 1).fg, kLightGrey);
  EXPECT_EQ(console.ShownCell(17, 1).fg, kWhite);  // congratulations
  EXPECT_EQ(console.ShownCell(19, 1).fg, kLightGrey);
  EXPECT_EQ(console.ShownCell(21, 1).fg, kLightGrey);
  EXPECT_EQ(console.ShownCell(23, 1).fg, kWhite);  // farewell
  EXPECT_EQ(Row(24), "");

  // The prologue's look back went out before the screen was cleared.
  const Lines& lines = frontend.Lines();
  ASSERT_GE(lines.size(), kLastLookBack.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + static_cast<long>(kLastLookBack.size())), kLastLookBack);

  // Line mode sees the whole last screen, although the bar was drawn last.
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.at(lines.size() - 3), "Möchtest du das Spiel (n)eu beginnen oder be(e)nden?");
  EXPECT_EQ(lines.back(), "Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org");

  EXPECT_EQ(frontend.sleeps(), std::vector<int>{3000});
  EXPECT_EQ(s.place_name, "Im Haus deiner Oma");
  EXPECT_EQ(Row(3).substr(0, 20), " Im Haus deiner Oma ");
  EXPECT_EQ(Row(1).substr(66), "Punkte: 30");
}

TEST_F(EndingTest, TheEndChoiceEndsTheProgramWithStatusZero) {
  frontend.Key(' ');
  frontend.Key('E');  // keys count in lower case
  try {
    RunEnding(s, console);
    FAIL() << "the ending returned";
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.status, 0);
  }
  EXPECT_EQ(frontend.sleeps(), std::vector<int>{3000});
  EXPECT_GT(RowOf("Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org"), 0);
}

TEST_F(EndingTest, OtherKeysAreIgnored) {
  RunWith<ProgramExit>({'x', 'j', 'q', ' ', 13});  // then the script runs dry
  EXPECT_TRUE(frontend.sleeps().empty());
  EXPECT_EQ(RowOf("Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org"), 0);
  EXPECT_EQ(frontend.waits(), 7);
  EXPECT_EQ(frontend.pending(), 0u);
}

TEST_F(EndingTest, ANewGameWaitsOneSecondAndAsksForARestart) {
  RunWith<RestartRequest>({'x', 'N'});
  EXPECT_EQ(frontend.sleeps(), std::vector<int>{1000});
  EXPECT_EQ(RowOf("Danke fürs Spielen! Lob und Kritik gerne per E-Mail an quendelmar@example.org"), 0);
}

TEST_F(EndingTest, TheBasketAndTheBouquetBringTwoSilentPointsEach) {
  RunWith<RestartRequest>({'n'});
  EXPECT_EQ(s.score, 30);
  EXPECT_EQ(s.score_notices_on, 0);
  EXPECT_EQ(s.notice_hint_shown, 0);
  for (const std::string& line : frontend.Lines()) EXPECT_EQ(line.find("Punktzahl"), std::string::npos) << line;
  for (int row = 4; row <= kScreenRows; ++row) EXPECT_EQ(Row(row).find("Punktzahl"), std::string::npos) << row;
}

TEST_F(EndingTest, WithoutBasketOrBouquetTheScoreStays) {
  s.basket_carried = 0;
  s.basket_room = 11;
  s.bouquet_carried = 0;
  s.score = 21;
  s.move_count = 1;
  RunWith<RestartRequest>({'n'});
  EXPECT_EQ(s.score, 21);
  EXPECT_GT(RowOf("Du hast 21 von 30 Punkten in 1 Zügen erreicht."), 0);
}

TEST_F(EndingTest, OnlyTheBasketBringsTwoPoints) {
  s.bouquet_carried = 0;
  RunWith<RestartRequest>({'n'});
  EXPECT_EQ(s.score, 28);
  EXPECT_GT(RowOf("Du hast 28 von 30 Punkten in 123 Zügen erreicht."), 0);
}

TEST(EndingInTheGame, ANewGameStartsAgainWithThePrologue) {
  GameHarness h([](GameSession& session, Console& console, InputOrigin) {
    session.current_room = 12;
    DescribeRoom(session, console);
    return TurnEnd::kTopOfTurn;
  });
  h.StartUp();
  h.session().move_count = 40;
  h.frontend.Line("w");
  h.frontend.Key(' ');
  h.frontend.Key('n');
  h.Play();  // the restarted game waits at its prologue
  EXPECT_EQ(h.Row(3).substr(0, 8), " Prolog ");
  EXPECT_EQ(h.Row(5), "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat");
  EXPECT_EQ(h.session().move_count, 0);
  EXPECT_EQ(h.session().score, 0);
  EXPECT_EQ(h.session().score_notices_on, 1);
  EXPECT_EQ(h.frontend.sleeps(), std::vector<int>{1000});
}

}  // namespace
