// The order of a turn: world events, ambience, countdowns, the blank line,
// queued sentences and the prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/game_harness.h"
#include "console/text_output.h"
#include "world/game_error.h"

namespace {

using Call = std::pair<std::string, InputOrigin>;
using Texts = std::vector<std::string>;

// Stands in for the parser: records what each sentence looked like and lets
// a test decide what it does.
struct Recorder {
  std::vector<Call> calls;
  std::vector<GameSession> sessions;  // as each sentence found it
  std::function<TurnEnd(GameSession&)> action = [](GameSession&) { return TurnEnd::kTopOfTurn; };
};

class TurnLoopTest : public ::testing::Test {
 protected:
  TurnLoopTest()
      : h([this](GameSession& s, Console&, InputOrigin origin) {
          recorder.calls.emplace_back(s.input_line, origin);
          recorder.sessions.push_back(s);
          if (s.input_line == "warte") ++s.move_count;
          return recorder.action(s);
        }) {
    h.StartUp();
  }
  bool Printed(const std::string& text) const { return Count(text) > 0; }
  // Screen rows first..last as UTF-8, trailing blanks removed.
  Texts Rows(int first, int last) const {
    Texts rows;
    for (int row = first; row <= last; ++row) rows.push_back(h.Row(row));
    return rows;
  }
  int Count(const std::string& text) const {
    const auto& lines = h.Lines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.find(text) != std::string::npos;
    }));
  }
  // Types lines that take one move each.
  void Moves(int count) {
    for (int i = 0; i < count; ++i) h.frontend.Line("warte");
  }
  // Lets the parser change the session when it meets `line`.
  void OnLine(const std::string& line, std::function<void(GameSession&)> effect) {
    recorder.action = [line, effect](GameSession& s) {
      if (s.input_line == line) effect(s);
      return TurnEnd::kTopOfTurn;
    };
  }

  Recorder recorder;
  GameHarness h;
};

TEST_F(TurnLoopTest, ATypedLineReachesTheParserAndIsEchoed) {
  h.frontend.Line("nimm den korb");
  h.Play();
  ASSERT_EQ(recorder.calls.size(), 1u);
  EXPECT_EQ(recorder.calls[0], Call("nimm den korb", InputOrigin::kTyped));
  const auto& lines = h.Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], ">nimm den korb");
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(Rows(19, 21), (Texts{">nimm den korb", "", ">"}));  // a blank line, then the next prompt
}

TEST_F(TurnLoopTest, TheEndOfTurnPointPrintsTheMessageLine) {
  recorder.action = [](GameSession& s) {
    SetMessage(s, "Du hast nichts dabei.");
    return TurnEnd::kEndOfTurn;
  };
  h.frontend.Line("i");
  h.Play();
  EXPECT_EQ(Rows(20, 22), (Texts{"Du hast nichts dabei.", "", ">"}));
}

TEST_F(TurnLoopTest, NoAmbienceInTheFirstThreeMoves) {
  Moves(3);
  h.Play();  // checks at moves 0, 1, 2 and, before the next prompt, 3
  ASSERT_EQ(h.random.draws.size(), 1u);  // only after the third move
  EXPECT_EQ(h.random.draws[0], std::make_pair(1, 70));
}

TEST_F(TurnLoopTest, AmbienceIsCheckedOncePerMoveOnly) {
  Moves(3);
  for (int i = 0; i < 4; ++i) h.frontend.Line("punkte");  // no move
  h.Play();
  EXPECT_EQ(h.random.draws.size(), 1u);
  EXPECT_EQ(h.session().last_ambience_move, 3);
}

