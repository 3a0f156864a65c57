#include <string>
#include <string_view>

#include "commands/special_command_parts.h"
#include "console/console.h"
#include "console/status_bar.h"
#include "console/text_output.h"
#include "parser/vocabulary.h"
#include "world/encoding.h"

namespace {

// Waits for "j" or "n" (either case); every other key is ignored.
bool AnsweredYes(Console& console) {
  for (;;) {
    int key = console.ReadKey(WaitKind::kChoice);
    if (key >= 'A' && key <= 'Z') key += 'a' - 'A';
    if (key == 'j') return true;
    if (key == 'n') return false;
  }
}

void AskQuestion(GameSession& session, Console& console, const char* question) {
  WriteLine(console, kLightGrey, question);
  ++session.lines_since_pause;
  RedrawStatusBar(session, console);
}

void SayWeGoOn(GameSession& session, Console& console, const char* note) {
  WriteLine(console, kLightGrey, note);
  ++session.lines_since_pause;
}

}  // namespace

TurnEnd AskToQuit(GameSession& session, Console& console) {
  AskQuestion(session, console, "Spiel wirklich beenden? (j/n)");
  if (!AnsweredYes(console)) {
    SayWeGoOn(session, console, "(Spiel wird fortgesetzt).");
    return TurnEnd::kTopOfTurn;
  }
  RedrawStatusBar(session, console);
  console.Sleep(1000);
  throw ProgramExit{0};
}

TurnEnd AskToRestart(GameSession& session, Console& console) {
  AskQuestion(session, console, "Spiel wirklich neu starten? (j/n)");
  if (!AnsweredYes(console)) {
    SayWeGoOn(session, console, "(Kein Neustart).");
    return TurnEnd::kTopOfTurn;
  }
  // Keys typed ahead belong to the old game.
  console.DiscardInput();
  throw RestartRequest{};
}

TurnEnd RepeatLastLine(GameSession& session) {
  // A repeat of a repeat would run for ever.
  if (HoldsRepeatWord(session.last_command_line)) session.last_command_line.clear();
  // A line of several sentences cannot be run again as one.
  if (session.more_sentences_pending || session.last_command_line.find("und ") != std::string::npos) {
    session.last_command_line.clear();
    session.more_sentences_pending = 0;
    return Answer(session,
                  "[Eine Wiederholung der letzten Eingabe bei einem Satz, der eine Aufzählung enthält, ist nicht "
                  "möglich.]");
  }
  if (session.last_command_line.empty())
    return Answer(session, "[Eine Wiederholung der letzten Eingabe ist nicht möglich.]");
  ReadLineNext(session, session.last_command_line);
  return Answer(session, "(" + session.input_line + ")");
}
