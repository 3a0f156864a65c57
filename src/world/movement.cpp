#include "world/movement.h"

#include <initializer_list>
#include <string_view>

#include "console/encoding.h"
#include "console/text_output.h"
#include "story/room_descriptions.h"

namespace {

bool Is(const std::string& word, std::string_view utf8) { return word == Cp850(utf8); }

bool OneOf(const std::string& word, std::initializer_list<std::string_view> utf8_words) {
  for (std::string_view candidate : utf8_words) {
    if (word == Cp850(candidate)) return true;
  }
  return false;
}

TurnEnd Answer(GameSession& s, std::string_view text) {
  SetMessage(s, text);
  return TurnEnd::kEndOfTurn;
}

struct Exit {
  int from;
  const char* direction;
  int to;
};

constexpr Exit kExits[] = {
    {1, "nord", 2},     {2, "nord", 3},     {2, "süd", 1},      {3, "nord", 7},     {3, "süd", 2},
    {3, "west", 4},     {3, "nordost", 6},  {3, "südost", 13},  {4, "ost", 3},      {4, "südwest", 5},
    {5, "nordost", 4},  {6, "südwest", 3},  {7, "nord", 10},    {7, "süd", 3},      {7, "west", 8},
    {8, "west", 9},     {8, "ost", 7},      {9, "ost", 8},      {10, "nord", 11},   {10, "süd", 7},
    {11, "süd", 10},    {11, "west", 12},   {13, "nordwest", 3},
};

// "Norden", "Südwesten", ...
std::string DirectionLabel(const std::string& direction) { return Capitalise(direction) + "en"; }

TurnEnd RefuseMove(GameSession& s) {
  const std::string& dir = s.command.direction;
  const std::string d = DirectionLabel(dir) + " ";
  const bool northward = OneOf(dir, {"nord", "nordwest", "nordost"});
  std::string text;
  switch (s.current_room) {
    case 1:
      text = "Nach " + d + Cp850("gelangst du nicht zu deiner Oma. Nur der Weg nach Norden führt dich dorthin.");
      break;
    case 2:
      text = "Im " + d + Cp850("ist das Gestrüpp zu dicht. Der Weg führt von Süden nach Norden.");
      break;
    case 3:
      text = "Nach " + d + "kannst du von hier aus nicht gehen.";
      break;
    case 4:
      text = "Im " + d +
             Cp850("steht das Grünzeug zu dicht. Nur nach Osten und Südwesten kannst du die Wiese verlassen.");
      break;
    case 5:
      text = "Nach " + d + "kannst du von hier aus nicht gehen, doch nach Nordosten gelangst du zur Bienenwiese.";
      break;
    case 6:
      text = "Nach " + d +
             Cp850("kannst du von hier aus nicht gehen, doch nach Südwesten gelangst du zurück auf den Waldweg.");
      break;
    case 7:
      if (OneOf(dir, {"nordost", "nordwest"})) {
        text = Cp850("Der Fluss macht es dir unmöglich, nach ") + d + "zu gelangen. ";
      } else {
        text = "Im " + d + Cp850("steht das Grünzeug zu dicht. ");
      }
      text += Cp850("Aber nach Norden, Süden und Westen kannst du gehen.");
      break;
    case 8:
      text = northward ? "Im " + d + "versperrt dir der Fluss den Weg. "
                       : "Im " + d + Cp850("steht das Grünzeug zu dicht. ");
      text += "Nur nach Westen und Osten kannst du gehen.";
      break;
    case 9:
      if (dir == "west") {
        text = Cp850("Im Westen ist das Gelände zu unwegsam. ");
      } else if (northward) {
        text = "Im " + d + "versperrt dir der Fluss den Weg. ";
      } else {
        text = "Im " + d + Cp850("stehen die Bäume zu dicht. ");
      }
      text += "Nur nach Osten kannst du von hier aus gehen.";
      break;
    case 10:
      text = "Nach " + d + Cp850("gelangst du von hier aus nicht. Die Brücke führt von Süden nach Norden.");
      break;
    case 11:
      text = "Im " + d +
             Cp850("stehen die Bäume zu dicht. Nach Süden gelangst du zurück zur Brücke, nach Westen kannst du "
                   "das Haus deiner Oma betreten.");
      break;
    default:
      text = "Du kannst von hier aus nicht nach " + DirectionLabel(dir) + " gehen.";
      break;
  }
  return Answer(s, text);
}

// "raus" is a compass direction in the four rooms with a single way out.
const char* WayOut(int room) {
  switch (room) {
    case 5: return "nordost";
    case 6: return "südwest";
    case 9: return "ost";
    case 13: return "nordwest";
    default: return nullptr;
  }
}

// What the wolf still wants before he lets the player over the bridge.
std::string WolfDemand(const GameSession& s) {
  if (s.ball_state < 4 && s.wolf_has_sheep == 0) return "die goldene Kugel und ein Schaf";
  if (s.wolf_has_sheep == 0) return "ein Schaf";
  return "die goldene Kugel";
}

// Leaving the beaver's market: he hands back the key he holds, and a
// following sheep comes along.
void LeaveBeaverMarket(GameSession& s, Console& console, int target) {
  if (s.key_holder == 5) {
    PrintMessage(s, console, "");
    PrintMessage(s, console,
                 Cp850("'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den Schlüssel."));
    PrintMessage(s, console, "");
    s.key_holder = 1;
  }
  if (s.sheep_state == 1) {
    PrintMessage(s, console, "Das Schaf folgt dir.");
    s.sheep_room = target;
  }
}

}  // namespace

