// A game driven by a script: keys in, screen and transcript out.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/game.h"
#include "console/console.h"
#include "console/scripted_frontend.h"
#include "world/encoding.h"
#include "world/random_source.h"

// Always draws `fallback` (70: no ambience message), counting draws and seeds.
class ScriptedRandom : public RandomSource {
 public:
  void SeedFromClock() override { ++seeds; }
  int Draw(int low, int high) override { return draws.emplace_back(low, high), fallback; }

  int fallback = 70;
  int seeds = 0;
  std::vector<std::pair<int, int>> draws;
};

struct GameHarness {
  GameHarness() : console(frontend), game(console, random) {}
  explicit GameHarness(CommandProcessor processor) : console(frontend), game(console, random, std::move(processor)) {}

  // Answers the prologue's key and runs the start-up only.
  void StartUp() { frontend.Key(' '), game.StartUp(); }
  // Plays turns on the current state until the script is used up.
  void Play() {
    EXPECT_THROW(game.PlayTurns(), ProgramExit);
    frontend.Flush(console);
  }
  // A row of the screen as UTF-8, trailing blanks removed.
  std::string Row(int row) const {
    std::string text = Utf8FromCp850(console.ShownRow(row));
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  const Cell& CellAt(int row, int col) const { return console.ShownCell(row, col); }
  const std::vector<std::string>& Lines() const { return frontend.Lines(); }
  // Types the lines, plays them, and gives back the non-empty rows printed.
  std::vector<std::string> PlayLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) frontend.Line(line);
    const size_t before = Lines().size();
    Play();
    std::vector<std::string> rows;
    for (size_t i = before; i < Lines().size(); ++i) if (!Lines()[i].empty()) rows.push_back(Lines()[i]);
    return rows;
  }
  GameSession& session() { return game.session(); }

  ScriptedFrontend frontend;
  Console console;
  ScriptedRandom random;
  Game game;
};
