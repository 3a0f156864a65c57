#include "console/map_display.h"

#include <string>

#include "console/console.h"
#include "console/encoding.h"
#include "console/text_output.h"
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
    {1, 23, 40, "  Waldeingang", {{22, 48, "│"}}},
    {2, 19, 40, " Auf einem Weg", {{18, 48, "│"}}},
    {3, 15, 40, "Tiefer im Wald", {{18, 57, "\\"}, {14, 57, "/"}, {16, 39, "-"}, {14, 48, "│"}}},
    {7, 11, 40, " An der Brücke", {{10, 48, "│"}, {12, 39, "-"}}},
    {10, 7, 40, "Auf der Brücke", {{6, 48, "│"}}},
    {11, 3, 40, " Vor dem Haus", {{4, 39, "-"}}},
    {6, 11, 58, " Am Honigstand", {}},
    {13, 19, 58, "An der Lichtung", {}},
    {4, 15, 22, "  Bienenwiese", {{18, 21, "/"}}},
    {5, 19, 4, "  Am Brunnen", {}},
    {8, 11, 22, " Biberbaumarkt", {{12, 21, "-"}}},
    {9, 11, 4, "   Flussufer", {}},
    {12, 3, 22, "   Im Haus", {}},
};

// Each rule overrides the ones before it: the map moves up as the walk
// goes north.
int RowShift(const GameSession& s, int shift) {
  if (VisitedFlag(s, 1)) shift = 10;
  if (VisitedFlag(s, 2)) shift = 7;
  if (VisitedFlag(s, 3)) shift = 5;
  if (VisitedFlag(s, 7)) shift = 3;
  if (VisitedFlag(s, 10)) shift = 1;
  if (VisitedFlag(s, 11)) shift = 0;
  return shift;
}

// Each rule overrides the ones before it; when none applies the old shift stays.
int ColumnShift(const GameSession& s, int shift) {
  const auto seen = [&s](int room) { return VisitedFlag(s, room) != 0; };
  if (!seen(4) && !seen(6) && !seen(7) && !seen(8)) shift = 7;
  if (seen(4) && !seen(5) && !seen(6) && !seen(9)) shift = 1;
  if (seen(8) && !seen(5) && !seen(6) && !seen(9)) shift = 1;
  if ((seen(5) || seen(9)) && !seen(6)) shift = -7;
  if (seen(6)) shift = !seen(4) && !seen(8) ? 12 : 8;
  if (seen(9)) shift = !seen(6) ? -4 : 0;
  if ((seen(5) || seen(9)) && seen(6)) shift = 0;
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