TEST_F(TurnLoopTest, WindWoodpeckerAndHareAppearAfterAnEmptyLine) {
  h.random.values = {70, 70, 1, 2, 3, 2, 3};
  Moves(9);
  h.Play();
  EXPECT_EQ(Count("Für einen Moment frischt der Wind auf und rauscht in den Wipfeln der Bäume."), 1);
  EXPECT_EQ(Count("Irgendwo in der Ferne morst ein Specht das SOS."), 1);  // once per game
  EXPECT_EQ(Count("Ein Hase hoppelt aus dem Gebüsch, sieht dich, erstarrt kurz in seiner"), 1);
  const auto& lines = h.Lines();
  const auto wind = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with("Für einen Moment"); });
  ASSERT_NE(wind, lines.end());
  EXPECT_EQ(*(wind - 1), "");
  EXPECT_EQ(*(wind - 2), ">warte");
  EXPECT_EQ(h.session().woodpecker_heard, 1);
  EXPECT_EQ(h.session().hare_seen, 1);
}

TEST_F(TurnLoopTest, SomePlacesAndTurnsRollNoAmbience) {
  struct Case {
    const char* label;
    void (*set_up)(GameSession&);
    std::vector<std::string> lines;
    void (*on_line)(GameSession&);  // besides "warte" taking a move
    int last_checked_move;          // 0: the check is put off, not used up
  };
  const std::vector<std::string> five_moves(5, "warte");
  const Case cases[] = {
      // No forest ambience at the well and in the clearing.
      {"well", [](GameSession& s) { s.current_room = 5; s.frog_transformed = 1; }, five_moves, nullptr, 5},
      {"clearing", [](GameSession& s) { s.current_room = 13; s.frog_transformed = 1; }, five_moves, nullptr, 5},
      {"no room set yet", [](GameSession& s) { s.current_room = 0; }, {"warte", "warte", "warte", "warte"}, nullptr, 4},
      // Repeating a line never triggers a check; an open question delays it.
      {"repeated line", [](GameSession&) {}, {"warte", "warte", "g", "g"},
       [](GameSession& s) {
         if (s.input_line != "g") return;
         ++s.move_count;
         s.command.special_command = "g";
       },
       0},
      {"open question", [](GameSession&) {}, {"warte", "warte", "schaue unter"},
       [](GameSession& s) {
         if (s.input_line != "schaue unter") return;
         ++s.move_count;
         s.pending_mode = 2;
       },
       0},
  };
  for (const Case& c : cases) {
    GameHarness g([&c](GameSession& s, Console&, InputOrigin) {
      if (s.input_line == "warte") ++s.move_count;
      if (c.on_line != nullptr) c.on_line(s);
      return TurnEnd::kTopOfTurn;
    });
    g.StartUp();
    c.set_up(g.session());
    for (const std::string& line : c.lines) g.frontend.Line(line);
    g.Play();
    EXPECT_TRUE(g.random.draws.empty()) << c.label;
    EXPECT_EQ(g.session().last_ambience_move, c.last_checked_move) << c.label;
  }
}

TEST_F(TurnLoopTest, TheFrogLamentsAtMostOnceAndNotWhileBeingKissed) {
  h.session().current_room = 5;
  h.random.fallback = 1;
  const int seeds = h.random.seeds;
  Moves(6);
  h.Play();
  ASSERT_FALSE(h.random.draws.empty());
  EXPECT_EQ(h.random.draws.back(), std::make_pair(1, 3));
  EXPECT_EQ(h.random.seeds - seeds, 4);  // reseeded from the clock before each roll
  EXPECT_EQ(Count("'Wäre ich doch nur wieder so schön wie zuvor', sagt der Frosch."), 1);

  GameHarness kissing([](GameSession& s, Console&, InputOrigin) {
    ++s.move_count;
    s.command.verb = Cp850("küsse");
    return TurnEnd::kTopOfTurn;
  });
  kissing.StartUp();
  kissing.session().current_room = 5;
  kissing.random.fallback = 1;
  for (int i = 0; i < 5; ++i) kissing.frontend.Line("küsse frosch");
  kissing.Play();
  EXPECT_EQ(kissing.session().frog_lament_shown, 0);
}

