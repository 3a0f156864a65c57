// What the transcripts cannot reach: the synonym table as a whole, and
// sentences whose answer depends on a state that play cannot reach yet (the
// well, the house front, the tower, a found voucher, the beaver at his stand).
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "parser/parser_messages.h"
#include "parser/vocabulary.h"
#include "support/game_harness.h"

namespace {

using Rows = std::vector<std::string>;

// One lookup, one answer: a form in two rows would make the second row
// unreachable, and a canonical word found again would be looked up twice.
TEST(VocabularyTest, EachFormIsInOneRowAndEachCanonicalWordIsFinal) {
  GameSession session;
  std::set<std::string> seen;
  for (const SynonymRow& row : SynonymRows()) {
    for (const std::string& form : row.input_forms) EXPECT_TRUE(seen.insert(form).second) << Utf8FromCp850(form);
    if (row.rule == SynonymRule::kFixed) {
      EXPECT_EQ(CanonicalWord(row.canonical, session), row.canonical) << Utf8FromCp850(row.canonical);
    }
  }
}

TEST(ParserInUnreachedStates, NotesAndPlaceDependentWords) {
  const struct {
    std::function<void(GameSession&)> set_up;
    Rows lines;
    Rows rows;
  } cases[] = {
      {[](GameSession& s) { s.current_room = 11; },
       {"gehe hinein", "hinein", "öffne"},
       {">gehe hinein", "Die geschlossene Tür versperrt dir den Weg.", ">hinein",
        "Die geschlossene Tür versperrt dir den Weg.", ">öffne", "(die Tür)", "Die Tür ist abgeschlossen."}},
      {[](GameSession& s) { s.current_room = 5; },
       {"küsse"},
       {">küsse", "(den Frosch)", "Uärrrggg! Igitt! Das ist ja noch ekliger, als einen Jungen zu küssen. Beim",
        "ersten Versuch bringst du es einfach nicht über dich."}},
      {[](GameSession& s) { s.voucher_found = s.voucher_carried = 1; },
       {"lies"},
       {">lies", "(den Gutschein)", "HONIGGUTSCHEIN",
        "Bei Vorlage dieses Gutscheins beim Honigstand am Fluss erhalten Sie ein", "Gratisglas erlesenen Bienenhonigs."}},
      {[](GameSession& s) { s.current_room = 14; },
       {"steige raus", "schaue raus", "züge"},
       {">steige raus", "Hinauszusteigen würde einen Sturz in die Tiefe bedeuten.", ">schaue raus",
        "Durch die Öffnung kannst du erkennen, wie weit es vor dem Turm in die Tiefe", "geht.", ">züge",
        "Du hast bisher 0 Züge benötigt."}},
      {[](GameSession& s) { s.current_room = 6; },
       {"lege stand hin"},
       {">lege stand hin", "Du besitzt den Honigstand nicht."}},
      {[](GameSession& s) { s.current_room = 8, s.beaver_present = 1; },
       {"lege stand hin", "lege anzug hin"},
       {">lege stand hin", "Du besitzt den Schlüsseldienst nicht.", ">lege anzug hin",
        "Du besitzt den Hosenanzug nicht."}},
      // The person spoken to is named, but nothing has been remembered yet.
      {[](GameSession& s) {
         s.last_named_object = "oma";
         s.last_named_gender = 2;
       },
       {"erzähle ihr von wolf"},
       {">erzähle ihr von wolf", "[Ich weiß nicht, auf was du 'oma' beziehst.]"}},
  };
  for (const auto& c : cases) {
    GameHarness h;
    h.StartUp();
    h.frontend.Flush(h.console);
    c.set_up(h.session());
    EXPECT_EQ(h.PlayLines(c.lines), c.rows) << c.lines.front();
  }
}

TEST(ParserNotes, CountAsOnePrintedLineForThePager) {
  GameHarness h;
  h.session().lines_since_pause = 3;
  PrintNote(h.session(), h.console, "(den Korb)");
  EXPECT_EQ(h.session().lines_since_pause, 4);
}

}  // namespace
