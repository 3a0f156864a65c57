#include "story/verbs/movement.h"

#include "console/text_output.h"
#include "story/room_descriptions.h"
#include "world/encoding.h"
#include "world/rooms.h"

namespace {

// "Norden", "Südwesten", ...
std::string DirectionLabel(const std::string& direction) { return Capitalise(direction) + "en"; }

// Why there is no way in that direction, room by room.
TurnEnd RefuseMove(GameSession& s) {
  const std::string& direction = s.command.direction;
  const std::string d = DirectionLabel(direction) + " ";
  const bool northward = OneOf(direction, {"nord", "nordwest", "nordost"});
  std::string text;
  switch (s.current_room) {
    case kForestEntrance:
      text = "Nach " + d + Cp850("gelangst du nicht zu deiner Oma. Nur der Weg nach Norden führt dich dorthin.");
      break;
    case kForestPath:
      text = "Im " + d + Cp850("ist das Gestrüpp zu dicht. Der Weg führt von Süden nach Norden.");
      break;
    case kDeepForest:
      text = "Nach " + d + "kannst du von hier aus nicht gehen.";
      break;
    case kBeeMeadow:
      text =
          "Im " + d + Cp850("steht das Grünzeug zu dicht. Nur nach Osten und Südwesten kannst du die Wiese verlassen.");
      break;
    case kWell:
      text = "Nach " + d + "kannst du von hier aus nicht gehen, doch nach Nordosten gelangst du zur Bienenwiese.";
      break;
    case kHoneyStand:
      text = "Nach " + d +
             Cp850("kannst du von hier aus nicht gehen, doch nach Südwesten gelangst du zurück auf den Waldweg.");
      break;
    case kBridgeApproach:
      if (OneOf(direction, {"nordost", "nordwest"})) {
        text = Cp850("Der Fluss macht es dir unmöglich, nach ") + d + "zu gelangen. ";
      } else {
        text = "Im " + d + Cp850("steht das Grünzeug zu dicht. ");
      }
      text += Cp850("Aber nach Norden, Süden und Westen kannst du gehen.");
      break;
    case kBeaverMarket:
      text = northward ? "Im " + d + "versperrt dir der Fluss den Weg. "
                       : "Im " + d + Cp850("steht das Grünzeug zu dicht. ");
      text += "Nur nach Westen und Osten kannst du gehen.";
      break;
    case kRiverBank:
      if (direction == "west") {
        text = Cp850("Im Westen ist das Gelände zu unwegsam. ");
      } else if (northward) {
        text = "Im " + d + "versperrt dir der Fluss den Weg. ";
      } else {
        text = "Im " + d + Cp850("stehen die Bäume zu dicht. ");
      }
      text += "Nur nach Osten kannst du von hier aus gehen.";
      break;
    case kBridge:
      text = "Nach " + d + Cp850("gelangst du von hier aus nicht. Die Brücke führt von Süden nach Norden.");
      break;
    case kHouseFront:
      text = "Im " + d +
             Cp850(
                 "stehen die Bäume zu dicht. Nach Süden gelangst du zurück zur Brücke, nach Westen kannst du "
                 "das Haus deiner Oma betreten.");
      break;
    default:
      text = "Du kannst von hier aus nicht nach " + DirectionLabel(direction) + " gehen.";
      break;
  }
  return Answer(s, text);
}

// "raus" is a compass direction in the four rooms with a single way out.
const char* WayOut(int room) {
  switch (room) {
    case kWell:
      return "nordost";
    case kHoneyStand:
      return "südwest";
    case kRiverBank:
      return "ost";
    case kClearing:
      return "nordwest";
    default:
      return nullptr;
  }
}

// What the wolf still wants before he lets the player over the bridge.
std::string WolfDemand(const GameSession& s) {
  if (s.ball_state < kBallWithWolf && !s.wolf_has_sheep) return "die goldene Kugel und ein Schaf";
  if (!s.wolf_has_sheep) return "ein Schaf";
  return "die goldene Kugel";
}

// Leaving the beaver's market: he hands back the key he holds, and a
// following sheep comes along.
void LeaveBeaverMarket(GameSession& s, Console& console, int target) {
  if (s.key_holder == kKeyWithBeaver) {
    PrintMessage(s, console, "");
    PrintMessage(s, console, "'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den Schlüssel.");
    PrintMessage(s, console, "");
    s.key_holder = kKeyCarried;
  }
  if (s.sheep_state == kSheepFollowing) {
    PrintMessage(s, console, "Das Schaf folgt dir.");
    s.sheep_room = target;
  }
}

}  // namespace

TurnEnd Move(GameSession& s, Console& console) {
  std::string& direction = s.command.direction;
  const int room = s.current_room;

  if (direction == "raus") {
    const char* way = WayOut(room);
    if (way == nullptr) return Answer(s, "[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]");
    direction = Cp850(way);
    PrintMessage(s, console, "(gehe nach " + DirectionLabel(direction) + ")");
    ++s.move_count;  // the compass direction is a move of its own
    return Move(s, console);
  }
  if (direction == "hoch") return Answer(s, "Du kannst von hier aus nicht hinauf gelangen.");
  if (direction == "runter") {
    if (room == kWell) return Answer(s, "Das wäre zu gefährlich. Du könntest stürzen und im Brunnen ertrinken!");
    return Answer(s, "Du kannst von hier aus nicht hinunter gelangen.");
  }

  const int target = ExitTarget(room, direction);
  if (target == kNoRoom) return RefuseMove(s);

  if (room == kBridgeApproach && target == kBridge && !s.wolf_gone) {
    PrintMessage(s, console, "Der Wolf stellt sich dir in den Weg und sagt:");
    return Answer(s, "'Besorge mir " + WolfDemand(s) + " und dein Weg ist frei!'");
  }
  if (room == kBeeMeadow && target == kWell && !s.bees_at_jar) {
    return Answer(s,
                  "Bereits nach zwei Schritten fliegen dir Dutzende dieser angriffslustigen Bienen um die Ohren. "
                  "Offensichtlich verteidigen sie ihre Wiese und machen es dir unmöglich, nach Südwesten zu "
                  "gelangen.");
  }
  if (room == kHouseFront && target == kHouseInside && !s.door_open) {
    if (s.door_locked) return Answer(s, "Die geschlossene Tür versperrt dir den Weg.");
    PrintMessage(s, console, "(Du öffnest zunächst die Tür.)");
    s.door_open = 1;
  }
  if (room == kBeaverMarket) LeaveBeaverMarket(s, console, target);
  if (room == kRiverBank && target == kBeaverMarket && s.sheep_state == kSheepFollowing) {
    PrintMessage(s, console, "Eines der Schafe folgt dir.");
    PrintMessage(s, console, "");
    s.sheep_room = kBeaverMarket;
  }
  return EnterRoom(s, console, target);
}

TurnEnd EnterRoom(GameSession& s, Console& console, int room) {
  s.current_room = room;
  DescribeRoom(s, console);
  return TurnEnd::kTopOfTurn;
}
