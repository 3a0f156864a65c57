#include "app/play_sentence.h"

#include "commands/special_commands.h"
#include "parser/parser.h"
#include "story/verbs/chain.h"
#include "story/verbs/movement.h"

TurnEnd PlaySentence(GameSession& session, Console& console, InputOrigin origin) {
  switch (ParseSentence(session, console, origin)) {
    case Route::kEndOfTurn:
      return TurnEnd::kEndOfTurn;
    case Route::kTopOfTurn:
      return TurnEnd::kTopOfTurn;
    case Route::kSpecialCommand:
      return RunSpecialCommand(session, console);
    case Route::kMovement:
      return Move(session, console);
    case Route::kVerbChain:
      return RunVerbChain(session, console);
  }
  return TurnEnd::kTopOfTurn;
}
