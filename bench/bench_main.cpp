// Timing goals: start-up to the first prompt, one turn's own work, and the
// bytes the terminal front end sends for an ordinary turn.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "app/game.h"
#include "world/random_source.h"
#include "console/console.h"
#include "world/encoding.h"
#include "console/scripted_frontend.h"
#include "parser/parser.h"

namespace {

class FixedRandom : public RandomSource {
 public:
  void SeedFromClock() override {}
  int Draw(int, int high) override { return high; }
};

// In process: from the start-up to the first prompt.
void StartUpToFirstPrompt(benchmark::State& state) {
  for (auto _ : state) {
    ScriptedFrontend frontend;
    Console console(frontend);
    FixedRandom random;
    Game game(console, random);
    frontend.Key(' ');
    try {
      game.Run();
    } catch (const ProgramExit&) {
    }
    benchmark::DoNotOptimize(console.ShownCell(19, 1));
  }
}
BENCHMARK(StartUpToFirstPrompt);

// The real binary in line mode, started and run to the end of its input
// (which comes right at the first prompt).
void LineModeProcess(benchmark::State& state) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>("quendelmar"), nullptr};
  char* envp[] = {nullptr};
  for (auto _ : state) {
    pid_t pid;
    if (posix_spawn(&pid, QUENDELMAR_BINARY, &actions, nullptr, argv, envp) != 0) {
      state.SkipWithError("cannot start the game");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the game failed");
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(LineModeProcess)->Unit(benchmark::kMillisecond);

// One typed line: its turn's own work, everything but waiting for the player.
void OneTurn(benchmark::State& state) {
  ScriptedFrontend frontend;
  Console console(frontend);
  FixedRandom random;
  Game game(console, random);
  frontend.Key(' ');
  game.StartUp();
  const std::string line = state.range(0) == 0 ? "warte" : "nimm den korb und gehe nach norden";
  for (auto _ : state) {
    frontend.Line(line);
    try {
      game.PlayTurns();
    } catch (const ProgramExit&) {
    }
  }
}
BENCHMARK(OneTurn)->Arg(0)->Arg(1);

// The parser alone on a typical line, from the typed text to its checked command.
void ParseTypicalLine(benchmark::State& state) {
  ScriptedFrontend frontend;
  Console console(frontend);
  FixedRandom random;
  Game game(console, random);
  frontend.Key(' ');
  game.StartUp();
  GameSession& session = game.session();
  const GameSession start = session;
  const char* const lines[] = {"nimm den korb", "gib dem biber den schlüssel", "schaue unter die bank",
                               "xyz"};
  const std::string line = Cp850(lines[state.range(0)]);
  for (auto _ : state) {
    session = start;
    session.input_line = line;
    benchmark::DoNotOptimize(ParseSentence(session, console, InputOrigin::kTyped));
  }
}
BENCHMARK(ParseTypicalLine)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
