// The parser's bracketed messages that several steps, and the game logic,
// share; and the ways a parser step stops a sentence.
#pragma once

#include <string>
#include <string_view>

#include "parser/route.h"
#include "world/encoding.h"
#include "world/game_session.h"

class Console;

enum class ParserText {
  kNoReferent,  // "[Ich weiß nicht, auf welches Objekt du dich beziehst.]"
  kAllesOncePerPart,
  kOnlyTakeAllOrDropAll,
  kNoVerb,
  kHinOnlyWithLege,
  kIncompleteSentence,
  kSecondObjectMissing,
  kDirectionOutOfPlace,
  kWordsDoNotConnect,
  kSeveralComments,
  kAtMostTwoObjects,
  kNothingUnusual,  // "Du bemerkst nichts Ungewöhnliches."
  kUseAskAndTell,
  kShouldNotDoThat,  // "Das solltest du nicht tun!"
  kUseAPreciseVerb,
  kUseCompassDirectionsHere,
  kStandOneWordOnly,
  kOnlyTalkingBeings,  // "Du kannst nur sprachbegabte Wesen etwas fragen."
  kYouBrood,           // "Okay, du grübelst darüber nach. Und jetzt?"
};

// The text of a message (CP850).
std::string ParserMessage(ParserText message);

// A game answer given by the parser that is no rejection: the rest of the
// line still runs.
Route Reply(GameSession& session, const Text& text);

// Reject: the message goes to the message line, the rest of the line is
// dropped, and the turn ends through the end of turn.
Route Reject(GameSession& session, const Text& message);
Route Reject(GameSession& session, ParserText message);

// Reject at once: the message is printed now, the rest of the line is
// dropped, and the turn starts again without the end of turn.
Route RejectAtOnce(GameSession& session, Console& console, const Text& message);

// Ask back: the question goes to the message line and the partial command is
// kept for the answer in the next turn.
Route Ask(GameSession& session, const Text& question, const Text& completion);

// A line printed directly before the answer, such as "(den Frosch)"; it
// counts as one printed line for paging.
void PrintNote(GameSession& session, Console& console, const Text& note);
