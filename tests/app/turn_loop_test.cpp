// The order of a turn where a transcript cannot see it: a recorder stands in for the parser and keeps the session
// as each sentence found it (countdowns, queued and program-made lines, the frog's lament); and the start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

using Call = std::pair<std::string, InputOrigin>;
using Texts = std::vector<std::string>;

// A game at its first prompt whose parser records each sentence, counts "warte" as a move, then runs `action`.
struct Recorded {
  explicit Recorded(std::function<void(GameSession&)> effect)
      : action(std::move(effect)), h([this](GameSession& s, Console&, InputOrigin origin) {
          calls.emplace_back(s.input_line, origin);
          seen.push_back(s);
          if (s.input_line == "warte") ++s.move_count;
          action(s);
          return TurnEnd::kTopOfTurn;
        }) {
    h.StartUp();
  }
  int Count(const std::string& line) const { return static_cast<int>(std::ranges::count(h.Lines(), line)); }

  std::function<void(GameSession&)> action;
  std::vector<Call> calls;
  std::vector<GameSession> seen;
  GameHarness h;
};

// At the well the frog may lament instead of the forest's sounds: from the third move on, at most once, and not
// while being kissed.
TEST(AmbienceTest, TheFrogLamentsAtTheWellAtMostOnceAndNotWhileBeingKissed) {
  for (const bool kissing : {false, true}) {
    Recorded r([kissing](GameSession& s) { s.command.verb = kissing ? Cp850("küsse") : s.command.verb; });
    r.h.session().current_room = 5;
    r.h.random.fallback = 1;
    const int seeds = r.h.random.seeds;
    r.h.PlayLines(Texts(6, "warte"));
    EXPECT_EQ(r.Count("'Wäre ich doch nur wieder so schön wie zuvor', sagt der Frosch."), kissing ? 0 : 1);
    EXPECT_EQ(r.h.random.seeds - seeds, kissing ? 0 : 4);  // reseeded from the clock before each roll
    EXPECT_EQ(r.h.random.draws, (std::vector<std::pair<int, int>>(kissing ? 0 : 4, {1, 3})));  // the frog's rolls
  }
}

// A question and an unknown word are kept for exactly the next turn; a carried verb lasts its turns, longer
// while a correction is possible or more sentences of the line wait. Queued sentences and lines from the
// program run without a prompt.
TEST(TurnLoopTest, QuestionsCorrectionsCarriedVerbsAndQueuedLinesLastTheirTurns) {
  Recorded r([](GameSession& s) {
    const std::string& line = s.input_line;
    if (line == "schaue unter") s.pending_mode = 2, s.pending_completion = "schaue unter ";
    if (line == "schaue unter") s.unknown_word_countdown = 2, s.unknown_word = "xyz", s.unknown_word_line = "nimm xyz";
    if (line == "nimm") s.context_verb = "nehme", s.context_verb_turns = 2;
    if (line == "nimm xyz" || line == "a") s.context_verb = "nehme", s.context_verb_turns = 1;
    if (line == "nimm xyz") s.unknown_word_countdown = 2;
    if (line == "a") s.more_sentences_pending = 1, s.pending_sentences = "b";
    if (line == "nimm korb und geh nord") s.more_sentences_pending = 1, s.pending_sentences = "geh nord";
    if (line == "nimm korb und geh nord") s.lines_since_pause = 9, s.command.verb = "nehme", s.command.object1 = "korb";
    if (line == "lies unter") ReadLineNext(s, "lies unter bank");
  });
  r.h.PlayLines({"schaue unter", "bank", "nimm", "korb", "warte", "nimm xyz", "huch", "a", "c",
                 "nimm korb und geh nord", "lies unter"});
  const std::vector<GameSession>& seen = r.seen;
  ASSERT_EQ(seen.size(), 14u);
  const auto question = [&](const GameSession& s) {
    return std::tuple(s.pending_mode, s.pending_completion, s.unknown_word, s.unknown_word_line);
  };
  EXPECT_EQ(question(seen[1]), std::tuple(1, "schaue unter ", "xyz", "nimm xyz"));
  EXPECT_EQ(question(seen[2]), std::tuple(0, "", "", ""));
  EXPECT_EQ((Texts{seen[3].context_verb, seen[4].context_verb, seen[6].context_verb, seen[8].input_line,
                   seen[8].context_verb, seen[9].context_verb}),
            (Texts{"nehme", "", "nehme", "b ", "nehme", ""}));
  EXPECT_EQ(seen[6].context_verb_turns, 0);
  using enum InputOrigin;
  EXPECT_EQ(std::vector(r.calls.begin() + 10, r.calls.end()),
            (std::vector<Call>{{"nimm korb und geh nord", kTyped}, {"geh nord ", kQueued}, {"lies unter", kTyped},
                               {"lies unter bank", kFromProgram}}));
  EXPECT_GT(seen[11].lines_since_pause, 9);  // paging counts across the sentences of a line
  EXPECT_EQ(seen[12].lines_since_pause, 1);  // and starts again with the next typed one
  EXPECT_EQ(seen[11].command.verb, "");  // the last verb and object become the last two buttons, and are cleared
  const auto& labels = r.h.session().command_button_labels;
  EXPECT_EQ(std::pair(labels[10], labels[11]), std::pair(std::string("nehme "), std::string("Korb ")));
}

// A line that keeps feeding itself, by repeating or by queuing ever more sentences, is cut off with a message.
TEST(TurnLoopTest, ALineThatFeedsItselfForEverIsCutOff) {
  for (const bool queued : {false, true}) {
    Recorded r([queued](GameSession& s) {
      if (s.input_line.starts_with("warte")) return;
      (queued ? s.more_sentences_pending : s.line_from_program) = 1;
      (queued ? s.pending_sentences : s.input_line) = "x";
    });
    r.h.frontend.set_shows_pages(false);  // the many blank lines would wait for a key
    r.h.PlayLines({"x", "warte"});
    ASSERT_EQ(r.calls.size(), 202u) << queued;  // the line, 200 of its own, then "warte" at the prompt
    EXPECT_EQ(r.Count("[Die Eingabe wiederholt sich endlos und wird abgebrochen.]"), 1);
  }
}

TEST(StartUpTest, KeysTypedBeforeThePrologueAreDiscarded) {
  GameHarness h;
  h.frontend.set_discard_drops_queue(true);
  h.frontend.Key('x');
  EXPECT_THROW(h.game.Run(), ProgramExit);
  EXPECT_EQ(h.frontend.pending(), 0u);
  EXPECT_EQ(h.Row(18), std::string(30, ' ') + "<Beliebige Taste>");  // still waiting
}

}  // namespace
