// Every verb the game knows, with things carried, lying here and absent, with characters and with the player, at
// several stages of the story: each command gets an answer, and none but the verbs that move things moves a thing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "parser/vocabulary.h"
#include "support/game_harness.h"

namespace {

// Where every portable thing is.
auto Places(const GameSession& s) {
  return std::make_tuple(s.basket_carried, s.basket_room, s.newspaper_carried, s.newspaper_room, s.voucher_carried,
                         s.voucher_room, s.honey_jar_carried, s.honey_jar_room, s.honey_jar_state, s.lid_room,
                         s.ball_state, s.ball_room, s.bouquet_carried, s.bouquet_room, s.grass_carried, s.grass_room,
                         s.key_holder, s.key_room, s.umbrella_carried, s.umbrella_room, s.coin_state, s.coin_room);
}

// Verbs whose answers may rightly move a thing: taking, putting down, throwing, eating, reading and searching the
// newspaper (the voucher comes out), opening and closing the jar, the lid turned or loosened, giving and trading.
const char* const kMovingVerbs[] = {"nehme", "hole", "lege", "stelle", "werfe", "stecke", "esse", "lese",
                                    "durchsuche", "zerreiße", "öffne", "schließe", "drehe", "löse", "entferne",
                                    "pflücke", "gebe", "fütter", "locke", "zeige", "bezahle", "erzähle"};
const char* const kObjects[] = {"korb", "zeitung", "kugel", "gras", "honigglas", "frosch", "wolf",
                                "biber", "schaf", "dich", "baum", "tür", "gutschein"};
const std::vector<std::string> kToTheWell = {"n", "nimm die zeitung und lies sie", "n", "no",
                                             "gib dem bären den gutschein", "sw", "w", "öffne das glas"};

// At the bench; at the well; back from the wolf with the sheep.
TEST(VerbWalk, EveryVerbAnswersAndMovesNothingItShouldNot) {
  std::vector<std::string> at_the_well = kToTheWell, with_the_sheep = kToTheWell;
  at_the_well.insert(at_the_well.end(), {"pflücke blumen", "nimm gras", "sw"});
  with_the_sheep.insert(with_the_sheep.end(), {"nimm gras", "sw", "küsse den frosch", "küsse ihn", "küsse ihn",
                                               "nimm die kugel", "no", "o", "n", "w", "w", "zeige den schafen das gras",
                                               "o"});
  for (const std::vector<std::string>& stage : {std::vector<std::string>{"n"}, at_the_well, with_the_sheep}) {
    GameSession start;
    {
      GameHarness h;
      h.frontend.set_shows_pages(false);
      h.StartUp();
      h.PlayLines(stage);
      start = h.session();
    }
    for (const WordList list : {WordList::kVerbs1, WordList::kVerbs2, WordList::kVerbs3}) {
      for (const std::string& verb : WordListWords(list)) {
        bool moving = false;
        for (const char* v : kMovingVerbs) moving = moving || verb == Cp850(v);
        for (const char* object : kObjects) {
          GameHarness h;
          h.frontend.set_shows_pages(false);
          h.StartUp();
          h.frontend.Flush(h.console);
          h.session() = start;
          const std::string line = Utf8FromCp850(verb) + " " + object;
          const std::vector<std::string> rows = h.PlayLines({line});  // the echo, then at least one row of answer
          ASSERT_GE(rows.size(), 2u) << stage.back() << ": " << line;
          EXPECT_EQ(rows.front(), ">" + line);
          EXPECT_TRUE(moving || Places(h.session()) == Places(start)) << stage.back() << ": " << line;
        }
      }
    }
  }
}

}  // namespace
