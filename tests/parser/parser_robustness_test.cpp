// Whatever is typed, the parser ends every turn: no crash, no endless
// re-parsing, and a line of sentences always runs out.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"
#include "app/play_sentence.h"
#include "world/game_session.h"

namespace {

// Runs one typed line and everything it queues, as the turn loop would.
// Returns the number of turns it took.
int RunLine(GameSession& session, Console& console, const std::string& line) {
  session.input_line = line;
  InputOrigin origin = InputOrigin::kTyped;
  int turns = 0;
  for (;;) {
    ++turns;
    if (turns > 50) return turns;
    if (session.pending_mode > 0 && --session.pending_mode == 0) session.pending_completion.clear();
    if (session.unknown_word_countdown > 0 && --session.unknown_word_countdown == 0) {
      session.unknown_word.clear();
      session.unknown_word_line.clear();
    }
    if (session.context_verb_turns > 0) --session.context_verb_turns;
    session.command = ParsedCommand{};
    session.message_line.clear();
    PlaySentence(session, console, origin);
    if (session.more_sentences_pending == 1) {
      session.input_line = session.pending_sentences + " ";
      session.more_sentences_pending = 0;
      origin = InputOrigin::kQueued;
    } else if (session.line_from_program == 1) {
      session.line_from_program = 0;
      origin = InputOrigin::kFromProgram;
    } else {
      return turns;
    }
  }
}

TEST(ParserRobustnessTest, RandomLinesAlwaysEnd) {
  const std::vector<std::string> pieces = {
      "nimm", "korb", "den", "die", "und", ",", ".", "!", "?", " ", "  ", "ihn", "sie", "es", "ihm", "ihr",
      "ihnen", "alles", "mit", "huch", "oops", "darunter", "hinein", "raus", "nord", "hoch", "schaue", "gehe",
      "lies", "auf", "zu", "an", "aus", "um", "von", "frage", "oma", "wolf", "nach", "danke", "mist", "nicht",
      "xyz", "ae", "oe", "ue", Cp850("ä"), Cp850("ß"), "\x01", "\x7f", "alten", "roten", "kleinen", "gib",
      "blumen", Cp850("schließe"), Cp850("tür"), "aufschließen", "hineingehen", "schafe", "dich", "mache"};
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 12);

  ScriptedFrontend frontend;
  Console console(frontend);
  frontend.set_shows_pages(false);
  GameSession session;
  SetInitialValues(session);
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    const int words = length(random);
    for (int i = 0; i < words; ++i) line += pieces[pick(random)] + (random() % 3 == 0 ? "" : " ");
    session.current_room = 1 + static_cast<int>(random() % 14);
    session.bouquet_carried = static_cast<int>(random() % 2);
    ASSERT_LE(RunLine(session, console, line), 50) << line;
    EXPECT_LE(session.message_line.size(), 255u);
    console.SetCursor(4, 1);
  }
  const std::string long_line(5000, 'a');
  EXPECT_LE(RunLine(session, console, long_line + " und " + long_line), 50);
}

}  // namespace
