// The newspaper's article stands out in white; the text around it keeps the
// usual grey. What it says is played in tests/transcripts/story_walkthrough.txt.
#include <gtest/gtest.h>

#include <string>

#include "support/game_harness.h"

namespace {

// The colour of the shown row that begins with the text.
int ColourOfRow(const GameHarness& h, const std::string& start) {
  for (int row = 4; row <= 25; ++row) {
    if (h.Row(row).starts_with(start)) return h.CellAt(row, 1).fg;
  }
  ADD_FAILURE() << "no row begins with " << start;
  return -1;
}

// The girl on the path beside the newspaper, the screen not yet scrolling.
struct OnThePath {
  OnThePath() {
    h.StartUp();
    h.session().current_room = kForestPath;
  }
  GameHarness h;
};

TEST(Newspaper, TheArticleIsWhiteAlsoWhereTheScreenDoesNotScroll) {
  OnThePath p;
  p.h.PlayLines({"lies zeitung"});  // ends at the first pause, half the article shown
  EXPECT_EQ(ColourOfRow(p.h, "Zeitungen sind"), kLightGrey);
  EXPECT_EQ(ColourOfRow(p.h, "WOLF AUF BEWÄHRUNG"), kWhite);
  EXPECT_EQ(ColourOfRow(p.h, "Seit gestern Nachmittag"), kWhite);  // a paragraph's first row
  EXPECT_EQ(ColourOfRow(p.h, "Geschäfte."), kWhite);               // and its last
}

TEST(Newspaper, TheStoryAfterTheArticleIsGreyAgain) {
  OnThePath p;
  p.h.frontend.set_shows_pages(false);
  p.h.PlayLines({"lies zeitung"});
  EXPECT_EQ(ColourOfRow(p.h, "Schwere Vorwürfe"), kWhite);
  EXPECT_EQ(ColourOfRow(p.h, "Morgen haben wir"), kWhite);
  EXPECT_EQ(ColourOfRow(p.h, "Ach herrje!"), kLightGrey);
  EXPECT_EQ(ColourOfRow(p.h, "Da bewegt sich was!"), kLightGrey);

  p.h.PlayLines({"zerreiße zeitung", "lies zeitung"});
  EXPECT_EQ(ColourOfRow(p.h, "Nur die erste Seite"), kLightGrey);
  EXPECT_EQ(ColourOfRow(p.h, "WOLF AUF BEW ..."), kWhite);
  EXPECT_EQ(ColourOfRow(p.h, "ehrl ..."), kWhite);
  EXPECT_EQ(ColourOfRow(p.h, "Entnervt gibst du auf."), kLightGrey);
}

}  // namespace
