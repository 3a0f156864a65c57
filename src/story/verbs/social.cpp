// Greeting, kissing, stroking, tickling and hugging.
#include <string>

#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// The sheep that follows the player is "das Schaf"; at the herd it is any one of them.
std::string WhichSheep(const GameSession& s) {
  return s.command.object1 == "schaf" && s.sheep_state == kSheepFollowing ? "das " : "ein ";
}

// The third kiss breaks the spell, though not quite as fairy tales promise.
TurnEnd FrogTurnsIntoAToad(GameSession& s, Console& console) {
  PrintMessage(s, console,
               Paragraph("Du nimmst all deinen Mut zusammen, überwindest deinen Ekel und drückst dem Frosch einen "
                         "Kuss mitten auf das glitschige Maul. Im selben Augenblick macht es laut 'Paff', und eine "
                         "kleine graue Wolke hüllt den Frosch ein."));
  PrintMessage(s, console, "");
  PrintMessage(s, console,
               Paragraph("Als sich die Wolke verzogen hat, sitzt an seiner Stelle eine fette, warzige, hässliche "
                         "dunkelbraune Kröte auf dem Brunnen."));
  PrintMessage(s, console, "");
  PrintMessage(s, console,
               Paragraph("Die Kröte betrachtet sich ausgiebig von allen Seiten. 'Endlich wieder wunderschön! Vielen "
                         "Dank auch, Heidi', quakt sie, und es klingt nicht ganz aufrichtig. Dann springt sie mit "
                         "einem lauten Platsch in den Brunnen."));
  s.frog_state = kFrogIsToad;
  AwardOnce(s, console, s.frog_transformed, 2);
  return TurnEnd::kTopOfTurn;
}

TurnEnd KissTheFrog(GameSession& s, Console& console) {
  if (s.frog_state == kFrogUnkissed) {
    s.frog_state = kFrogKissedOnce;
    return Answer(s, Paragraph("Uärrrggg! Igitt! Das ist ja noch ekliger, als einen Jungen zu küssen. Beim ersten "
                               "Versuch bringst du es einfach nicht über dich."));
  }
  if (s.frog_state == kFrogKissedOnce) {
    s.frog_state = kFrogKissedTwice;
    return Answer(s, Paragraph("Er ist ja so eklig! Aber beinahe gelingt es dir dennoch, ihn zu küssen. Vielleicht "
                               "beim dritten Versuch?"));
  }
  return FrogTurnsIntoAToad(s, console);
}

}  // namespace

TurnStep Greet(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "grüße")) return std::nullopt;
  const std::string& o = c.object1;
  if (o == "dich") return Answer(s, "Nicht nötig.");
  if (o == "wolf") return Answer(s, "'Guten Tag', antwortet der Wolf.");
  if (o == "frosch") return Answer(s, "'Dir auch einen guten Tag!'");
  if (Is(o, "bären")) return Answer(s, "'Guten Tag, kleines Mädchen.'");
  return Answer(s, "Du erhältst keine Reaktion.");
}

TurnStep Kiss(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "küsse")) return std::nullopt;
  if (c.object1 == "wolf") return Answer(s, "'Lass das, kleines Mädchen!'");
  if (c.object1 == "frosch" && s.frog_state < kFrogIsToad) return KissTheFrog(s, console);
  return std::nullopt;
}

TurnStep Stroke(GameSession& s, Console&) {
  if (s.command.verb != "streichle") return std::nullopt;
  if (IsSheep(s.command.object1)) {
    return Answer(s, "Kurz gelingt es dir, " + WhichSheep(s) +
                         Cp850(Paragraph("Schaf zu streicheln. Das fühlt sich sehr schön an! Zum Geburtstag wirst "
                                         "du dir ganz bestimmt ein Schaf wünschen.")));
  }
  return Answer(s, "Das hilft dir nicht wirklich weiter.");
}

TurnStep Tickle(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "kitzle") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "wolf") return Answer(s, "'Lass das sein', sagt der Wolf und wehrt deinen Kitzelangriff ab.");
  if (o == "frosch") {
    return Answer(s, Paragraph("'Komme mir bitte nicht zu nahe, ich bin da sehr empfindlich', sagt der Frosch und "
                               "hüpft zur Seite."));
  }
  if (Is(o, "bären")) return Answer(s, "Der Bär steht in seinem Honigstand und du kannst ihn nicht erreichen.");
  if (o == "biber") return Answer(s, "Der Biber schaut dich verständnislos an. Er hat wohl keinen Humor.");
  if (IsSheep(o)) {
    return Answer(s, "Kurz gelingt es dir, " + WhichSheep(s) +
                         Cp850("Schaf zu kitzeln. Besonders lustig scheint das Schaf es nicht zu finden."));
  }
  if (OneOf(o, {"bienen", "biene"})) {
    return Answer(s, "Bienen verstehen keinen Spaß, und diese sind offenbar noch dazu gefährlich.");
  }
  return std::nullopt;
}

TurnStep Hug(GameSession& s, Console&) {
  if (s.command.verb != "umarme") return std::nullopt;
  return Answer(s, "Das würde dir nicht weiterhelfen.");
}