TEST_F(TurnLoopTest, CountdownsKeepAnOpenQuestionForExactlyOneTurn) {
  OnLine("schaue unter", [](GameSession& s) {
    s.pending_mode = 2;
    s.pending_completion = "schaue unter ";
    s.unknown_word_countdown = 2;
    s.unknown_word = "xyz";
    s.unknown_word_line = "nimm xyz";
  });
  h.frontend.Line("schaue unter");
  h.frontend.Line("bank");
  h.Play();
  ASSERT_EQ(recorder.sessions.size(), 2u);
  const GameSession& kept = recorder.sessions[1];  // as the next sentence finds it
  EXPECT_EQ(kept.pending_mode, 1);
  EXPECT_EQ(kept.pending_completion, "schaue unter ");
  EXPECT_EQ(kept.unknown_word, "xyz");
  EXPECT_EQ(kept.unknown_word_line, "nimm xyz");
  // Run out one turn later, they drop what they kept.
  const GameSession& s = h.session();
  EXPECT_EQ(s.pending_mode, 0);
  EXPECT_EQ(s.pending_completion, "");
  EXPECT_EQ(s.unknown_word_countdown, 0);
  EXPECT_EQ(s.unknown_word, "");
  EXPECT_EQ(s.unknown_word_line, "");
}

TEST_F(TurnLoopTest, ACarriedVerbLastsItsTurnsUnlessACorrectionIsPossible) {
  recorder.action = [](GameSession& s) {
    if (s.input_line == "nimm") {
      s.context_verb = "nehme";
      s.context_verb_turns = 2;
    }
    if (s.input_line == "nimm xyz") {
      s.context_verb = "nehme";
      s.context_verb_turns = 1;
      s.unknown_word_countdown = 2;
      s.unknown_word = "xyz";
    }
    return TurnEnd::kTopOfTurn;
  };
  for (const char* line : {"nimm", "korb", "warte", "nimm xyz", "huch", "warte"}) h.frontend.Line(line);
  h.Play();
  const auto& seen = recorder.sessions;
  ASSERT_EQ(seen.size(), 6u);
  EXPECT_EQ(seen[1].context_verb, "nehme");  // one turn down, one to go
  EXPECT_EQ(seen[2].context_verb, "");
  EXPECT_EQ(seen[4].context_verb_turns, 0);
  EXPECT_EQ(seen[4].context_verb, "nehme");  // a correction may still complete the sentence
}

TEST_F(TurnLoopTest, ACarriedVerbStaysWhileMoreSentencesWait) {
  OnLine("a", [](GameSession& s) {
    s.context_verb = "nehme";
    s.context_verb_turns = 1;
    s.more_sentences_pending = 1;
    s.pending_sentences = "b";
  });
  h.frontend.Line("a");
  h.frontend.Line("c");
  h.Play();
  ASSERT_EQ(recorder.sessions.size(), 3u);
  EXPECT_EQ(recorder.sessions[1].input_line, "b ");
  EXPECT_EQ(recorder.sessions[1].context_verb, "nehme");
  EXPECT_EQ(recorder.sessions[2].context_verb, "");  // gone once the queue was taken
}

TEST_F(TurnLoopTest, QueuedSentencesRunWithoutAPrompt) {
  OnLine("nimm korb und geh nord", [](GameSession& s) {
    s.more_sentences_pending = 1;
    s.pending_sentences = "geh nord";
  });
  h.frontend.Line("nimm korb und geh nord");
  const int waits_before = h.frontend.waits();
  h.Play();
  ASSERT_EQ(recorder.calls.size(), 2u);
  EXPECT_EQ(recorder.calls[1], Call("geh nord ", InputOrigin::kQueued));
  EXPECT_EQ(h.session().more_sentences_pending, 0);
  // Only the typed line and the next prompt waited for keys.
  EXPECT_EQ(h.frontend.waits() - waits_before, static_cast<int>(std::string("nimm korb und geh nord").size()) + 2);
}

TEST_F(TurnLoopTest, PagingCountsAcrossTheSentencesOfOneLine) {
  OnLine("a und b", [](GameSession& s) {
    s.lines_since_pause = 9;
    s.more_sentences_pending = 1;
    s.pending_sentences = "b";
  });
  h.frontend.Line("a und b");
  h.Play();
  ASSERT_EQ(recorder.calls.size(), 2u);
  EXPECT_EQ(h.session().lines_since_pause, 1);  // a new typed line starts at 0 again, plus the blank line
}

