// Quendelmar: the full-screen game in a terminal, line mode everywhere else.
#include <csignal>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/game.h"
#include "console/console.h"
#include "console/terminal_frontend.h"
#include "world/random_source.h"

namespace {

int RunInLineMode() {
  ClockRandom random;
  return PlayInLineMode(FileLineIo(stdin, stdout), random);
}

int RunInTerminal(std::unique_ptr<TerminalFrontend> frontend) {
  Console console(*frontend);
  ClockRandom random;
  Game game(console, random);
  try {
    game.Run();
  } catch (const ProgramExit& exit) {
    return exit.status;  // the front end's destructor restores the terminal
  }
}

}  // namespace

int main() {
  // A closed pipe ends the game quietly, and a full disk or a file-size
  // limit makes a write fail with an answer, instead of killing the game.
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
  if (TerminalFrontend::Usable()) {
    std::unique_ptr<TerminalFrontend> frontend;
    try {
      frontend = std::make_unique<TerminalFrontend>();
    } catch (const std::runtime_error&) {
      return RunInLineMode();
    }
    return RunInTerminal(std::move(frontend));
  }
  return RunInLineMode();
}
