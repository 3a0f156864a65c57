#include "story/room_descriptions.h"

#include <string>
#include <vector>

#include "console/console.h"
#include "console/text_output.h"
#include "story/ending.h"
#include "story/room_events.h"
#include "story/story_text.h"
#include "world/encoding.h"
#include "world/objects.h"
#include "world/rooms.h"

namespace {

// What stands between a paragraph of a full form and the text above it.
enum class Gap {
  kRoom,     // the room's usual empty line
  kLineEnd,  // a bare line end
  kNone,     // directly below
};

struct Block {
  std::string text;  // CP850
  Gap gap = Gap::kRoom;
};

using FullForm = std::vector<Block>;

Block Piece(std::string_view utf8, Gap gap = Gap::kRoom) { return {Cp850(utf8), gap}; }

// Rooms 1 to 4 and 6 to 8 print their empty lines as empty messages, the
// others as bare line ends.
bool EmptyLinesAreMessages(int room) {
  return (room >= kForestEntrance && room <= kBeeMeadow) || (room >= kHoneyStand && room <= kBeaverMarket);
}

constexpr std::string_view kBeesAroundTheJar =
    Paragraph("Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.");
constexpr std::string_view kBallOnTheWell = Paragraph("Auf dem Brunnen liegt eine goldene Kugel.");

// The sentences of a brief revisit; empty where a room has none.
std::vector<std::string> ShortForm(const GameSession& s) {
  switch (s.current_room) {
    case kBeeMeadow:
      if (!s.bees_at_jar) return {Cp850("Dutzende Bienen sammeln fleißig Honig.")};
      return {Cp850(kBeesAroundTheJar)};
    case kWell:
      if (s.frog_state < kFrogIsToad)
        return {Cp850("Ein Frosch sitzt auf dem Brunnen. Neben dem Frosch liegt eine goldene Kugel.")};
      if (s.ball_state == kBallOnWell) return {Cp850(kBallOnTheWell)};
      return {};
    case kHoneyStand:
      if (!s.spare_key_found) return {Cp850("Ein riesiger brauner Bär steht in seinem Honigstand.")};
      return {Cp850("Der Honigstand hat mittlerweile geschlossen und der riesige Bär ist nirgends mehr zu sehen.")};
    case kBeaverMarket:
      if (s.bell_rung) return {Cp850("Der Biber steht in seinem Stand.")};
      return {};
    case kRiverBank:
      return {Cp850("Eine kleine Schafherde steht am Flussufer.")};
    default:
      return {};
  }
}

// The wolf comes over the bridge: the first visit to the bridge only.
void AddWolfArrival(FullForm& paras) {
  paras.push_back(
      Piece(Paragraph("Ach du Schreck! Von Norden kommt der Wolf über die Brücke! Er trägt einen grauen Anzug mit "
                      "Krawatte und eine dunkle Sonnenbrille, und er schlendert geradewegs auf dich zu, als gehöre ihm "
                      "der ganze Wald.")));
  paras.push_back(Piece(
      Paragraph("'Hallo, kleines Mädchen', sagt er mit seiner tiefen Stimme. 'Du willst bestimmt zu deiner Oma. "
                "Tja, da muss ich dich leider enttäuschen: Über diese Brücke kommt heute niemand. Jedenfalls nicht "
                "umsonst.")));
  paras.push_back(
      Piece(Paragraph("Aber ich schlage dir ein Geschäft vor! Am Brunnen im Wald sitzt ein Frosch, und neben ihm liegt "
                      "eine goldene Kugel. Die bringst du mir. Und dann hätte ich gerne noch ein Schaf von der Herde "
                      "drüben am Flussufer.")));
  paras.push_back(
      Piece(Paragraph("Wie du dir sicher denken kannst, flüchten sie in heller Panik, sobald sie mich nur von Weitem "
                      "sehen. Also bringst du mir eins. Kugel und Schaf, und die Brücke gehört dir.' Er grinst breit "
                      "und zeigt dabei eine Reihe sehr spitzer Zähne.")));
}

FullForm ForestEntrance(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Im Norden liegt er nun also, der Wald. Ein Baum steht neben dem anderen, und alle zusammen "
                      "versperren sie dir gründlich die Sicht.")));
  paras.push_back(
      Piece(Paragraph("Ein schmaler Weg führt in den Wald hinein. Um zu deiner Oma zu gelangen, musst du immer nur "
                      "Richtung Norden gehen.")));
  return paras;
}

