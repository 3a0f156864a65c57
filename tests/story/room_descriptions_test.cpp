// What a room description tells the pager, and its colours. What it says is
// played in tests/transcripts/story_walkthrough.txt.
#include "story/room_descriptions.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/scripted_frontend.h"
#include "world/rooms.h"

namespace {

using S = GameSession;

// Describes the room in a new game changed by `set_up`; counts the lines it
// told the pager of.
struct Described {
  Described(int room, void (*set_up)(S&)) : console(frontend) {
    SetInitialValues(s);
    s.first_prompt_done = 1;
    s.current_room = room;
    frontend.set_shows_pages(false);
    console.SetCursor(4, 1);
    set_up(s);
    const int before = s.lines_since_pause;
    DescribeRoom(s, console);
    lines = s.lines_since_pause - before;
  }

  ScriptedFrontend frontend;
  Console console;
  S s;
  int lines = 0;
};

void SheepAtTheBridge(S& s) {
  s.visited_bridge_approach = 1;
  s.sheep_state = 1;
  s.sheep_room = 7;
}

TEST(RoomDescriptions, LinesCountedForThePager) {
  struct Case {
    int room;
    void (*set_up)(S&);
    int lines;
  } const cases[] = {
      // Title, three empty messages, five prose rows and the list.
      {2, [](S&) {}, 10},
      // Rooms whose paragraphs are parted by bare line ends count only their prose.
      {10, [](S& s) { s.brief_mode = 0; }, 3},
      // Events print their line ends directly: brief, they are not counted ahead...
      {10, [](S& s) { s.visited_bridge = 1; s.key_bent = 0; }, 1 + 2},
      {7, SheepAtTheBridge, 1 + 3 + 2 + 1},
      // ...in full mode they are.
      {10, [](S& s) { s.brief_mode = 0; s.key_bent = 0; }, 3 + 2 + 2},
      {7, [](S& s) { SheepAtTheBridge(s); s.brief_mode = 0; s.sheep_points_given = s.wolf_grabbed_ball = 1; },
       1 + 6 + 5 + 5},
      // The things lying here are one line, however long.
      {2, [](S& s) { s.visited_path = 1; s.basket_carried = 0; s.basket_room = s.grass_room = 2; }, 1 + 1},
  };
  for (const Case& c : cases) EXPECT_EQ(Described(c.room, c.set_up).lines, c.lines) << "room " << c.room;
}

TEST(RoomDescriptions, TitleInTheAccentColourAndTheFirstOfAGameAboveTheBottomRows) {
  Described path(2, [](S& s) { s.basket_carried = 0; s.basket_room = 2; });
  EXPECT_EQ(path.console.ShownCell(4, 1).fg, kGreen);
  EXPECT_EQ(path.console.ShownCell(4, 17).fg, kGreen);
  EXPECT_EQ(path.console.ShownCell(6, 1).fg, kLightGrey);
  EXPECT_EQ(path.console.ShownCell(path.console.CursorRow() - 1, 1).fg, kLightGrey);  // the list
  const Described entrance(1, [](S& s) { s.first_prompt_done = 0; });
  EXPECT_EQ(entrance.console.CursorRow(), 22);
  EXPECT_EQ(entrance.console.CursorCol(), 1);
}

}  // namespace
