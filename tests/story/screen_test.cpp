// The story on the screen, where a transcript cannot see it: what room descriptions and hints tell the pager; the
// colours of a description and of the newspaper's article, which stands out in white; the ending's colours, waits,
// status bar, and how the program ends. What they say is played in the transcripts of the story.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/scripted_frontend.h"
#include "story/hints.h"
#include "story/room_descriptions.h"
#include "support/game_harness.h"
#include "world/encoding.h"
#include "world/rooms.h"

namespace {

using S = GameSession;

// Describes the room in a new game changed by `set_up`; counts the lines it told the pager of.
struct Described {
  Described(int room, void (*set_up)(S&)) : console(frontend) {
    SetInitialValues(s), s.first_prompt_done = 1, s.current_room = room;
    frontend.set_shows_pages(false), console.SetCursor(4, 1), set_up(s);
    const int before = s.lines_since_pause;
    DescribeRoom(s, console);
    lines = s.lines_since_pause - before;
  }

  ScriptedFrontend frontend;
  Console console;
  S s;
  int lines = 0;
};

void SheepAtTheBridge(S& s) { s.visited_bridge_approach = 1, s.sheep_state = 1, s.sheep_room = 7; }

TEST(RoomDescriptions, LinesCountedForThePager) {
  const std::tuple<int, void (*)(S&), int> cases[] = {
      // Title, three empty messages, five prose rows and the list.
      {2, [](S&) {}, 10},
      // Rooms whose paragraphs are parted by bare line ends count only their prose.
      {10, [](S& s) { s.brief_mode = 0; }, 3},
      // Events print their line ends directly: brief, they are not counted ahead...
      {10, [](S& s) { s.visited_bridge = 1, s.key_bent = 0; }, 1 + 2},
      {7, SheepAtTheBridge, 1 + 3 + 2 + 1},
      // ...in full mode they are.
      {10, [](S& s) { s.brief_mode = 0, s.key_bent = 0; }, 3 + 2 + 2},
      {7, [](S& s) { SheepAtTheBridge(s), s.brief_mode = 0, s.sheep_points_given = s.wolf_grabbed_ball = 1; },
       1 + 6 + 5 + 5},
      // The things lying here are one line, however long.
      {2, [](S& s) { s.visited_path = 1, s.basket_carried = 0, s.basket_room = s.grass_room = 2; }, 1 + 1},
  };
  for (const auto& [room, set_up, lines] : cases) EXPECT_EQ(Described(room, set_up).lines, lines) << "room " << room;
}

TEST(RoomDescriptions, TitleInTheAccentColourAndTheFirstOfAGameAboveTheBottomRows) {
  Described path(2, [](S& s) { s.basket_carried = 0, s.basket_room = 2, s.accent_colour = kCyan; });
  EXPECT_EQ(path.console.ShownCell(4, 17).fg, kCyan);
  EXPECT_EQ(path.console.ShownCell(6, 1).fg, kLightGrey);
  EXPECT_EQ(path.console.ShownCell(path.console.CursorRow() - 1, 1).fg, kLightGrey);  // the list
  const Described entrance(1, [](S& s) { s.first_prompt_done = 0; });
  EXPECT_EQ(std::pair(entrance.console.CursorRow(), entrance.console.CursorCol()), std::pair(22, 1));
}

// "No more hints" counts a line of its own; every other hint only its answer.
TEST(Hints, OnlyTheLastHintCountsALineForThePager) {
  S s;
  SetInitialValues(s);
  s.visited_bridge_approach = s.voucher_found = s.visited_honey_stand = s.voucher_redeemed = s.visited_bee_meadow = 1;
  s.bees_at_jar = s.visited_well = s.visited_river_bank = s.wolf_gone = s.visited_house_front = 1;
  s.frog_state = 3, s.ball_state = s.sheep_state = 5;
  s.door_locked = 0;  // unlocked with the key still bent: a state play never reaches
  const int before = s.lines_since_pause;
  GiveHint(s);
  EXPECT_EQ(Utf8FromCp850(s.message_line), "Es sind keine weiteren Hinweise verfügbar.");
  EXPECT_EQ(s.lines_since_pause, before + 1);
  s.door_locked = 1;
  GiveHint(s);
  EXPECT_EQ(s.lines_since_pause, before + 1);
}

// Each shown row that begins with the text has the colour.
void ExpectColours(const GameHarness& h, const std::vector<std::pair<std::string, int>>& rows) {
  for (const auto& [start, colour] : rows) {
    int found = -1;
    for (int row = 4; row <= 25 && found < 0; ++row) found = h.Row(row).starts_with(start) ? h.CellAt(row, 1).fg : -1;
    EXPECT_EQ(found, colour) << start;
  }
}

TEST(Newspaper, TheArticleIsWhiteAlsoWhereTheScreenDoesNotScrollAndTheStoryAroundItGrey) {
  GameHarness h;
  h.StartUp();
  h.session().current_room = kForestPath;
  h.PlayLines({"lies zeitung"});  // ends at the first pause, half the article shown
  ExpectColours(h, {{"Zeitungen sind", kLightGrey}, {"WOLF AUF BEWÄHRUNG", kWhite},
                    {"Seit gestern Nachmittag", kWhite}, {"Geschäfte.", kWhite}});  // a paragraph's first row and last
  h.frontend.set_shows_pages(false);
  h.PlayLines({"lies zeitung"});
  ExpectColours(h, {{"Schwere Vorwürfe", kWhite}, {"Morgen haben wir", kWhite}, {"Ach herrje!", kLightGrey},
                    {"Da bewegt sich was!", kLightGrey}});
  h.PlayLines({"zerreiße zeitung", "lies zeitung"});
  ExpectColours(h, {{"Nur die erste Seite", kLightGrey}, {"WOLF AUF BEW ...", kWhite}, {"ehrl ...", kWhite},
                    {"Entnervt gibst du auf.", kLightGrey}});
}

// The girl walks into the house through the open door, then presses the keys; gives the exit status.
int Ending(GameHarness& h, const std::string& keys) {
  h.StartUp();
  h.frontend.Flush(h.console);
  GameSession& s = h.session();
  s.current_room = 11, s.score = 26, s.door_locked = 0;
  s.door_open = s.bouquet_picked = s.bouquet_carried = 1;
  h.frontend.Line("w");
  for (const char key : keys) h.frontend.Key(key);
  int status = -1;
  try {
    h.game.PlayTurns();
  } catch (const ProgramExit& exit) {
    status = exit.status;
  }
  h.frontend.Flush(h.console);
  return status;
}

TEST(Ending, TheLastLookBackWaitsForAKeyWithTheStatusBarDrawn) {
  GameHarness h;
  Ending(h, "");
  EXPECT_EQ(h.Row(h.console.CursorRow() - 1), std::string(30, ' ') + "<Beliebige Taste>");
  EXPECT_FALSE(h.console.CursorVisible());
  EXPECT_EQ(h.Row(1).substr(66), "Punkte: 26");
  EXPECT_TRUE(h.frontend.sleeps().empty());
}

TEST(Ending, TheHouseFillsAClearedScreenAndEndingLeavesTheProgram) {
  GameHarness h;
  EXPECT_EQ(Ending(h, " x7E"), 0);  // other keys do nothing; keys count in lower case
  EXPECT_EQ(h.Row(4) + "|" + h.Row(5) + "|" + h.Row(17), "|Im Haus deiner Oma|Du hast das Spiel erfolgreich beendet! "
            "Herzlichen Glückwunsch!");
  EXPECT_TRUE(h.Row(23).starts_with("Danke fürs Spielen!"));
  // Title, story, congratulations, score, thanks.
  EXPECT_EQ((std::vector<int>{h.CellAt(5, 1).fg, h.CellAt(7, 1).fg, h.CellAt(17, 1).fg, h.CellAt(19, 1).fg,
                              h.CellAt(23, 1).fg}),
            (std::vector<int>{kGreen, kLightGrey, kWhite, kLightGrey, kWhite}));
  EXPECT_EQ(h.Row(3).substr(0, 20) + "|" + h.Row(1).substr(66), " Im Haus deiner Oma |Punkte: 30");
  EXPECT_EQ(h.frontend.sleeps(), std::vector<int>{3000});
}

TEST(Ending, ANewGameWaitsASecondAndStartsAtThePrologue) {
  GameHarness h;
  Ending(h, " xjq \rN");  // the new game waits at its prologue
  EXPECT_EQ(h.frontend.sleeps(), std::vector<int>{1000});
  EXPECT_EQ(h.Row(3).substr(0, 8), " Prolog ");
}

}  // namespace
