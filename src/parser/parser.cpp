#include "parser/parser.h"

#include <string>

#include "parser/classifier.h"
#include "parser/normalisation.h"
#include "parser/parser_messages.h"
#include "parser/sentence_checks.h"
#include "parser/sentences.h"

Route ParseSentence(GameSession& session, Console& console, InputOrigin origin) {
  if (origin == InputOrigin::kTyped) CleanUpTypedLine(session);
  if (origin != InputOrigin::kQueued) {
    const std::string message = CheckCleanedLine(session);
    if (!message.empty()) return Reject(session, message);
  }
  session.sentence_from_queue = origin == InputOrigin::kQueued ? 1 : 0;
  session.pronoun_note_shown = 0;
  if (ParseStep stop = SplitSentence(session, origin == InputOrigin::kFromProgram)) return *stop;
  if (ParseStep stop = ReadSentenceWords(session, console)) return *stop;
  return RunSentenceChecks(session, console);
}
