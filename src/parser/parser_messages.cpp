#include "parser/parser_messages.h"

#include <array>

#include "console/console.h"
#include "console/encoding.h"
#include "console/text_output.h"

namespace {

constexpr int kTableSize = 24;  // index 0 unused

using Table = std::array<std::string, kTableSize>;

Table BuildParserTable() {
  Table table;
  table[1] = Cp850("[Ich weiß nicht, auf welches Objekt du dich beziehst.]");
  table[2] = Cp850("[Das Wort 'alles' kann nur einmal pro Satzteil verwendet werden.]");
  table[3] = Cp850("[Das Spiel versteht nur 'nimm alles' und 'lege alles hin'.]");
  table[5] = Cp850("[Die Eingabe enthält kein Verb.]");
  table[6] = Cp850("['Hin' kann nur in der Form 'lege <Gegenstand> hin' verwendet werden kann.]");
  table[7] = Cp850("[Der Satz ist unvollständig. Bitte gib ganze Sätze ein.]");
  table[8] = Cp850("[In dem Satz fehlt das zweite Objekt.]");
  table[9] = Cp850("[In diesem Zusammenhang verstehe ich die Richtungsangabe nicht.]");
  table[10] = Cp850("[Bitte nur eine Richtungsangabe pro Satzteil verwenden.]");
  table[11] = Cp850("[Bitte nur einen Sonderbefehl pro Satzteil verwenden!]");
  table[12] = Cp850("[Den Zusammenhang zwischen diesen Worten verstehe ich nicht.]");
  table[13] = Cp850("[Mit mehreren Kommentaren pro Eingabe komme ich nicht zurecht.]");
  table[14] = Cp850("[Bitte verwende höchstens zwei Objekte pro Eingabe.]");
  table[15] = Cp850("[Du kannst nicht mehr Adjektive als Objekte verwenden.]");
  table[16] = Cp850("[Du benutzt ein Adjektiv ohne Objekt.]");
  table[17] = Cp850("[Einem Objekt können nicht mehrere Adjektive zugeordnet werden.]");
  table[18] = Cp850("[Was ist das für ein Satz, bei dem das Adjektiv hinter dem Objekt steht?]");
  table[19] = Cp850("Du bemerkst nichts Ungewöhnliches.");
  table[20] = Cp850("[Bitte benutze Himmelsrichtungen, um dich zu bewegen.]");
  table[21] = Cp850("[Bitte verwende 'frage' und 'erzähle', um mit Personen zu sprechen.]");
  table[22] = Cp850("Das solltest du nicht tun!");
  table[23] = Cp850("[Bitte verwende ein Verb, das genauer ausdrückt, was du erreichen willst.]");
  return table;
}

Table BuildSecondTable() {
  Table table;
  table[1] = Cp850("[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]");
  table[2] = Cp850("['Stehe' wird nur als Ein-Wort-Eingabe oder in der Form 'stehe auf' verstanden.]");
  table[3] = Cp850("Du kannst nur sprachbegabte Wesen etwas fragen.");
  table[4] = Cp850("Okay, du grübelst darüber nach. Und jetzt?");
  table[11] = Cp850("Tippe 'Übersicht' für eine Aufstellung wichtiger Befehle.");
  table[20] = Cp850("Test");
  return table;
}

const std::string& Entry(const Table& table, int index) {
  static const std::string kEmpty;
  if (index < 1 || index >= kTableSize) return kEmpty;
  return table[static_cast<size_t>(index)];
}

}  // namespace

const std::string& ParserMessage(int index) {
  static const Table table = BuildParserTable();
  return Entry(table, index);
}

const std::string& SecondMessage(int index) {
  static const Table table = BuildSecondTable();
  return Entry(table, index);
}

TurnEnd Reject(GameSession& session, std::string_view message) {
  SetMessage(session, message);
  session.more_sentences_pending = 0;
  return TurnEnd::kEndOfTurn;
}

TurnEnd RejectAtOnce(GameSession& session, Console& console, std::string_view message) {
  PrintNote(session, console, message);
  session.more_sentences_pending = 0;
  return TurnEnd::kTopOfTurn;
}

TurnEnd Ask(GameSession& session, std::string_view question, std::string_view completion) {
  SetMessage(session, question);
  session.pending_completion = std::string(completion);
  session.pending_mode = 2;
  session.more_sentences_pending = 0;
  return TurnEnd::kEndOfTurn;
}

void PrintNote(GameSession& session, Console& console, std::string_view note) {
  WriteLine(console, kLightGrey, note);
  ++session.lines_since_pause;
  PageCheck(session, console);
}