int ExitTarget(int room, const std::string& direction) {
  for (const Exit& exit : kExits) {
    if (exit.from == room && Is(direction, exit.direction)) return exit.to;
  }
  return 0;
}

TurnEnd RunMovement(GameSession& s, Console& console) {
  std::string& dir = s.command.direction;
  const int room = s.current_room;

  if (dir == "raus") {
    const char* way = WayOut(room);
    if (way == nullptr) return Answer(s, "[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]");
    dir = Cp850(way);
    PrintMessage(s, console, "(gehe nach " + DirectionLabel(dir) + ")");
    ++s.move_count;  // the compass direction is a move of its own
    return RunMovement(s, console);
  }
  if (dir == "hoch") return Answer(s, "Du kannst von hier aus nicht hinauf gelangen.");
  if (dir == "runter") {
    if (room == 5) return Answer(s, Cp850("Das wäre zu gefährlich. Du könntest stürzen und im Brunnen ertrinken!"));
    return Answer(s, "Du kannst von hier aus nicht hinunter gelangen.");
  }

  const int target = ExitTarget(room, dir);
  if (target == 0) return RefuseMove(s);

  if (room == 7 && target == 10 && s.wolf_gone == 0) {
    PrintMessage(s, console, "Der Wolf stellt sich dir in den Weg und sagt:");
    return Answer(s, "'Besorge mir " + WolfDemand(s) + " und dein Weg ist frei!'");
  }
  if (room == 4 && target == 5 && s.bees_at_jar == 0) {
    return Answer(s, Cp850("Bereits nach zwei Schritten fliegen dir Dutzende dieser angriffslustigen Bienen um die "
                           "Ohren. Offensichtlich verteidigen sie ihre Wiese und machen es dir unmöglich, nach "
                           "Südwesten zu gelangen."));
  }
  if (room == 11 && target == 12 && s.door_open == 0) {
    if (s.door_locked == 1) return Answer(s, Cp850("Die geschlossene Tür versperrt dir den Weg."));
    PrintMessage(s, console, Cp850("(Du öffnest zunächst die Tür.)"));
    s.door_open = 1;
  }
  if (room == 8) LeaveBeaverMarket(s, console, target);
  if (room == 9 && target == 8 && s.sheep_state == 1) {
    PrintMessage(s, console, "Eines der Schafe folgt dir.");
    PrintMessage(s, console, "");
    s.sheep_room = 8;
  }

  s.current_room = target;
  DescribeRoom(s, console);
  return TurnEnd::kTopOfTurn;
}
