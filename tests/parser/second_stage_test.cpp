// The second-stage checks where play cannot reach yet: states that only
// puzzles without handlers lead to, the tower that is never entered, and the
// shared answers kept for verb handlers still to be written.
#include "parser/shared_answers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "world/encoding.h"
#include "parser/name_forms.h"
#include "support/game_harness.h"

namespace {

TEST(SecondStage, ChecksInStatesPlayCannotReachYet) {
  const struct {
    void (*set_up)(GameSession&);
    const char* typed;
    std::vector<std::string> rows;  // the rows printed for it, empty ones left out
  } cases[] = {
      {[](GameSession& s) { s.current_room = 6; s.coin_state = 5; }, "nimm taler aus münzausgabe und nimm taler",
       {"Du nimmst den Taler aus der Münzausgabe.", "Der Taler ist bereits in deinem Besitz."}},
      {[](GameSession& s) { s.spare_key_found = 1; s.key_holder = 1; s.key_bent = 0; },
       "nimm den verbogenen schlüssel", {"Du siehst hier keinen verbogenen Schlüssel."}},
      {[](GameSession& s) { s.current_room = 4; s.bouquet_picked = 1; }, "pflücke blumenstrauß",
       {"Du siehst hier keinen Blumenstrauß."}},
      // The tower keeps only a few of the words that are everywhere else.
      {[](GameSession& s) { s.current_room = 14; }, "nimm boden mit turm und nimm sonne",
       {"Du kannst den Boden nicht mit dem Turm nehmen.", "Du siehst hier keine Sonne."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    GameHarness h;
    h.StartUp();
    c.set_up(h.session());
    std::vector<std::string> rows = h.PlayLines({c.typed});
    rows.erase(rows.begin(), std::find(rows.begin(), rows.end(), std::string(">") + c.typed) + 1);
    EXPECT_EQ(rows, c.rows);
  }
}

TEST(SecondStage, SharedAnswersComposeTheNameForms) {
  GameSession s;
  SetInitialValues(s);
  ParsedCommand& c = s.command;
  c.verb = "schiebe";
  c.object1 = "korb";
  c.object1_gender = 1;
  c.object2 = "bienen";
  c.object2_plural = 1;
  c.object2_dative_name = "Bienen";
  FillNameForms(s);
  SayNotHelpful(s);
  EXPECT_EQ(s.message_line, "Es hilft dir nicht weiter, den Korb zu schieben.");
  c.verb = Cp850("schließe");
  c.preposition = "auf";
  SayCannotWith(s);
  EXPECT_EQ(Utf8FromCp850(s.message_line), "Du kannst den Korb nicht mit den Bienen aufschließen.");
  SayNotPossibleWith(s, "");
  EXPECT_EQ(Utf8FromCp850(s.message_line), "Das ist nicht möglich.");

  // Grandmother's names take no article.
  c.verb = "schiebe";
  c.object1 = "oma";
  FillNameForms(s);
  SayNotHelpful(s);
  EXPECT_EQ(s.message_line, "Es hilft dir nicht weiter, Oma zu schieben.");
}

}  // namespace