FullForm ForestPath(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Überall stehen Bäume herum, und dazwischen wuchert dichtes Unterholz, in dem es verdächtig "
                      "raschelt. Irgendwer wohnt hier bestimmt. Hoffentlich ist er klein und hat keine Zähne.")));
  paras.push_back(Piece(Paragraph("Direkt am Wegesrand steht eine alte Holzbank.")));
  paras.push_back(Piece(Paragraph("Der Weg führt von Süden nach Norden, weiter in den Wald hinein.")));
  return paras;
}

FullForm DeepForest(const GameSession&, bool first_visit) {
  FullForm paras;
  if (first_visit) {
    paras.push_back(
        Piece(Paragraph("Das ganze Grünzeug scheint immer dichter zu werden, ein Baum neben dem anderen. Papa hat dir "
                        "ja das Wunder der Natur versprochen, das hier auf dich wartet. Bisher wartet allerdings vor "
                        "allem eine Menge Mücken auf dich.")));
    paras.push_back(
        Piece(Paragraph("Westlich von dir stehen die Bäume etwas lichter, und von dort dringt ein emsiges Summen "
                        "herüber. Außerdem zweigen schmale Pfade nach Nordosten und nach Südosten ab.")));
  } else {
    paras.push_back(
        Piece(Paragraph("Das ganze Grünzeug scheint immer dichter zu werden, ein Baum neben dem anderen.")));
    paras.push_back(
        Piece(Paragraph("Westlich von dir stehen die Bäume etwas lichter, und von dort dringt ein emsiges "
                        "Summen herüber. Außerdem zweigen schmale Pfade nach Nordosten und nach Südosten ab."),
              Gap::kNone));
  }
  paras.push_back(Piece(Paragraph("Von Süden nach Norden führt der Weg noch weiter in den Wald hinein.")));
  return paras;
}

FullForm BeeMeadow(const GameSession& s, bool) {
  FullForm paras;
  std::string flowers =
      Cp850(Paragraph("Ganz schön beeindruckend, diese Wiese: Blumen in allen Farben, die du kennst, und in ein paar "
                      "Farben, von denen du nicht einmal wusstest, dass es sie gibt."));
  std::string exits =
      Cp850(Paragraph("Nach Osten gelangst du zurück auf den Waldweg, aber auch nach Südwesten kannst du die Wiese "
                      "verlassen. "));
  if (!s.bees_at_jar) {
    flowers +=
        Cp850(Paragraph(" Auch die Bienen scheinen Gefallen an den Blumen zu finden, so emsig summen sie umher."));
    exits += Cp850(Paragraph("Allerdings wimmelt es dort von Bienen."));
  }
  paras.push_back({flowers});
  paras.push_back({exits});
  if (!s.bees_at_jar) {
    paras.push_back(
        Piece(Paragraph("Bienen sind nützliche und friedliche Tierchen, sagt Mama. Diese hier scheinen das "
                        "anders zu sehen: Sie beobachten jeden deiner Schritte, und ihr Summen klingt nicht "
                        "gerade nach einer Einladung."),
              Gap::kLineEnd));
  } else {
    paras.push_back(Piece(kBeesAroundTheJar, Gap::kLineEnd));
  }
  return paras;
}

FullForm Well(const GameSession& s, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Ein steinerner Brunnen steht hier mitten im Wald herum. Tief unten im Schacht glitzert das "
                      "Wasser, doch es ist viel zu weit weg, als dass du es erreichen könntest.")));
  if (s.frog_state < kFrogIsToad) {
    paras.push_back(Piece(
        Paragraph("Ein sehr grüner Frosch sitzt auf dem Brunnen und starrt dich unverwandt an, ohne auch nur "
                  "einmal zu blinzeln. Neben ihm liegt eine goldene Kugel, auf die er offenbar ganz besonders gut "
                  "aufpasst.")));
  } else if (s.ball_state == kBallOnWell) {
    paras.push_back(Piece(kBallOnTheWell));
  }
  paras.push_back(Piece(Paragraph("Nach Nordosten gelangst du zurück zur Blumenwiese.")));
  return paras;
}

