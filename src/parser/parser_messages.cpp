#include "parser/parser_messages.h"

#include "console/console.h"
#include "console/text_output.h"

std::string ParserMessage(ParserText message) {
  switch (message) {
    case ParserText::kNoReferent:
      return Cp850("[Ich weiß nicht, auf welches Objekt du dich beziehst.]");
    case ParserText::kAllesOncePerPart:
      return "[Das Wort 'alles' kann nur einmal pro Satzteil verwendet werden.]";
    case ParserText::kOnlyTakeAllOrDropAll:
      return "[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]";
    case ParserText::kNoVerb:
      return Cp850("[Die Eingabe enthält kein Verb.]");
    case ParserText::kHinOnlyWithLege:
      return "['Hin' kann nur in der Form 'lege <Gegenstand> hin' verwendet werden kann.]";
    case ParserText::kIncompleteSentence:
      return Cp850("[Der Satz ist unvollständig. Bitte gib ganze Sätze ein.]");
    case ParserText::kSecondObjectMissing:
      return "[In dem Satz fehlt das zweite Objekt.]";
    case ParserText::kDirectionOutOfPlace:
      return "[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]";
    case ParserText::kWordsDoNotConnect:
      return "[Den Zusammenhang zwischen diesen Worten verstehe ich nicht.]";
    case ParserText::kSeveralComments:
      return "[Mit mehreren Kommentaren pro Eingabe komme ich nicht zurecht.]";
    case ParserText::kAtMostTwoObjects:
      return Cp850("[Bitte verwende höchstens zwei Objekte pro Eingabe.]");
    case ParserText::kNothingUnusual:
      return Cp850("Du bemerkst nichts Ungewöhnliches.");
    case ParserText::kUseAskAndTell:
      return Cp850("[Bitte verwende 'frage' und 'erzähle', um mit Personen zu sprechen.]");
    case ParserText::kShouldNotDoThat:
      return "Das solltest du nicht tun!";
    case ParserText::kUseAPreciseVerb:
      return Cp850("[Bitte verwende ein Verb, das genauer ausdrückt, was du erreichen willst.]");
    case ParserText::kUseCompassDirectionsHere:
      return "[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]";
    case ParserText::kStandOneWordOnly:
      return "['Stehe' wird nur als Ein-Wort-Eingabe oder in der Form 'stehe auf' verstanden.]";
    case ParserText::kOnlyTalkingBeings:
      return "Du kannst nur sprachbegabte Wesen etwas fragen.";
    case ParserText::kYouBrood:
      return Cp850("Okay, du grübelst darüber nach. Und jetzt?");
  }
  return {};
}

Route Reply(GameSession& session, const Text& text) { return RouteOf(Answer(session, text)); }

Route Reject(GameSession& session, const Text& message) {
  SetMessage(session, message);
  session.more_sentences_pending = 0;
  return Route::kEndOfTurn;
}

Route Reject(GameSession& session, ParserText message) { return Reject(session, ParserMessage(message)); }

Route RejectAtOnce(GameSession& session, Console& console, const Text& message) {
  PrintNote(session, console, message);
  session.more_sentences_pending = 0;
  return Route::kTopOfTurn;
}

Route Ask(GameSession& session, const Text& question, const Text& completion) {
  SetMessage(session, question);
  session.pending_completion = completion.str();
  session.pending_mode = 2;
  session.more_sentences_pending = 0;
  return Route::kEndOfTurn;
}

void PrintNote(GameSession& session, Console& console, const Text& note) {
  WriteLine(console, kLightGrey, note.str());
  ++session.lines_since_pause;
  PageCheck(session, console);
}