TEST_F(TurnLoopTest, ALineFromTheProgramSkipsTheBlankLineAndThePrompt) {
  OnLine("schaue unter", [](GameSession& s) {
    s.line_from_program = 1;
    s.suppress_blank_line = 1;
    s.input_line = "schaue unter bank";
  });
  h.frontend.Line("schaue unter");
  h.Play();
  ASSERT_EQ(recorder.calls.size(), 2u);
  EXPECT_EQ(recorder.calls[1], Call("schaue unter bank", InputOrigin::kFromProgram));
  EXPECT_EQ(h.session().line_from_program, 0);
  // The blank line before the following prompt only.
  EXPECT_EQ(Rows(19, 21), (Texts{">schaue unter", "", ">"}));
}

// A line that keeps feeding itself, by repeating or by queuing ever more
// sentences, is cut off with a message and the prompt comes back.
TEST_F(TurnLoopTest, ALineThatFeedsItselfForEverIsCutOff) {
  h.frontend.set_shows_pages(false);  // the many blank lines would wait for a key
  for (const bool queued : {false, true}) {
    recorder.calls.clear();
    recorder.action = [queued](GameSession& s) {
      if (s.input_line.starts_with("warte")) return TurnEnd::kTopOfTurn;
      if (queued) {
        s.more_sentences_pending = 1;
        s.pending_sentences = "x";
      } else {
        s.line_from_program = 1;
        s.input_line = "x";
      }
      return TurnEnd::kTopOfTurn;
    };
    h.frontend.Line("x");
    h.frontend.Line("warte");
    h.Play();
    ASSERT_EQ(recorder.calls.size(), 202u) << queued;  // the line, 200 of its own, then "warte"
    EXPECT_EQ(recorder.calls.back().second, InputOrigin::kTyped);
    EXPECT_EQ(Count("[Die Eingabe wiederholt sich endlos und wird abgebrochen.]"), queued ? 2 : 1);
  }
}

TEST_F(TurnLoopTest, TheLastVerbAndObjectBecomeTheLastTwoButtons) {
  recorder.action = [](GameSession& s) {
    s.command.verb = "nehme";
    s.command.object1 = "korb";
    return TurnEnd::kTopOfTurn;
  };
  h.frontend.Line("nimm korb");
  h.Play();
  EXPECT_EQ(h.session().command_button_labels[10], "nehme ");
  EXPECT_EQ(h.session().command_button_labels[11], "Korb ");
  EXPECT_EQ(h.session().command.verb, "");  // cleared for the next sentence
}

TEST_F(TurnLoopTest, TheWolfGrabsABallLyingBeforeTheBridge) {
  recorder.action = [](GameSession& s) {
    s.current_room = 7;
    s.ball_room = 7;
    s.ball_state = 0;
    return TurnEnd::kTopOfTurn;
  };
  GameSession& s = h.session();
  h.frontend.Line("lege kugel hin");
  h.Play();
  EXPECT_TRUE(Printed("Der Wolf sieht die Kugel auf dem Boden liegen, reißt sie gierig an sich und"));
  EXPECT_TRUE(Printed("[Deine Punktzahl hat sich um 4 Punkte erhöht.]"));
  EXPECT_TRUE(Printed("[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]"));
  EXPECT_EQ(s.ball_state, 4);
  EXPECT_EQ(s.score, 4);
  EXPECT_EQ(s.wolf_grabbed_ball, 1);
  EXPECT_EQ(h.Row(1).substr(66), "Punkte: 4");
}

TEST_F(TurnLoopTest, TheWolfLeavesOnceHeHasTheBallAndTheSheep) {
  GameSession& s = h.session();
  s.current_room = 7;
  s.ball_state = 4;
  s.sheep_state = 4;
  h.frontend.Line("warte");
  h.Play();
  EXPECT_EQ(s.wolf_gone, 1);
  EXPECT_EQ(s.ball_state, 5);
  EXPECT_EQ(s.sheep_state, 5);
  EXPECT_TRUE(Printed("'Also gut, du hast mir alles gegeben, was ich wollte', sagt der Wolf."));
  EXPECT_EQ(h.CellAt(1, 40).fg, kWhite);  // the way north is free
}