FullForm HoneyStand(const GameSession& s, bool first_visit) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Das hier ist der Honigstand am Fluss, von dem Papa immer so schwärmt. Jedes Jahr kommt er mit "
                      "viel zu vielen Gläsern und einem seligen Lächeln von hier zurück, und Mama verdreht dann die "
                      "Augen.")));
  if (!s.spare_key_found) {
    paras.push_back(Piece(Paragraph("Im Honigstand steht ein riesiger brauner Bär.")));
  } else {
    paras.push_back(
        Piece(Paragraph("Der Honigstand ist offenbar gerade geschlossen und der riesige Bär ist nirgends zu sehen.")));
  }
  paras.push_back(Piece(Paragraph("Direkt neben dem Stand ist ein Honigautomat angebracht.")));
  paras.push_back(
      Piece(Paragraph("Im Norden hörst du den Fluss plätschern, aber das Gestrüpp ist so dicht, dass du von hier aus "
                      "nicht an ihn herankommst.")));
  paras.push_back(Piece(Paragraph("Nach Südwesten gelangst du zurück zum Waldweg.")));
  if (first_visit) paras.push_back(Piece(Paragraph("'Guten Tag, junge Dame', grüßt dich der Bär.")));
  return paras;
}

FullForm BridgeApproach(const GameSession& s, bool first_visit) {
  FullForm paras;
  std::string way =
      Cp850(Paragraph("Nun musst du eigentlich nur noch nach Norden über die Brücke gehen, und schon bist du bei "
                      "deiner Oma. "));
  if (first_visit) way += Cp850(Paragraph("Jetzt freust du dich doch ein bisschen, sie bald wiederzusehen."));
  paras.push_back({way});
  if (first_visit) AddWolfArrival(paras);
  std::string exits =
      Cp850(Paragraph("Nach Süden gelangst du zurück in Richtung Waldeingang, am Fluss entlang kannst du nach Westen "
                      "gehen. "));
  if (s.wolf_gone) exits += Cp850(Paragraph("Und über die Brücke geht es nun endlich nach Norden zu deiner Oma."));
  paras.push_back({exits});
  return paras;
}

FullForm BeaverMarket(const GameSession& s, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Direkt am Fluss hat der Biber einen Baumarkt errichtet. Papa liebt diesen Laden: Geht er einmal "
                      "hinein, kommt er erst Stunden später wieder heraus, mit einer Kiste Schrauben, die er ganz "
                      "bestimmt irgendwann brauchen wird.")));
  if (!s.beaver_present) {
    paras.push_back(
        Piece(Paragraph("Zum Glück ist hier wohl aber gerade geschlossen, und auch der Biber ist nirgends zu sehen.")));
  } else {
    paras.push_back(Piece(Paragraph("Zum Glück ist hier wohl aber gerade geschlossen.")));
  }
  std::string stand =
      Cp850(Paragraph("Direkt am Biberbaumarkt befindet sich ein kleiner Stand mit einem Schlüsseldienst."));
  if (s.beaver_present) {
    stand += Cp850(Paragraph(" In dem Stand steht der Biber und lächelt dich mit einem falschen Lächeln an."));
  }
  if (s.key_holder == kKeyWithBeaver) stand += Cp850(Paragraph(" Der Biber hat den verbogenen Schlüssel."));
  paras.push_back({stand});
  paras.push_back(Piece(Paragraph("Du kannst am Fluss entlang nach Westen und Osten gehen.")));
  return paras;
}

FullForm RiverBank(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Eine kleine Schafherde steht etwas ratlos am Flussufer herum und kaut auf dem spärlichen Gras. "
                      "Ab und zu blökt eines der Schafe, und die anderen nicken bedächtig, als hätte es etwas sehr "
                      "Kluges gesagt.")));
  paras.push_back(
      Piece(Paragraph("Im Westen wird das Gelände nun zu unwegsam. Nur nach Osten kannst du von hier aus gehen.")));
  return paras;
}

FullForm Bridge(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(Piece(Paragraph("Du befindest dich auf der schmalen Holzbrücke, die über den Fluss führt.")));
  paras.push_back(Piece(Paragraph("Nach Süden gelangst du zurück in den Wald, nach Norden zu deiner Oma.")));
  return paras;
}

