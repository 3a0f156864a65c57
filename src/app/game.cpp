#include "app/game.h"

#include <utility>

#include "app/play_sentence.h"
#include "console/button_labels.h"
#include "console/console.h"
#include "console/line_editor.h"
#include "console/status_bar.h"
#include "console/text_output.h"
#include "parser/sentences.h"
#include "story/room_descriptions.h"
#include "story/turn_events.h"
#include "world/encoding.h"
#include "world/game_error.h"
#include "world/random_source.h"

namespace {

// Far more lines than a game ever feeds itself between two prompts (the
// sentences of one typed line, a completed answer, a repeat).
constexpr int kMostLinesWithoutPrompt = 200;

}  // namespace

Game::Game(Console& console, RandomSource& random) : Game(console, random, PlaySentence) {}

Game::Game(Console& console, RandomSource& random, CommandProcessor processor)
    : console_(console), random_(random), processor_(std::move(processor)) {}

void Game::Run() {
  StartUp();
  PlayTurns();
}

void Game::PlayTurns() {
  for (;;) {
    try {
      Turn();
    } catch (const RestartRequest&) {
      Restart();
    }
  }
}

void Game::Turn() {
  try {
    if (RunTurn() == TurnEnd::kEndOfTurn) PrintMessage(session_, console_);
  } catch (const GameError& error) {
    HandleError(error.code);
  }
}

void Game::Restart() {
  session_ = GameSession{};
  StartUpFromStep2();
}

// --- The turn --------------------------------------------------------------

TurnEnd Game::RunTurn() {
  GameSession& s = session_;
  s.random = &random_;
  console_.SetCursorVisible(false);
  ++s.lines_since_pause;
  // The console's size needs no care here: the terminal front end keeps the
  // 80 x 25 screen itself and asks for a larger window when it is smaller.
  if (!s.more_sentences_pending) s.lines_since_pause = 0;  // paging counts per typed line
  if (console_.CursorRow() < 4) console_.SetCursor(4, 1);
  s.save_format_marker = 300;
  if (s.accent_colour == 0) s.accent_colour = kDarkGrey;
  RefreshLastCommandButtons();

  RunWolfEvents(s, console_);
  RunAmbience(s, console_, random_);
  UpdateReferents(s);
  RunCountdowns();

  if (!s.suppress_blank_line) PrintText(s, console_, "");
  s.suppress_blank_line = 0;

  s.command = ParsedCommand{};

  if (s.more_sentences_pending) {
    if (FedChainRunsAway()) return BreakFedChain();
    console_.SetForeground(kLightGrey);
    s.input_line = s.pending_sentences + " ";
    s.more_sentences_pending = 0;
    return processor_(s, console_, InputOrigin::kQueued);
  }

  s.more_sentences_pending = 0;
  int row = console_.CursorRow();
  console_.SetColours(kBlack, s.accent_colour);
  DrawStatusTemplate(s, console_);
  DrawStatusValues(s, console_);
  if (!s.first_prompt_done) {
    row -= 4;
    s.first_prompt_done = 1;
  }
  console_.SetCursor(row, 1);
  console_.SetColours(kWhite, kBlack);

  InputOrigin origin = InputOrigin::kFromProgram;
  if (!s.line_from_program) {
    s.input_line.clear();
    CommandLineOptions prompt;
    prompt.row = console_.CursorRow();
    ReadCommandLine(s, console_, prompt);
    origin = InputOrigin::kTyped;
    lines_without_prompt_ = 0;
  } else if (FedChainRunsAway()) {
    return BreakFedChain();
  }
  s.moves_at_prompt = s.move_count;

  if (s.line_from_program) {
    s.line_from_program = 0;
    console_.SetForeground(kLightGrey);
  }
  return processor_(s, console_, origin);
}

bool Game::FedChainRunsAway() { return ++lines_without_prompt_ > kMostLinesWithoutPrompt; }

// No line the game feeds itself may keep it from the prompt for ever.
TurnEnd Game::BreakFedChain() {
  GameSession& s = session_;
  lines_without_prompt_ = 0;
  s.more_sentences_pending = 0;
  s.line_from_program = 0;
  s.suppress_blank_line = 0;
  return Answer(s, "[Die Eingabe wiederholt sich endlos und wird abgebrochen.]");
}

