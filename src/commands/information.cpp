#include <initializer_list>
#include <string>

#include "commands/special_command_parts.h"
#include "console/console.h"
#include "console/text_output.h"
#include "world/encoding.h"

namespace {

// A directly printed line (no wrap, no umlaut conversion), counted for paging.
void DirectLine(GameSession& session, Console& console, int colour, const std::string& text) {
  WriteLine(console, colour, text);
  ++session.lines_since_pause;
}

}  // namespace

TurnEnd ShowMouseHelp(GameSession& session, Console& console) {
  static const char* const kParagraphs[] = {
      "Ein Mausklick auf die hell dargestellten Richtungsbezeichnungen der Kompassrose führt dich in die jeweilige "
      "Richtung, ein Mausklick auf X zeigt die Karte.",
      "Klicke in der Titelleiste auf 'Quendelmar' für die Credits, auf '- Edition 2 -' für Informationen zur "
      "vorliegenden Version und auf den Ort für 'Schaue dich um'.",
      " Das Anklicken von 'Besitz', 'Befehle', 'Punkte' und 'Züge' führt zum selben Ergebnis wie das Eintippen "
      "dieser Wörter.",
      "Alle Wörter im Textfenster, die mit der linken Maustaste angeklickt werden, erscheinen in der Eingabezeile, "
      "ein Mausklick mit der linken Taste auf einen leeren Bildschirmbereich löscht ein Zeichen.",
      "Bei leerer Eingabezeile ruft die rechte Maustaste häufig verwendete Verben auf und schließt ansonsten die "
      "Eingabe ab.",
      "Mausklicks erreichen das Spiel in Terminals, die sie an Programme melden, etwa xterm, GNOME Terminal oder "
      "Konsole; in tmux schaltet 'set -g mouse on' sie ein. Im Zeilenmodus gibt es keine Maus.",
      "Die Maussteuerung sollte nun nach der ersten getippten Eingabe funktionieren.",
  };
  int number = 0;
  for (const char* paragraph : kParagraphs) {
    PrintMessage(session, console, Cp850(paragraph));
    ++number;
    if (number == 1 || number == 3 || number == 5) PrintMessage(session, console, "");
  }
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowCredits(GameSession& session, Console& console) {
  struct Group {
    const char* role;
    const char* names;
  };
  static const Group kGroups[] = {
      {"Programm, Parser und Idee:", "Das Quendelmar-Team"},
      {"Inhaltliche Mitarbeit an Edition 2:", "Wolf, Frosch, Bär und Biber (gegen Bezahlung)"},
      {"Betatester der Version 1.0:", "Alle, die sich im Wald verlaufen haben"},
  };
  const int accent = session.accent_colour;
  DirectLine(session, console, accent, Centre("Quendelmar"));
  DirectLine(session, console, accent, Centre("- Edition 2 -"));
  DirectLine(session, console, kLightGrey, "");
  for (const Group& group : kGroups) {
    DirectLine(session, console, kLightGrey, Centre(Cp850(group.role)));
    DirectLine(session, console, accent, Centre(Cp850(group.names)));
    DirectLine(session, console, kLightGrey, "");
  }
  console.SetForeground(kLightGrey);
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowVersion(GameSession& session, Console& console) {
  PrintMessage(session, console, "Quendelmar - Edition 2");
  PrintMessage(session, console, "Ein Spiel vom Quendelmar-Team, erdacht am Waldrand, geschrieben im Dickicht.");
  return Answer(session, "Version 2.0 vom 05.09.2018.");
}

TurnEnd ShowPronouns(GameSession& session, Console& console) {
  PrintMessage(session, console, "Auf folgende Objekte wird die Eingabe von er/sie/es/ihn/ihm/ihr/ihnen bezogen:");
  PrintMessage(session, console, "Mehrzahl: " + Capitalise(session.referent_plural));
  PrintMessage(session, console, Cp850("Männlich: ") + Capitalise(session.referent_masc));
  PrintMessage(session, console, "Weiblich: " + Capitalise(session.referent_fem));
  PrintMessage(session, console, "Neutrum:  " + Capitalise(session.referent_neuter));
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowParserHelp(GameSession& session, Console& console) {
  static const char* const kLines[] = {
      "Das Spiel versteht über 100 unterschiedliche Verben und viele Synonyme für",
      "diese Verben (betrachte für untersuche etc.) Die wichtigsten Verben sind:",
      "untersuche <Gegenstand>, nimm <Gegenstand>, gib <Person> <Gegenstand>.",
      "In vielen Fällen ist die Verwendung von Präpositionen sinnvoll, etwa bei:",
      ">schaue in Korb, >krieche unter Busch, >öffne Tür mit Schlüssel.",
      "",
      "Unvollständige Eingaben versucht der Parser durch Nachfragen zu ergänzen.",
      "Gib einfach ein beliebiges bekanntes Verb ein, drücke <Enter> und beantworte",
      "dann die Rückfragen des Parsers.",
      "",
      "Eingabebeispiele:",
      ">u tür, >lausche an ihr, >klopfe dagegen, >betrachte den schlüssel",
      ">schließ die Tür mit dem Schlüssel auf und öffne sie",
      "",
      "Auch unkonventionelle Eingaben wie die folgende sind möglich:",
      ">die tür untersuchen und sie mit dem schlüssel aufschließen",
      "",
      "Ein vorangestelltes 'ich' wird vom Parser ignoriert, kann aber die",
      "Eingabe erleichtern: >ich lese die zeitung und gehe nach norden",
  };
  for (const char* line : kLines) DirectLine(session, console, kLightGrey, Cp850(line));
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowBackground(GameSession& session, Console& console) {
  static const char* const kParagraphs[] = {
      "Die Edition 2 bietet gegenüber der Version 1.0 eine größere Spielwelt, mehr Rätsel und einen deutlich "
      "erweiterten Wortschatz. Dafür ist sie auch ein wenig schwieriger geworden: Der Wolf ist nicht dümmer "
      "geworden, und der Biber schenkt dir nichts.",
      "Die ursprüngliche Version 1.0 wurde für Windows XP programmiert. Die Edition 2 läuft in Linux-Terminals und, "
      "für Pipes, Skripte und Bildschirmleser, auch im Zeilenmodus.",
      "",
      "Das Spiel darf kostenlos und unverändert weitergegeben werden, an Freunde, Verwandte und Großmütter. Geld "
      "darf dafür niemand verlangen, auch kein Biber.",
      "",
      "Lob, Kritik, gefundene Fehler und Verbesserungsvorschläge nimmt der Autor gerne entgegen. Schreib einfach "
      "an quendelmar@example.org, der Wolf liest nicht mit.",
  };
  PrintMessage(session, console, "");
  for (const char* paragraph : kParagraphs) PrintMessage(session, console, Cp850(paragraph));
  return TurnEnd::kTopOfTurn;
}

TurnEnd ShowCommandList(GameSession& session, Console& console) {
  struct Entry {
    const char* name;
    const char* explanation;
  };
  static const Entry kEntries[] = {
      {"Inventory ", "(I, Besitz) listet alle Gegenstände auf, die du besitzt."},
      {"Huch ", "(Oops) korrigiert ein fehlerhaftes Wort in der vorherigen Eingabe."},
      {"Maussteuerung: ", "Tippe 'Maus' oder 'Maussteuerung' für Einzelheiten."},
      {"Pfeiltasten hoch/runter ", "(auch + und -): Aufruf der letzten Eingaben."},
      {"Karte ", "(k, 0) zum Aufruf der Kartenfunktion."},
      {"Nochmal ", "(again, g) wiederholt die letzte Eingabe."},
      {"Ausführlich ", "(Verbose) zeigt immer die ausführlichen Raumbeschreibungen."},
      {"Knapp ", "(Brief) zeigt die ausführliche Beschreibung beim ersten Raumbesuch."},
      {"Objekte ", "(Ob) zeigt, auf was er/sie/es/ihn/ihm/ihr/ihnen bezogen wird."},
      {"Warte ", "(z) überspringt einen Zug ohne Aktion."},
      {"Clear ", "(c) löscht den Bildschirm."},
      {"Ende ", "(q, quit) führt zum Spielende."},
      {"Credits ", "(Info) zeigt, wer an dem Spiel beteiligt war."},
      {"Hilfe ", "(Help, Tip) gibt Hilfestellungen zur jeweiligen Spielsituation."},
      {"Neustart ", "(neu) führt zum Neustart des Spiels."},
      {"Hinweise ", "enthält wichtige Verben und erklärt die Fähigkeiten des Parsers."},
      {"Hintergrund ", "enthält weitere Informationen zum vorliegenden Programm."},
      {"Laden ", nullptr},
      {"F1 bis F10 belegt, F11 und F12 ", "für das zuletzt verwendete Verb bzw. Objekt."},
  };
  for (const Entry& entry : kEntries) {
    console.SetForeground(session.accent_colour);
    console.Write(Cp850(entry.name));
    console.SetForeground(kLightGrey);
    if (entry.explanation != nullptr) {
      console.Write(Cp850(entry.explanation));
    } else {
      // Loading and saving share one line, each name in the accent colour.
      console.Write(Cp850("(load, restore) lädt, "));
      console.SetForeground(session.accent_colour);
      console.Write("speichern ");
      console.SetForeground(kLightGrey);
      console.Write("(save) speichert einen Spielstand.");
    }
    console.LineEnd();
    ++session.lines_since_pause;
  }
  return TurnEnd::kTopOfTurn;
}
