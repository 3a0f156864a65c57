// The order of a turn where a transcript cannot see it. A recorder stands in
// for the parser and keeps the session as each sentence found it: the
// countdowns, queued and program-made lines, and the chance of the frog's
// lament. And the start-up's wait for a key.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

using Call = std::pair<std::string, InputOrigin>;
using Texts = std::vector<std::string>;

// A game at its first prompt whose parser records each sentence, counts
// "warte" as a move and then runs `action`.
struct Recorded {
  explicit Recorded(std::function<void(GameSession&)> effect = [](GameSession&) {})
      : action(std::move(effect)), h([this](GameSession& s, Console&, InputOrigin origin) {
          calls.emplace_back(s.input_line, origin);
          seen.push_back(s);
          if (s.input_line == "warte") ++s.move_count;
          action(s);
          return TurnEnd::kTopOfTurn;
        }) {
    h.StartUp();
  }
  void Play(const Texts& lines) {
    for (const std::string& line : lines) h.frontend.Line(line);
    h.Play();
  }
  int Count(const std::string& text) const {
    return static_cast<int>(std::count_if(h.Lines().begin(), h.Lines().end(),
                                          [&](const std::string& line) { return line.find(text) != std::string::npos; }));
  }

  std::function<void(GameSession&)> action;
  std::vector<Call> calls;
  std::vector<GameSession> seen;
  GameHarness h;
};

// At the well the frog may lament instead of the forest's sounds: from the
// third move on, at most once, and not while being kissed.
TEST(AmbienceTest, TheFrogLamentsAtTheWellAtMostOnceAndNotWhileBeingKissed) {
  for (const bool kissing : {false, true}) {
    Recorded r([kissing](GameSession& s) {
      if (kissing) s.command.verb = Cp850("küsse");
    });
    r.h.session().current_room = 5;
    r.h.random.fallback = 1;
    const int seeds = r.h.random.seeds;
    r.Play(Texts(6, "warte"));
    EXPECT_EQ(r.Count("'Wäre ich doch nur wieder so schön wie zuvor', sagt der Frosch."), kissing ? 0 : 1);
    EXPECT_EQ(r.h.random.seeds - seeds, kissing ? 0 : 4);  // reseeded from the clock before each roll
    const auto frog_roll = std::make_pair(1, 3);
    EXPECT_EQ(r.h.random.draws, (std::vector<std::pair<int, int>>(kissing ? 0 : 4, frog_roll)));
  }
}

TEST(TurnLoopTest, QuestionsCorrectionsAndCarriedVerbsLastTheirTurns) {
  Recorded r([](GameSession& s) {
    const std::string& line = s.input_line;
    if (line == "schaue unter") {
      s.pending_mode = 2;
      s.pending_completion = "schaue unter ";
      s.unknown_word_countdown = 2;
      s.unknown_word = "xyz";
      s.unknown_word_line = "nimm xyz";
    }
    if (line == "nimm" || line == "nimm xyz" || line == "a") s.context_verb = "nehme";
    if (line == "nimm") s.context_verb_turns = 2;
    if (line == "nimm xyz" || line == "a") s.context_verb_turns = 1;
    if (line == "nimm xyz") s.unknown_word_countdown = 2;
    if (line == "a") s.more_sentences_pending = 1, s.pending_sentences = "b";
  });
  r.Play({"schaue unter", "bank", "nimm", "korb", "warte", "nimm xyz", "huch", "a", "c"});
  const std::vector<GameSession>& seen = r.seen;
  ASSERT_EQ(seen.size(), 10u);
  // A question and an unknown word are kept for exactly the next turn.
  EXPECT_EQ(std::tuple(seen[1].pending_mode, seen[1].pending_completion, seen[1].unknown_word, seen[1].unknown_word_line),
            std::tuple(1, "schaue unter ", "xyz", "nimm xyz"));
  EXPECT_EQ(std::tuple(seen[2].pending_mode, seen[2].pending_completion, seen[2].unknown_word_countdown,
                       seen[2].unknown_word, seen[2].unknown_word_line),
            std::tuple(0, "", 0, "", ""));
  // A carried verb lasts its turns, longer while a correction is possible or
  // more sentences of the line wait.
  EXPECT_EQ(seen[3].context_verb, "nehme");
  EXPECT_EQ(seen[4].context_verb, "");
  EXPECT_EQ(std::tuple(seen[6].context_verb_turns, seen[6].context_verb), std::tuple(0, "nehme"));
  EXPECT_EQ(std::tuple(seen[8].input_line, seen[8].context_verb), std::tuple("b ", "nehme"));
  EXPECT_EQ(seen[9].context_verb, "");
}