TEST_F(TurnLoopTest, TheErrorHandlerShowsItsMessageAndReturnsToThePrompt) {
  recorder.action = [](GameSession&) -> TurnEnd { throw GameError{kErrorDiskFull}; };
  h.frontend.Line("speichern");
  h.Play();
  // After the message a blank line, then the prompt.
  EXPECT_EQ(Rows(5, 10), (Texts{"", "Ein Fehler ist aufgetreten!", "",
                                "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden.", "", ">"}));
  EXPECT_EQ(h.CellAt(6, 1).fg, kYellow);
  EXPECT_EQ(h.session().current_room, 1);
}

TEST_F(TurnLoopTest, EveryFailureKindHasItsMessage) {
  const std::pair<int, std::string> kinds[] = {
      {kErrorFileExists, "Der Spielstand existiert bereits."},
      {kErrorWriteProtected, "Die Diskette ist schreibgeschützt."},
      {kErrorDeviceNotReady, "Im Diskettenlaufwerk ist keine Diskette vorhanden."},
      {kErrorDeviceIo, "Die Diskette ist fehlerhaft. Bitte verwende eine andere Diskette."},
      {kErrorOther, "Die Aktion wird abgebrochen."},
      {kErrorFileNotFound, "Der Spielstand wurde nicht gefunden. Bitte überprüfe den Namen und das"},
  };
  for (const auto& [code, text] : kinds) {
    h.game.HandleError(code);
    EXPECT_EQ(h.Row(8), text) << code;
  }
}

TEST_F(TurnLoopTest, AnUnreadableSaveRestartsTheGameAfterAKey) {
  recorder.action = [](GameSession&) -> TurnEnd { throw GameError{kErrorBadValue}; };
  h.frontend.Line("laden");
  h.Play();  // waits for the key
  EXPECT_EQ(h.Row(8), "Es wurde ein Spielstand geladen, der nicht dem Format des Spiels entspricht.");
  EXPECT_EQ(h.Row(9), "Das Spiel muss neu gestartet werden.");
  EXPECT_EQ(h.CellAt(9, 1).fg, kYellow);
  EXPECT_EQ(h.Row(12), "<Bitte eine Taste drücken für Neustart.>");
  h.frontend.Key('x');
  EXPECT_THROW(h.game.HandleError(kErrorBadValue), RestartRequest);
}

TEST_F(TurnLoopTest, ATruncatedSaveWaitsForTheSpaceKeyThenRestarts) {
  h.frontend.Key('x');
  h.frontend.Key(13);
  h.frontend.Key(' ');
  EXPECT_THROW(h.game.HandleError(kErrorPastEnd), RestartRequest);
  EXPECT_EQ(h.frontend.pending(), 0u);
  EXPECT_EQ(h.Row(8), "Der Spielstand entspricht nicht dem Format dieser Version des Spiels.");
  EXPECT_EQ(h.Row(10), "Das Spiel muss gestartet werden!");
  EXPECT_EQ(h.Row(12), "<Leertaste>");
}

TEST(ErrorCodes, OperatingSystemErrorsMapOntoTheHandlersRows) {
  const std::pair<int, int> mapping[] = {
      {ENOENT, kErrorFileNotFound},   {EEXIST, kErrorFileExists},     {EBUSY, kErrorFileExists},
      {ENOSPC, kErrorDiskFull},       {EDQUOT, kErrorDiskFull},       {EACCES, kErrorWriteProtected},
      {EROFS, kErrorWriteProtected},  {ENODEV, kErrorDeviceNotReady}, {EIO, kErrorDeviceIo},
      {EISDIR, kErrorOther},          {EINVAL, kErrorOther},
  };
  for (const auto& [error, code] : mapping) EXPECT_EQ(ErrorCodeFromErrno(error), code) << "errno " << error;
}

}  // namespace
