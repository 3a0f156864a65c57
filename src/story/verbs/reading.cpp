// Reading the signs, the newspaper and the voucher; tearing things.
#include "console/console.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

namespace {

// Today's paper, as it lies on the bench by the path.
constexpr const char* kArticle[] = {
    "WOLF AUF BEWÄHRUNG DRAUSSEN",
    "Waldbewohner sind fassungslos",
    "",
    Paragraph("Seit gestern Nachmittag ist der Wolf wieder auf freiem Fuß. Das Gericht hat ihn wegen guter Führung "
              "vorzeitig auf Bewährung entlassen. Sein Anwalt versichert, sein Mandant sei ein neuer Wolf und "
              "interessiere sich nur noch für ehrliche Geschäfte."),
    "",
    Paragraph("Bei den sieben Geißlein löste die Nachricht blankes Entsetzen aus. 'Wir machen niemandem mehr die "
              "Tür auf, auch nicht, wenn er Kreide gefressen hat', erklärte das jüngste Geißlein, das sich "
              "vorsichtshalber wieder im Uhrkasten versteckt."),
    "",
    Paragraph("'Soll er doch kommen und pusten', sagte eines der drei kleinen Schweinchen unserer Zeitung. 'Unser "
              "Haus ist jetzt aus Stahlbeton. Nur mein jüngster Bruder wohnt aus Kostengründen leider wieder im "
              "Strohhaus.'"),
    "",
    Paragraph("Schwere Vorwürfe erhebt auch eine Gans, die gestern gestohlen wurde und knapp entkommen konnte: "
              "Der Wolf sei es gewesen. In Haft sitzt trotzdem der unschuldige Fuchs. 'Der Fuchs hat die Gans "
              "gestohlen, das weiß doch jedes Kind', so der Richter."),
    "",
    Paragraph("Ihre Zeitung bleibt für Sie dran und berichtet weiter. Unser Reporter ist bereits auf dem Weg in "
              "den Wald, um den Wolf persönlich zu befragen. Seit heute Morgen haben wir von ihm allerdings nichts "
              "mehr gehört."),
};

// What is left of the front page once the paper is torn to pieces.
constexpr const char* kTornArticle[] = {
    "WOLF AUF BEW ... DRAUS",
    "Wald ... ner sind fass ...",
    "",
    Paragraph("Seit gest ... Nachmit ... der Wo ... wieder auf frei ... Gericht hat ... guter Füh ... vorzeitig "
              "auf Bew ... Anwalt versich ... ein neuer Wo ... nur noch für ehrl ... Geschäf ..."),
};

// The newspaper's own text stands out in white from the grey of the story.
void PrintArticle(GameSession& s, Console& console, const auto& paragraphs) {
  s.bright_text = 1;
  console.SetForeground(kWhite);
  for (const char* paragraph : paragraphs) PrintMessage(s, console, paragraph);
  s.bright_text = 0;
  console.SetForeground(kLightGrey);
}

// The whole newspaper: its article, and the first time what it means for
// the girl and the voucher that slips out of it.
TurnEnd ReadNewspaper(GameSession& s, Console& console) {
  if (!s.newspaper_carried) {
    PrintMessage(s, console, "(Du nimmst zunächst die Zeitung).");
    s.newspaper_carried = 1;
  }
  if (!s.voucher_found) {
    // Its 79 characters fill the row, which leaves an empty row below it.
    PrintMessage(s, console,
                 Paragraph("Zeitungen sind ja eigentlich langweilig, aber ein Artikel fällt dir sofort auf:"));
  } else {
    PrintMessage(s, console, "Verstört liest du den Artikel noch einmal:");
    PrintMessage(s, console, "");
  }
  PrintArticle(s, console, kArticle);
  if (!s.newspaper_read) {
    PrintMessage(s, console, "");
    std::string fright = s.visited_bridge_approach ? "" : "Ach herrje! ";
    fright += Cp850("Hätte Mama das gewusst, hätte sie dich nicht allein weggeschickt!");
    PrintMessage(s, console, fright);
    if (!s.voucher_found) {
      PrintMessage(s, console, "");
      PrintMessage(s, console, "Da bewegt sich was! Ein Gutschein rutscht dir aus der Zeitung in die Hände.");
      s.voucher_found = 1;
      s.voucher_carried = 1;
    }
    s.newspaper_read = 1;
  }
  return TurnEnd::kTopOfTurn;
}

TurnEnd ReadTornNewspaper(GameSession& s, Console& console) {
  PrintMessage(s, console, "Nur die erste Seite der Zeitung kannst du noch halbwegs lesen:");
  PrintMessage(s, console, "");
  PrintArticle(s, console, kTornArticle);
  PrintMessage(s, console, "");
  s.newspaper_read = 1;
  s.voucher_found = 1;
  return Answer(s, "Entnervt gibst du auf. Du hättest die Zeitung wohl nicht zerreißen sollen.");
}

}  // namespace

TurnStep Tear(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (!Is(c.verb, "zerreiße")) return std::nullopt;
  if (c.object1 == "zeitung") {
    if (!s.newspaper_carried) return Answer(s, "Du hast die Zeitung nicht.");
    if (s.newspaper_torn) return Answer(s, "Du hast die Zeitung bereits zerrissen.");
    s.newspaper_torn = 1;
    std::string text = Cp850("Du zerreißt die Zeitung in viele einzelne Stücke.");
    if (!s.voucher_found) {
      text += Cp850(" Ein Gutschein fällt aus der Zeitung auf den Boden.");
      s.voucher_found = 1;
      s.voucher_room = s.current_room;
      s.voucher_carried = 0;
    }
    return Answer(s, text);
  }
  if (c.object1 == "gutschein") {
    return Answer(s, "Es wäre schade um den Gutschein. Wer weiß, wozu du ihn noch gebrauchen kannst.");
  }
  return std::nullopt;
}

TurnStep Read(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  if (c.verb != "lese") return std::nullopt;
  const std::string& o = c.object1;
  if (o == "honigautomat") {
    return Answer(s, Paragraph("'Ein kleines Glas Honig 1 Taler, ein großes Glas Honig 2 Taler, ein kleiner Eimer "
                               "Honig 5 Taler', steht auf dem Automaten geschrieben."));
  }
  if (o == "hosenanzug") return Answer(s, "'BiBaBaumarkt' steht auf dem Hosenanzug geschrieben.");
  if (OneOf(o, {"schild", "klingel"})) return Answer(s, "SCHLÜSSELDIENST. ZUM KLINGELN BITTE KLINGELN.");
  if (o == "gutschein") {
    PrintMessage(s, console, "HONIGGUTSCHEIN");
    return Answer(s, Paragraph("Bei Vorlage dieses Gutscheins beim Honigstand am Fluss erhalten Sie ein Gratisglas "
                               "erlesenen Bienenhonigs."));
  }
  if (o == "zeitung") return s.newspaper_torn ? ReadTornNewspaper(s, console) : ReadNewspaper(s, console);
  return std::nullopt;
}
