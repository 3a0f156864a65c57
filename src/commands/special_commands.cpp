#include "commands/special_commands.h"

#include <string>

#include "commands/save_and_load.h"
#include "commands/special_command_parts.h"
#include "console/console.h"
#include "console/map_display.h"
#include "console/text_output.h"
#include "parser/vocabulary.h"
#include "story/hints.h"
#include "story/room_descriptions.h"
#include "story/score.h"
#include "story/verbs/chain.h"
#include "story/verbs/take_drop.h"
#include "world/encoding.h"
#include "world/objects.h"

namespace {

// A command answered with one fixed sentence; most activities cost a move.
struct FixedAnswer {
  const char* word;
  bool counts_move;
  const char* answer;
};

constexpr FixedAnswer kFixedAnswers[] = {
    {"huste", false, "Hust, hust."},
    {"niese", false, "Gesundheit!"},
    {"warte", true, "Du wartest einen Moment. Alles bleibt wie es war."},
    {"z", true, "Du wartest einen Moment. Alles bleibt wie es war."},
    {"diagnose", false, "Du fühlst dich gut."},
    {"schlafe", true, "Du bist gar nicht müde."},
    {"träume", true, "Nicht gerade jetzt."},
    {"kotze", true, "Dir ist nicht schlecht."},
    {"pinkle", true, "Du musst gar nicht."},
    {"lache", true, "Ja, lachen tut gut."},
    {"lächle", true, "Ja, jetzt geht es dir ein wenig besser."},
    {"bete", true, "Es wird dir nicht wirklich helfen, aber schaden kann es wohl nicht."},
    {"stöhne", true, "Stöhn!"},
    {"seufze", true, "Seufz!"},
    {"meditiere", true, "Du weißt gar nicht, wie das geht."},
    {"sterbe", true, "Dafür bist du noch viel zu jung."},
    {"erwache", true, "Du bist bereits wach."},
    {"tanze", true, "Du kannst nicht wirklich tanzen, dafür bist du noch zu klein."},
    {"weine", true, "Du bist nicht traurig."},
    {"atme", true, "Das tust du ganz automatisch."},
    {"fluche", true, "Mama sagt, für eine Dame gehört es sich nicht, zu fluchen."},
    {"singe", true, "Du singst ein bisschen vor dich hin."},
    {"blöke", true, "Du bist kein Schaf."},
    {"zeit", false, "Es ist etwas später als vorhin."},
    {"lösung", false,
     "Eine Komplettlösung ist nicht verfügbar. Benutze 'tip' für situationsabhängige Hilfestellungen."},
    {"ausgänge", false, "[Die möglichen Ausgänge sind in der Kompassrose weiß dargestellt.]"},
};

bool HasOtherWords(const ParsedCommand& c) {
  return c.direction_count > 0 || c.alles_count > 0 || c.article_count > 0 || c.verb_count > 0 || c.object_count > 0 ||
         c.mit_count > 0 || c.comment_count > 0 || c.adjective_count > 0;
}

TurnEnd SetBriefMode(GameSession& session, int brief) {
  session.brief_mode = brief;
  return Answer(session, brief == 1
                             ? Cp850("Knappe Raumbeschreibungen (ausführlich nur beim ersten Betreten eines Raumes).")
                             : Cp850("Ausführliche Raumbeschreibungen (auch bei erneutem Betreten eines Raumes)."));
}

// Ringing is pressing the bell, where there is one.
TurnEnd RingTheBell(GameSession& session, Console& console) {
  ++session.move_count;
  if (session.current_room != kBeaverMarket) return Answer(session, "Ohne Klingel kannst du nicht klingeln.");
  ParsedCommand& c = session.command;
  c.special_command.clear();
  c.special_count = 0;
  c.verb = Cp850("drücke");
  c.verb_count = 1;
  c.object1 = "klingel";
  c.object1_gender = kFeminine;
  c.object_count = 1;
  return RunVerbChain(session, console);
}

// Clears the screen and looks around afresh, below the status bar.
TurnEnd ClearScreen(GameSession& session, Console& console) {
  console.SetColours(kLightGrey, kBlack);
  console.Clear();
  console.SetCursor(4, 1);
  DescribeRoomInFull(session, console);
  return TurnEnd::kTopOfTurn;
}

TurnEnd RunCommand(GameSession& session, Console& console, const std::string& word) {
  if (Is(word, "karte")) {
    ShowMap(session, console);
    return TurnEnd::kTopOfTurn;
  }
  for (const FixedAnswer& fixed : kFixedAnswers) {
    if (!Is(word, fixed.word)) continue;
    if (fixed.counts_move) ++session.move_count;
    return Answer(session, fixed.answer);
  }
  if (OneOf(word, {"klingeln", "läute", "läuten"})) return RingTheBell(session, console);
  if (OneOf(word, {"inventory", "i"})) return ShowInventory(session);
  if (Is(word, "knapp")) return SetBriefMode(session, 1);
  if (Is(word, "ausführlich")) return SetBriefMode(session, 0);
  if (Is(word, "speichern")) return SaveGame(session, console);
  if (Is(word, "laden")) return LoadGame(session, console);
  if (Is(word, "maus")) return ShowMouseHelp(session, console);
  if (Is(word, "clear")) return ClearScreen(session, console);
  if (Is(word, "info")) return ShowCredits(session, console);
  if (Is(word, "version")) return ShowVersion(session, console);
  if (Is(word, "objekte")) return ShowPronouns(session, console);
  if (Is(word, "hinweise")) return ShowParserHelp(session, console);
  if (Is(word, "hintergrund")) return ShowBackground(session, console);
  if (Is(word, "befehle")) return ShowCommandList(session, console);
  if (OneOf(word, {"punkte", "score"})) return ReportScore(session);
  if (Is(word, "züge")) return ReportMoves(session);
  if (Is(word, "meldung")) return ToggleScoreNotices(session);
  if (Is(word, "hilfe")) return GiveHint(session);
  if (OneOf(word, {"ende", "quit"})) return AskToQuit(session, console);
  if (Is(word, "neustart")) return AskToRestart(session, console);
  if (IsRepeatWord(word)) return RepeatLastLine(session);
  // "huch" is the parser's own and never gets here.
  return TurnEnd::kTopOfTurn;
}

}  // namespace

TurnEnd RunSpecialCommand(GameSession& session, Console& console) {
  const ParsedCommand& c = session.command;
  if (c.special_count > 1 && session.unknown_word_countdown == 0) {
    session.more_sentences_pending = 0;
    return Answer(session, "[Bitte nur einen Sonderbefehl pro Eingabe verwenden.]");
  }
  if (c.special_count == 1 && HasOtherWords(c) && c.special_command != "huch" && c.special_command != "g") {
    session.more_sentences_pending = 0;
    return Answer(session, "['" + Capitalise(c.special_command) + "' wird nur als Ein-Wort-Eingabe verstanden.]");
  }
  // "x g" is no repeat: the line that holds it would only repeat itself.
  if (c.special_command == "g" && HasOtherWords(c)) {
    session.more_sentences_pending = 0;
    return Answer(session, Cp850("[Eine Wiederholung der letzten Eingabe ist nicht möglich.]"));
  }
  return RunCommand(session, console, c.special_command);
}