FullForm HouseFront(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(
      Piece(Paragraph("Im Schatten der hohen Bäume steht das kleine Haus deiner Oma, genau so schief und gemütlich, "
                      "wie du es in Erinnerung hast. Die Haustür befindet sich im Westen, und davor liegt eine alte "
                      "Fußmatte.")));
  paras.push_back(Piece(Paragraph("Nach Süden gelangst du zurück zur Brücke.")));
  return paras;
}

FullForm Clearing(const GameSession&, bool) {
  FullForm paras;
  paras.push_back(Piece(
      Paragraph("Auf dieser Lichtung hast du als kleines Mädchen fröhlich gespielt, damals, als dir rote Kappen "
                "noch nicht peinlich waren. Das Gras ist so weich wie früher, und die Sonne scheint genauso warm.")));
  paras.push_back(
      Piece(Paragraph("Ganz besonders gerne hast du am Fluss gespielt, der hier von Norden nach Süden fließt. Oft habt "
                      "ihr an seinem Ufer gepicknickt, und Papa ist jedes Mal beim Steinehüpfen hineingefallen.")));
  paras.push_back(Piece(Paragraph("Nach Nordwesten gelangst du zurück auf deinen ursprünglichen Weg.")));
  return paras;
}

// The paragraphs of the full form, each with what stands above it.
FullForm FullFormOf(const GameSession& s, bool first_visit) {
  switch (s.current_room) {
    case kForestEntrance:
      return ForestEntrance(s, first_visit);
    case kForestPath:
      return ForestPath(s, first_visit);
    case kDeepForest:
      return DeepForest(s, first_visit);
    case kBeeMeadow:
      return BeeMeadow(s, first_visit);
    case kWell:
      return Well(s, first_visit);
    case kHoneyStand:
      return HoneyStand(s, first_visit);
    case kBridgeApproach:
      return BridgeApproach(s, first_visit);
    case kBeaverMarket:
      return BeaverMarket(s, first_visit);
    case kRiverBank:
      return RiverBank(s, first_visit);
    case kBridge:
      return Bridge(s, first_visit);
    case kHouseFront:
      return HouseFront(s, first_visit);
    case kClearing:
      return Clearing(s, first_visit);
    default:
      return {};
  }
}

void PrintFullForm(GameSession& s, Console& console, const FullForm& paras) {
  const bool empty_messages = EmptyLinesAreMessages(s.current_room);
  for (const Block& para : paras) {
    if (para.gap == Gap::kLineEnd || (para.gap == Gap::kRoom && !empty_messages)) {
      console.LineEnd();
    } else if (para.gap == Gap::kRoom) {
      PrintMessage(s, console, "");
    }
    PrintMessage(s, console, para.text);
  }
}

void Describe(GameSession& s, Console& console, bool in_full) {
  if (s.current_room == kHouseInside) RunEnding(s, console);
  // The tower's inside is never entered and has no description.
  if (!IsPlaceToStand(s.current_room)) return;

  s.place_name = RoomTitle(s.current_room);
  console.SetForeground(s.accent_colour);
  console.SetCursor(console.CursorRow(), 1);
  console.Write(s.place_name);
  console.LineEnd();
  ++s.lines_since_pause;
  console.SetForeground(kLightGrey);

  int& visited = VisitedFlag(s, s.current_room);
  if (s.brief_mode && visited && !in_full) {
    for (const std::string& sentence : ShortForm(s)) {
      console.LineEnd();
      PrintMessage(s, console, sentence);
    }
  } else {
    PrintFullForm(s, console, FullFormOf(s, !visited));
    // The first prompt of a game sits below the title screen's text.
    if (s.current_room == kForestEntrance && !s.first_prompt_done) console.SetCursor(22, 1);
    visited = 1;
  }

  RunArrivalEvents(s, console);
  const std::vector<std::string> lying_here = ObjectsLyingHere(s);
  if (RunBeeSwarm(s, console)) return;
  RunGrasshopper(s, console);
  PrintObjectsPresent(s, console, lying_here);
}

}  // namespace

void DescribeRoom(GameSession& session, Console& console) {
  Describe(session, console, session.command.verb == "schaue");
}

void DescribeRoomInFull(GameSession& session, Console& console) { Describe(session, console, true); }
