// Whatever is typed, the parser ends every turn: no crash, no error, no
// endless re-parsing, and a line of sentences always runs out.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/play_sentence.h"
#include "support/game_harness.h"
#include "world/game_error.h"

namespace {

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

  // The typed line is replaced by the test's, as it stands: the editor would
  // keep most odd bytes out.
  std::string line;
  int sentences = 0;
  GameHarness h([&](GameSession& s, Console& console, InputOrigin origin) {
    if (origin == InputOrigin::kTyped) s.input_line = line;
    ++sentences;
    try {
      const TurnEnd end = PlaySentence(s, console, origin);
      EXPECT_LE(s.message_line.size(), 255u) << line;
      return end;
    } catch (const GameError& error) {
      ADD_FAILURE() << "error " << error.code << ": " << line;
      throw;
    }
  });
  h.StartUp();
  h.frontend.set_shows_pages(false);
  const auto play = [&] {
    sentences = 0;
    h.frontend.Line("x");
    h.Play();
    EXPECT_LE(sentences, 50) << line;
  };
  for (int round = 0; round < 3000 && !testing::Test::HasFailure(); ++round) {
    line.clear();
    for (int words = length(random); words > 0; --words) line += pieces[pick(random)] + (random() % 3 ? " " : "");
    h.session().current_room = 1 + static_cast<int>(random() % 14);
    h.session().bouquet_carried = static_cast<int>(random() % 2);
    play();
  }
  const std::string long_line(5000, 'a');
  line = long_line + " und " + long_line;
  play();
}

}  // namespace
