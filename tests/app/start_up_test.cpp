// The start-up as a player sees it: prologue, key, title screen, first room.
#include <gtest/gtest.h>

#include "support/game_harness.h"

namespace {

TEST(StartUp, PrologueWaitsForAKeyUnderTheProlog) {
  GameHarness h;
  h.Run();  // no key: stops at the prologue's wait
  EXPECT_EQ(h.frontend.title(), "Quendelmar - Edition 2. Eine interaktive Fabel.");
  EXPECT_EQ(h.Row(3).substr(0, 8), " Prolog ");
  EXPECT_EQ(h.Row(5), "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat");
  EXPECT_EQ(h.frontend.waits(), 1);
  int key_row = 0;
  for (int row = 5; row <= 25; ++row) {
    if (h.Row(row) == std::string(30, ' ') + "<Beliebige Taste>") key_row = row;
  }
  ASSERT_GT(key_row, 0);
  EXPECT_EQ(h.CellAt(key_row, 31).fg, kGreen);
  EXPECT_EQ(h.Row(key_row - 2), "lächerlichen roten Kappe auf dem Kopf.");
  EXPECT_EQ(h.session().lines_since_pause, 14);  // no pause inside the prologue
}

TEST(StartUp, KeysTypedBeforeThePrologueAreDiscarded) {
  GameHarness h;
  h.frontend.set_discard_drops_queue(true);
  h.frontend.Key('x');
  h.frontend.Key('y');
  h.Run();
  EXPECT_EQ(h.frontend.pending(), 0u);
  EXPECT_EQ(h.frontend.waits(), 1);  // still waiting at the prologue
}

TEST(StartUp, TitleScreenAndFirstRoomLeadToThePromptOnRow19) {
  GameHarness h;
  h.frontend.Key(' ');
  h.Run();
  EXPECT_EQ(h.Row(5), "Quendelmar - Edition 2 - vom 05.09.2018.");
  EXPECT_EQ(h.Row(6), "Erdacht, geschrieben und programmiert vom Quendelmar-Team.");
  EXPECT_EQ(h.Row(7), "");
  EXPECT_EQ(h.Row(8), "Tippe 'Befehle', 'Hinweise' und 'Maussteuerung' für wichtige Angaben zum Spiel.");
  // The quoted words in the accent colour, the rest in grey.
  EXPECT_EQ(h.CellAt(8, 1).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(8, 7).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(8, 8).fg, kGreen);
  EXPECT_EQ(h.CellAt(8, 14).fg, kGreen);
  EXPECT_EQ(h.CellAt(8, 15).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(8, 19).fg, kGreen);
  EXPECT_EQ(h.CellAt(8, 35).fg, kGreen);
  EXPECT_EQ(h.CellAt(8, 48).fg, kLightGrey);

  EXPECT_EQ(h.Row(11), "Am Waldeingang");
  EXPECT_EQ(h.CellAt(11, 1).fg, kGreen);
  EXPECT_EQ(h.Row(13), "Im Norden liegt er nun also, der Wald. Ein Baum steht neben dem anderen, und");
  EXPECT_EQ(h.Row(14), "alle zusammen versperren sie dir gründlich die Sicht.");
  EXPECT_EQ(h.Row(16), "Ein schmaler Weg führt in den Wald hinein. Um zu deiner Oma zu gelangen, musst");
  EXPECT_EQ(h.Row(17), "du immer nur Richtung Norden gehen.");
  EXPECT_EQ(h.Row(18), "");
  EXPECT_EQ(h.Row(19), ">");
  EXPECT_EQ(h.CellAt(19, 2).bg, kWhite);  // the editor's cursor block
  EXPECT_EQ(h.session().visited_forest_entrance, 1);
  EXPECT_EQ(h.session().first_prompt_done, 1);
}

TEST(StartUp, StatusBarAtTheFirstPromptShowsThePlaceAndTheCompass) {
  GameHarness h;
  h.frontend.Key(' ');
  h.Run();
  EXPECT_EQ(h.Row(3).substr(0, 16), " Am Waldeingang ");
  EXPECT_EQ(h.Row(1).substr(66), "Punkte: 0");
  EXPECT_EQ(h.Row(3).substr(66), "Züge:   0");
  EXPECT_EQ(h.CellAt(1, 40).fg, kWhite);  // north is open
  EXPECT_EQ(h.CellAt(3, 40).fg, kBlack);
  EXPECT_EQ(h.CellAt(2, 40).fg, kLightGrey);
  EXPECT_EQ(h.CellAt(1, 40).bg, kGreen);
}

TEST(StartUp, ANewGameHasTheInitialValues) {
  GameHarness h;
  h.frontend.Key(' ');
  h.Run();
  const GameSession& s = h.session();
  EXPECT_EQ(s.current_room, 1);
  EXPECT_EQ(s.move_count, 0);
  EXPECT_EQ(s.score, 0);
  EXPECT_EQ(s.brief_mode, 1);
  EXPECT_EQ(s.score_notices_on, 1);
  EXPECT_EQ(s.accent_colour, kGreen);
  EXPECT_EQ(s.screen_rows, 25);
  EXPECT_EQ(s.basket_carried, 1);
  EXPECT_EQ(s.newspaper_room, 2);
  EXPECT_EQ(s.ball_state, 3);
  EXPECT_EQ(s.ball_room, 5);
  EXPECT_EQ(s.key_room, 11);
  EXPECT_EQ(s.key_under_mat, 1);
  EXPECT_EQ(s.key_bent, 1);
  EXPECT_EQ(s.umbrella_room, 14);
  EXPECT_EQ(s.door_locked, 1);
  EXPECT_EQ(s.place_name, "Am Waldeingang");
  EXPECT_EQ(s.map_button_labels[8], "Norden ");
  EXPECT_EQ(s.command_button_labels[10], "Untersuche ");
}

TEST(StartUp, ARestartGivesTheSameStateAsANewGame) {
  GameHarness fresh;
  fresh.frontend.Key(' ');
  fresh.Run();

  GameHarness played;
  played.frontend.Key(' ');
  played.frontend.Line("a");
  played.Run();
  GameSession& s = played.session();
  s.move_count = 77;
  s.score = 12;
  s.visited_bridge = 1;
  s.woodpecker_heard = 1;
  s.hare_seen = 1;
  s.frog_lament_shown = 1;
  s.referent_masc = "korb";
  played.frontend.Key(' ');
  played.game.Restart();
  played.Play();  // stops at the first prompt again

  GameSession expected = fresh.session();
  EXPECT_TRUE(s == expected);
  EXPECT_EQ(s.move_count, 0);
  EXPECT_EQ(s.visited_bridge, 0);
  EXPECT_EQ(s.command_history[1], "");
  EXPECT_EQ(played.Row(3).substr(0, 16), " Am Waldeingang ");
}

TEST(StartUp, ARestartShowsThePrologAgain) {
  GameHarness h;
  h.frontend.Key(' ');
  h.Run();
  EXPECT_THROW(h.game.Restart(), ProgramExit);  // stops at the prologue's key
  EXPECT_EQ(h.Row(3).substr(0, 8), " Prolog ");
  EXPECT_EQ(h.Row(5), "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat");
}

}  // namespace