void Game::RefreshLastCommandButtons() {
  GameSession& s = session_;
  if (!s.command.verb.empty()) s.command_button_labels[10] = s.command.verb + " ";
  if (!s.command.object1.empty()) s.command_button_labels[11] = Capitalise(s.command.object1) + " ";
}

// Each countdown runs out at 0, and what it kept is dropped then. A carried
// verb stays while further sentences of the line wait or a correction is
// still possible, and goes at the first turn after that.
void Game::RunCountdowns() {
  GameSession& s = session_;
  if (s.context_verb_turns > 0) --s.context_verb_turns;
  if (s.context_verb_turns == 0 && s.unknown_word_countdown == 0 && !s.more_sentences_pending) {
    s.context_verb.clear();
  }
  if (s.unknown_word_countdown > 0) --s.unknown_word_countdown;
  if (s.unknown_word_countdown == 0) {
    s.unknown_word.clear();
    s.unknown_word_line.clear();
  }
  if (s.pending_mode > 0) --s.pending_mode;
  if (s.pending_mode == 0) s.pending_completion.clear();
}

// --- The error handler -----------------------------------------------------

void Game::HandleError(int code) {
  GameSession& s = session_;
  console_.SetWriteBuffer(0);
  console_.SetShownBuffer(0);
  console_.Clear();
  console_.EndFullScreen();  // a dialog may have been open
  console_.SetCursor(5, 1);
  if (s.screen_rows != 25 && s.screen_rows != 43 && s.screen_rows != 50) s.screen_rows = 25;
  if (s.saved_cursor_row > 0) console_.LineEnd();

  console_.SetForeground(kYellow);
  console_.LineEnd();
  console_.Write("Ein Fehler ist aufgetreten!");
  console_.LineEnd();
  console_.LineEnd();
  console_.SetForeground(kLightGrey);

  switch (code) {
    case kErrorBadValue:
      console_.SetCursor(8, 1);
      WriteLine(console_, kLightGrey, "Es wurde ein Spielstand geladen, der nicht dem Format des Spiels entspricht.");
      WriteLine(console_, kYellow, "Das Spiel muss neu gestartet werden.");
      console_.LineEnd();
      console_.LineEnd();
      WriteLine(console_, kLightGrey, Cp850("<Bitte eine Taste drücken für Neustart.>"));
      console_.ReadKey(WaitKind::kAnyKey);
      throw RestartRequest{};
    case kErrorPastEnd:
      WriteLine(console_, kLightGrey, "Der Spielstand entspricht nicht dem Format dieser Version des Spiels.");
      console_.LineEnd();
      WriteLine(console_, kLightGrey, "Das Spiel muss gestartet werden!");
      console_.LineEnd();
      WriteLine(console_, kLightGrey, "<Leertaste>");
      while (console_.ReadKey(WaitKind::kAnyKey) != ' ') {
      }
      throw RestartRequest{};
    case kErrorFileNotFound:
      PrintMessage(s, console_,
                   Cp850("Der Spielstand wurde nicht gefunden. Bitte überprüfe den Namen und das Verzeichnis, "
                         "oder kopiere den Spielstand in das Verzeichnis, aus dem das Spiel gestartet wurde."));
      break;
    case kErrorFileExists:
      WriteLine(console_, kLightGrey, "Der Spielstand existiert bereits.");
      break;
    case kErrorDiskFull:
      WriteLine(console_, kLightGrey, Cp850("Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden."));
      break;
    case kErrorWriteProtected:
      WriteLine(console_, kLightGrey, Cp850("Die Diskette ist schreibgeschützt."));
      break;
    case kErrorDeviceNotReady:
      WriteLine(console_, kLightGrey, "Im Diskettenlaufwerk ist keine Diskette vorhanden.");
      break;
    case kErrorDeviceIo:
      WriteLine(console_, kLightGrey, "Die Diskette ist fehlerhaft. Bitte verwende eine andere Diskette.");
      break;
    default:
      WriteLine(console_, kLightGrey, "Die Aktion wird abgebrochen.");
      break;
  }
  // The game keeps all its variables; the next turn begins at the top.
}

int PlayInLineMode(LineIo io, RandomSource& random) {
  LineFrontend frontend(std::move(io));
  Console console(frontend);
  Game game(console, random);
  try {
    game.Run();
  } catch (const ProgramExit& exit) {
    frontend.Finish(console);
    return exit.status;
  }
}
