// The game from start-up to the end of the program: the turn loop, which
// owns the game session, its start-up and its error handler.
#pragma once

#include <functional>

#include "console/line_frontend.h"
#include "world/game_session.h"
#include "world/turn.h"

class Console;
class RandomSource;

// Hands one sentence to the parser and the game logic.
using CommandProcessor = std::function<TurnEnd(GameSession&, Console&, InputOrigin)>;

class Game {
 public:
  Game(Console& console, RandomSource& random);
  Game(Console& console, RandomSource& random, CommandProcessor processor);

  // Start-up, then one turn after another. Only ProgramExit ends it.
  [[noreturn]] void Run();
  // One turn after another, restarting when asked to.
  [[noreturn]] void PlayTurns();

  // The start-up; a restart re-enters it after the console set-up.
  void StartUp();
  // One turn: from the top of the turn to its end, with the error handler armed.
  void Turn();
  // Every variable to zero, then the start-up again.
  void Restart();
  // The error handler, entered with the code of the failure.
  void HandleError(int code);

  GameSession& session() { return session_; }

 private:
  void StartUpFromStep2();
  void PrintPrologue();
  void PrintTitleScreen();
  TurnEnd RunTurn();
  void RefreshLastCommandButtons();
  void RunCountdowns();
  bool FedChainRunsAway();
  TurnEnd BreakFedChain();

  Console& console_;
  RandomSource& random_;
  CommandProcessor processor_;
  GameSession session_;
  int lines_without_prompt_ = 0;  // lines the game fed itself since the last prompt
};

// A whole game in line mode through `io`, until the input ends or the player
// quits; gives the program's exit status.
int PlayInLineMode(LineIo io, RandomSource& random);
