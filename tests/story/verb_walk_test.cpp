// Every verb the game knows, with things carried, lying here and absent,
// with characters and with the player, at several stages of the story:
// each command gets an answer, and none but the verbs that move things moves
// a thing.
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

// Verbs whose answers may rightly move a thing: taking, putting down,
// throwing, eating, reading and searching the newspaper (the voucher comes
// out), opening and closing the jar, and the lid turned or loosened.
const char* const kMovingVerbs[] = {"nehme", "hole",  "lege",      "stelle", "werfe",    "stecke", "esse",
                                    "lese",  "durchsuche", "zerreiße", "öffne", "schließe", "drehe",  "löse",
                                    "entferne", "pflücke", "gebe",  "fütter", "locke", "zeige", "bezahle",
                                    "erzähle"};

struct Stage {
  const char* name;
  std::vector<std::string> lines;  // played from the start of a game
};

const Stage kStages[] = {
    {"at the bench", {"n"}},
    {"at the well", {"n", "nimm die zeitung und lies sie", "n", "no", "gib dem bären den gutschein", "sw", "w",
                     "öffne das glas", "pflücke blumen", "nimm gras", "sw"}},
    {"with the wolf and the sheep",
     {"n", "nimm die zeitung und lies sie", "n", "no", "gib dem bären den gutschein", "sw", "w", "öffne das glas",
      "nimm gras", "sw", "küsse den frosch", "küsse ihn", "küsse ihn", "nimm die kugel", "no", "o", "n", "w", "w",
      "zeige den schafen das gras", "o"}},
};

const char* const kObjects[] = {"korb",  "zeitung", "kugel", "gras", "honigglas", "frosch", "wolf",
                                "biber", "schaf",   "dich",  "baum", "tür",       "gutschein"};

TEST(VerbWalk, EveryVerbAnswersAndMovesNothingItShouldNot) {
  for (const Stage& stage : kStages) {
    GameSession start;
    {
      GameHarness h;
      h.frontend.set_shows_pages(false);
      h.StartUp();
      h.PlayLines(stage.lines);
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
          const std::vector<std::string> rows = h.PlayLines({line});
          // The echo, then at least one row of answer.
          ASSERT_FALSE(rows.empty()) << line;
          EXPECT_EQ(rows.front(), ">" + line);
          EXPECT_GE(rows.size(), 2u) << stage.name << ": " << line;
          if (!moving) {
            EXPECT_EQ(Places(h.session()), Places(start)) << stage.name << ": " << line;
          }
        }
      }
    }
  }
}

}  // namespace
