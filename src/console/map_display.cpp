#include "console/map_display.h"

#include <string>

#include "console/console.h"
#include "console/text_output.h"
#include "world/encoding.h"
#include "world/rooms.h"

namespace {

struct LineMark {
  int row;
  int col;
  const char* mark;
};

struct MapPlace {
  int room;
  int row;  // the box's top left corner before the shifts
  int col;
  const char* label;
  LineMark marks[4];  // the line characters drawn with the box; empty marks end the list
};

// In drawing order.
constexpr MapPlace kMapPlaces[] = {
    {kForestEntrance, 23, 40, "  Waldeingang", {{22, 48, "│"}}},
    {kForestPath, 19, 40, " Auf einem Weg", {{18, 48, "│"}}},
    {kDeepForest, 15, 40, "Tiefer im Wald", {{18, 57, "\\"}, {14, 57, "/"}, {16, 39, "-"}, {14, 48, "│"}}},
    {kBridgeApproach, 11, 40, " An der Brücke", {{10, 48, "│"}, {12, 39, "-"}}},
    {kBridge, 7, 40, "Auf der Brücke", {{6, 48, "│"}}},
    {kHouseFront, 3, 40, " Vor dem Haus", {{4, 39, "-"}}},
    {kHoneyStand, 11, 58, " Am Honigstand", {}},
    {kClearing, 19, 58, "An der Lichtung", {}},
    {kBeeMeadow, 15, 22, "  Bienenwiese", {{18, 21, "/"}}},
    {kWell, 19, 4, "  Am Brunnen", {}},
    {kBeaverMarket, 11, 22, " Biberbaumarkt", {{12, 21, "-"}}},
    {kRiverBank, 11, 4, "   Flussufer", {}},
    {kHouseInside, 3, 22, "   Im Haus", {}},
};

// Each rule overrides the ones before it: the map moves up as the walk
// goes north.
int RowShift(const GameSession& s, int shift) {
  if (VisitedFlag(s, kForestEntrance)) shift = 10;
  if (VisitedFlag(s, kForestPath)) shift = 7;
  if (VisitedFlag(s, kDeepForest)) shift = 5;
  if (VisitedFlag(s, kBridgeApproach)) shift = 3;
  if (VisitedFlag(s, kBridge)) shift = 1;
  if (VisitedFlag(s, kHouseFront)) shift = 0;
  return shift;
}

// Each rule overrides the ones before it; when none applies the old shift stays.
int ColumnShift(const GameSession& s, int shift) {
  const auto seen = [&s](int room) { return VisitedFlag(s, room) != 0; };
  if (!seen(kBeeMeadow) && !seen(kHoneyStand) && !seen(kBridgeApproach) && !seen(kBeaverMarket)) shift = 7;
  if (seen(kBeeMeadow) && !seen(kWell) && !seen(kHoneyStand) && !seen(kRiverBank)) shift = 1;
  if (seen(kBeaverMarket) && !seen(kWell) && !seen(kHoneyStand) && !seen(kRiverBank)) shift = 1;
  if ((seen(kWell) || seen(kRiverBank)) && !seen(kHoneyStand)) shift = -7;
  if (seen(kHoneyStand)) shift = !seen(kBeeMeadow) && !seen(kBeaverMarket) ? 12 : 8;
  if (seen(kRiverBank)) shift = !seen(kHoneyStand) ? -4 : 0;
  if ((seen(kWell) || seen(kRiverBank)) && seen(kHoneyStand)) shift = 0;
  return shift;
}

void DrawPlace(const GameSession& s, Console& console, const MapPlace& place) {
  static const std::string kTop = Cp850("┌───────────────┐");
  static const std::string kMiddle = Cp850("│               │");
  static const std::string kBottom = Cp850("└───────────────┘");
  const int row = place.row - s.map_row_shift;
  const int col = place.col - s.map_col_shift;
  console.WriteAt(row, col, place.room == s.current_room ? s.accent_colour : kLightGrey, kBlack, kTop);
  console.WriteAt(row + 1, col, kMiddle);
  console.WriteAt(row + 1, col + 1, Cp850(place.label));
  console.WriteAt(row + 2, col, kBottom);
  console.SetColours(kLightGrey, kBlack);
  for (const LineMark& mark : place.marks) {
    if (mark.mark == nullptr) break;
    console.WriteAt(mark.row - s.map_row_shift, mark.col - s.map_col_shift, Cp850(mark.mark));
  }
}

void DrawHeaderRow(const GameSession& s, Console& console, int row, const char* title) {
  std::string text = Centre(Cp850(title));
  text.resize(kScreenCols, ' ');
  console.WriteAt(row, 1, kLightGrey, s.accent_colour, text);
}

}  // namespace

void ShowMap(GameSession& session, Console& console) {
  SaveScreen(session, console);
  console.SetColours(kLightGrey, kBlack);
  console.Clear();
  console.BeginFullScreen();

  session.map_row_shift = RowShift(session, session.map_row_shift);
  session.map_col_shift = ColumnShift(session, session.map_col_shift);
  for (const MapPlace& place : kMapPlaces) {
    if (VisitedFlag(session, place.room)) DrawPlace(session, console, place);
  }
  DrawHeaderRow(session, console, 1, "Quendelmar");
  DrawHeaderRow(session, console, 2, "Übersichtskarte");

  console.SetCursor(1, 1);
  console.ReadKey(WaitKind::kAnyKey);
  console.Clear();
  RestoreScreen(session, console);
  console.EndFullScreen();
  console.SetColours(session.accent_colour, kBlack);
}
