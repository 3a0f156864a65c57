// The mouse at the command line: the verb cycle of the right button, words
// clicked in the text, and the buttons of the status bar in play.
#include "console/mouse_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "console/button_labels.h"
#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "support/game_harness.h"
#include "world/game_session.h"

namespace {

constexpr int kPromptRow = 20;
constexpr int kLeft = 1;
constexpr int kRight = 2;

class MouseMenuTest : public ::testing::Test {
 protected:
  MouseMenuTest() : console(frontend) {
    FillButtonLabels(session);
    console.SetCursor(5, 1);
    console.Write(Cp850("Du siehst einen Korb. Die Brücke führt über den Fluss, 3 Mücken."));
  }

  // Runs the editor over the queued events and gives the line it holds when
  // the script runs dry (or the line it entered), as UTF-8.
  std::string Edit() {
    try {
      ReadCommandLine(session, console, kPromptRow, 1, ">", 77, 180, 1, 1, 0, 0, 1);
      entered = true;
    } catch (const ProgramExit&) {
      entered = false;
    }
    return Utf8FromCp850(session.input_line);
  }
  void Clicks(int button, int times) {
    for (int i = 0; i < times; ++i) frontend.Click(button, 12, 1);
  }
  // The column of the first character of a text on row 5.
  int ColumnOf(std::string_view utf8) const {
    return static_cast<int>(console.ShownRow(5).find(Cp850(utf8))) + 1;
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession session;
  bool entered = false;
};

TEST_F(MouseMenuTest, RightButtonCyclesThroughTheVerbsAndTheEmptyLine) {
  const char* const expected[] = {"Untersuche ", "Nimm ",     "Lies ", "Gib ", "öffne ",
                                  "Frage ",      "Zeige ",    "Lege hin ", "",  "Untersuche "};
  for (int clicks = 1; clicks <= 10; ++clicks) {
    session = GameSession{};
    Clicks(kRight, clicks);
    EXPECT_EQ(Edit(), expected[clicks - 1]) << clicks;
    EXPECT_FALSE(entered);
  }
}

TEST_F(MouseMenuTest, RightButtonShowsTheVerbWithTheCursorBehindIt) {
  Clicks(kRight, 2);
  Edit();
  EXPECT_EQ(Utf8FromCp850(console.ShownRow(kPromptRow)).substr(0, 7), ">Nimm  ");
  EXPECT_EQ(console.ShownCell(kPromptRow, 7).bg, kWhite);  // the block behind "Nimm "
}

TEST_F(MouseMenuTest, ClickedNounIsAppendedInLowerCaseAndTheRightButtonEntersTheLine) {
  Clicks(kRight, 2);
  frontend.Click(kLeft, 5, ColumnOf("Korb") + 2);
  EXPECT_EQ(Edit(), "Nimm korb ");
  Clicks(kRight, 2);
  frontend.Click(kLeft, 5, ColumnOf("Korb") + 2);
  frontend.Click(kRight, 12, 1);
  EXPECT_EQ(Edit(), "Nimm korb");
  EXPECT_TRUE(entered);
}

TEST_F(MouseMenuTest, RightButtonEntersAnyOtherLineButNeverAnEmptyOne) {
  frontend.Type("  schaue  ");
  frontend.Click(kRight, 12, 1);
  EXPECT_EQ(Edit(), "schaue");
  EXPECT_TRUE(entered);

  frontend.Type("nimm ");  // not a verb of the cycle: small letters
  frontend.Click(kRight, 12, 1);
  EXPECT_EQ(Edit(), "nimm");
  EXPECT_TRUE(entered);

  frontend.Type("   ");
  frontend.Click(kRight, 12, 1);
  EXPECT_EQ(Edit(), "");
  EXPECT_FALSE(entered);
}

TEST_F(MouseMenuTest, WordsStopAtPunctuationAndKeepTheirUmlauts) {
  frontend.Click(kLeft, 5, ColumnOf("Korb."));           // first letter, full stop behind
  frontend.Click(kLeft, 5, ColumnOf("Brücke") + 5);      // last letter
  frontend.Click(kLeft, 5, ColumnOf("führt") + 1);       // on the umlaut
  frontend.Click(kLeft, 5, ColumnOf("Fluss,") + 2);      // comma behind
  EXPECT_EQ(Edit(), "korb brücke führt fluss ");
}

TEST_F(MouseMenuTest, ClickOnADigitOrPunctuationDoesNothing) {
  frontend.Type("x");
  frontend.Click(kLeft, 5, ColumnOf("3"));
  frontend.Click(kLeft, 5, ColumnOf(","));
  EXPECT_EQ(Edit(), "x");
}

TEST_F(MouseMenuTest, ABlankAppendsAfterTypedText) {
  frontend.Type("nimm");
  frontend.Click(kLeft, 5, ColumnOf("Korb"));
  EXPECT_EQ(Edit(), "nimm korb ");
  // The cursor stands at the end: typing goes on behind the word.
  frontend.Type("nimm");
  frontend.Click(kLeft, 5, ColumnOf("Korb"));
  frontend.Type("und");
  EXPECT_EQ(Edit(), "nimm korb und");
}

TEST_F(MouseMenuTest, ClickOnAnEmptyPlaceDeletesOneCharacter) {
  frontend.Type("nimm");
  frontend.Click(kLeft, 12, 30);
  EXPECT_EQ(Edit(), "nim");
  frontend.Click(kLeft, 12, 30);  // nothing to delete
  EXPECT_EQ(Edit(), "");
}

TEST_F(MouseMenuTest, AWordIsNotAppendedWhenTheLineWouldReach76) {
  frontend.Type(std::string(72, 'a'));
  frontend.Click(kLeft, 5, ColumnOf("Korb"));  // 72 + 4 = 76
  EXPECT_EQ(Edit(), std::string(72, 'a'));
  frontend.Type(std::string(71, 'a'));
  frontend.Click(kLeft, 5, ColumnOf("Korb"));  // 71 + 4 = 75
  EXPECT_EQ(Edit(), std::string(71, 'a') + " korb ");
}

// --- The status bar in play -------------------------------------------------

class StatusBarClickTest : public ::testing::Test {
 protected:
  StatusBarClickTest() {
    h.StartUp();
    h.frontend.Flush(h.console);
    h.frontend.set_shows_pages(false);
  }
  std::vector<std::string> ClickAndPlay(int row, int col) {
    h.frontend.Click(kLeft, row, col);
    return h.PlayLines({});
  }
  GameHarness h;
};

TEST_F(StatusBarClickTest, CompassPointsEnterTheirDirection) {
  const auto rows = ClickAndPlay(1, 40);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], ">Nord");
  EXPECT_EQ(rows[1], "Auf einem Waldweg");
  EXPECT_EQ(h.session().current_room, 2);
}