TEST(TurnLoopTest, QueuedSentencesAndLinesFromTheProgramRunWithoutAPrompt) {
  Recorded r([](GameSession& s) {
    if (s.input_line == "nimm korb und geh nord") {
      s.more_sentences_pending = 1;
      s.pending_sentences = "geh nord";
      s.lines_since_pause = 9;
      s.command.verb = "nehme";
      s.command.object1 = "korb";
    }
    if (s.input_line == "schaue unter") {
      s.line_from_program = s.suppress_blank_line = 1;
      s.input_line = "schaue unter bank";
    }
  });
  r.Play({"nimm korb und geh nord", "schaue unter"});
  EXPECT_EQ(r.calls, (std::vector<Call>{{"nimm korb und geh nord", InputOrigin::kTyped},
                                        {"geh nord ", InputOrigin::kQueued},
                                        {"schaue unter", InputOrigin::kTyped},
                                        {"schaue unter bank", InputOrigin::kFromProgram}}));
  EXPECT_GT(r.seen[1].lines_since_pause, 9);  // paging counts across the sentences of a line
  EXPECT_EQ(r.seen[2].lines_since_pause, 1);  // and starts again with the next typed one
  // The last verb and object become the last two buttons, and are cleared.
  EXPECT_EQ(r.seen[1].command.verb, "");
  EXPECT_EQ(r.h.session().command_button_labels[10], "nehme ");
  EXPECT_EQ(r.h.session().command_button_labels[11], "Korb ");
  // No blank line before the line from the program, only before the prompt.
  int row = kScreenRows;
  while (row > 1 && r.h.Row(row) != ">schaue unter") --row;
  EXPECT_EQ((Texts{r.h.Row(row + 1), r.h.Row(row + 2)}), (Texts{"", ">"}));
}

// A line that keeps feeding itself, by repeating or by queuing ever more
// sentences, is cut off with a message and the prompt comes back.
TEST(TurnLoopTest, ALineThatFeedsItselfForEverIsCutOff) {
  for (const bool queued : {false, true}) {
    Recorded r([queued](GameSession& s) {
      if (s.input_line.starts_with("warte")) return;
      (queued ? s.more_sentences_pending : s.line_from_program) = 1;
      (queued ? s.pending_sentences : s.input_line) = "x";
    });
    r.h.frontend.set_shows_pages(false);  // the many blank lines would wait for a key
    r.Play({"x", "warte"});
    ASSERT_EQ(r.calls.size(), 202u) << queued;  // the line, 200 of its own, then "warte"
    EXPECT_EQ(r.calls.back().second, InputOrigin::kTyped);
    EXPECT_EQ(r.Count("[Die Eingabe wiederholt sich endlos und wird abgebrochen.]"), 1);
  }
}

// Keys typed before the prologue do not answer its wait.
TEST(StartUpTest, KeysTypedBeforeThePrologueAreDiscarded) {
  GameHarness h;
  h.frontend.set_discard_drops_queue(true);
  h.frontend.Key('x');
  h.Run();
  EXPECT_EQ(h.frontend.pending(), 0u);
  EXPECT_EQ(h.Row(18), std::string(30, ' ') + "<Beliebige Taste>");  // still waiting
}

}  // namespace