TEST_F(StatusBarClickTest, ClosedDirectionsAreClickableAndTheMovementRulesAnswer) {
  const auto rows = ClickAndPlay(2, 38);
  ASSERT_GE(rows.size(), 1u);
  EXPECT_EQ(rows[0], ">West");
  EXPECT_EQ(h.session().current_room, 1);
}

TEST_F(StatusBarClickTest, EveryAreaGivesItsCommand) {
  struct Area {
    int row, col;
    const char* command;
  };
  const Area areas[] = {
      {1, 38, "Nordwest"}, {1, 42, "Nordost"}, {2, 42, "Ost"},      {3, 38, "Südwest"}, {3, 40, "Süd"},
      {3, 42, "Südost"},   {3, 46, "Befehle"}, {3, 52, "Befehle"},  {3, 67, "Züge"},    {3, 80, "Züge"},
      {1, 1, "Credits"},   {1, 26, "Credits"}, {1, 46, "Besitz"},   {1, 51, "Besitz"},  {1, 67, "Punkte"},
      {1, 80, "Punkte"},   {2, 1, "Hintergrund"}, {2, 14, "Hintergrund"},
  };
  for (const Area& area : areas) {
    h.frontend.Click(kLeft, area.row, area.col);
    h.PlayLines({});
    EXPECT_EQ(h.session().command_history[1], Cp850(area.command)) << area.row << "," << area.col;
  }
}

TEST_F(StatusBarClickTest, ClicksBesideTheAreasAreIgnored) {
  for (const auto& [row, col] : {std::pair{1, 27}, {1, 39}, {2, 15}, {2, 60}, {3, 27}, {3, 53}, {1, 52}}) {
    h.frontend.Click(kLeft, row, col);
  }
  h.frontend.Line("z");
  const auto rows = h.PlayLines({});
  ASSERT_GE(rows.size(), 1u);
  EXPECT_EQ(rows[0], ">z");
}

TEST_F(StatusBarClickTest, PlaceNameLooksAroundAndCountsAMoveAtTheClick) {
  const int before = h.session().move_count;
  const auto rows = ClickAndPlay(3, 10);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], ">Schaue dich um");
  EXPECT_EQ(rows[1], "Am Waldeingang");
  // One move at the click, and looking around counts its own.
  GameHarness typed;
  typed.StartUp();
  typed.PlayLines({"Schaue dich um"});
  EXPECT_EQ(h.session().move_count, typed.session().move_count + 1);
  EXPECT_GT(h.session().move_count, before);
}

TEST_F(StatusBarClickTest, TheXShowsTheMapWithoutALineEnd) {
  h.frontend.Click(kLeft, 2, 40);
  h.frontend.Key(' ');
  const auto rows = h.PlayLines({});
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0], ">Karte");
  EXPECT_EQ(rows[1], "                                  Quendelmar");
  EXPECT_EQ(rows[2], "                                Übersichtskarte");
  EXPECT_EQ(h.session().move_count, 0);
  EXPECT_EQ(h.Row(19), ">");  // the next prompt where ">Karte" stood
}

}  // namespace
