#include "console/status_bar.h"

#include <array>
#include <string>
#include <string_view>

#include "console/console.h"
#include "world/compass.h"
#include "world/encoding.h"

namespace {

const std::array<std::string, 3>& TemplateRows() {
  static const std::array<std::string, 3> rows = [] {
    std::array<std::string, 3> r;
    r.fill(std::string(kScreenCols, ' '));
    auto put = [&r](int row, int col, std::string_view utf8) {
      const std::string text = Cp850(utf8);
      r[row - 1].replace(col - 1, text.size(), text);
    };
    put(1, 2, "Quendelmar");
    put(1, 38, "*");
    put(1, 40, "N");
    put(1, 42, "*");
    put(1, 46, "Besitz");
    put(1, 67, "Punkte:");
    put(2, 2, "- Edition 2 -");
    put(2, 38, "W");
    put(2, 40, "X");
    put(2, 42, "O");
    put(3, 38, "*");
    put(3, 40, "S");
    put(3, 42, "*");
    put(3, 46, "Befehle");
    put(3, 67, "Züge:");
    return r;
  }();
  return rows;
}

struct CompassPoint {
  const char* symbol;
  int row;
  int col;
  const char* code;
};

constexpr CompassPoint kCompass[] = {
    {"N", 1, 40, "n"}, {"*", 1, 42, "no"}, {"*", 1, 38, "nw"}, {"W", 2, 38, "w"},
    {"O", 2, 42, "o"}, {"*", 3, 38, "sw"}, {"S", 3, 40, "s"},  {"*", 3, 42, "so"},
};

bool HasCode(const std::string& codes, std::string_view code) {
  return codes.find(" " + std::string(code) + " ") != std::string::npos;
}

constexpr StatusBarClick kClickAreas[] = {
    {1, 38, 38, "Nordwest"}, {1, 40, 40, "Nord"},
    {1, 42, 42, "Nordost"},  {2, 38, 38, "West"},
    {2, 40, 40, "Karte"},    {2, 42, 42, "Ost"},
    {3, 38, 38, "Südwest"},  {3, 40, 40, "Süd"},
    {3, 42, 42, "Südost"},   {3, 1, 26, "Schaue dich um", true},
    {3, 46, 52, "Befehle"},  {3, 67, 80, "Züge"},
    {1, 1, 26, "Credits"},   {1, 46, 51, "Besitz"},
    {1, 67, 80, "Punkte"},   {2, 1, 14, "Hintergrund"},
};

}  // namespace

const StatusBarClick* StatusBarClickAt(int row, int col) {
  for (const StatusBarClick& area : kClickAreas) {
    if (area.row == row && col >= area.first_col && col <= area.last_col) return &area;
  }
  return nullptr;
}

std::string NumberText(int number) {
  return (number < 0 ? "-" : " ") + std::to_string(number < 0 ? -static_cast<long>(number) : number) + " ";
}

void DrawStatusTemplate(GameSession& session, Console& console) {
  console.SetCursor(1, 1);
  for (const std::string& row : TemplateRows()) console.Write(row);
  console.LineEnd();
  if (!session.prolog_shown) {
    console.SetCursor(3, 1);
    console.Write(" Prolog");
    console.LineEnd();
    session.prolog_shown = 1;
  }
}

void DrawStatusValues(GameSession& session, Console& console) {
  const int accent = session.accent_colour;
  console.SetColours(kBlack, accent);
  // A smaller number first clears its whole field, so that no stale digits remain.
  const std::string_view clear_field = "       ";
  console.SetCursor(1, 74);
  if (session.score < session.score_shown) {
    console.Write(clear_field);
    console.SetCursor(1, 74);
  }
  console.Write(NumberText(session.score));

  console.SetCursor(3, 74);
  if (session.moves_at_prompt > session.move_count) {
    console.Write(clear_field);
    console.SetCursor(3, 74);
  }
  console.Write(NumberText(session.move_count));  // 16 bits: always fits the field

  console.SetCursor(3, 2);
  std::string place = session.place_name;
  place.resize(36, ' ');  // a longer name would run into the compass
  console.Write(place);
  console.LineEnd();

  session.exit_codes = CompassExitCodes(session);
  console.WriteAt(2, 40, kLightGrey, accent, "X");
  for (const CompassPoint& point : kCompass) {
    const int colour = HasCode(session.exit_codes, point.code) ? kWhite : kBlack;
    console.WriteAt(point.row, point.col, colour, accent, point.symbol);
  }
  const std::string blocked = BlockedExitCodes(session);
  for (const CompassPoint& point : kCompass) {
    if (HasCode(blocked, point.code)) console.WriteAt(point.row, point.col, kRed, accent, point.symbol);
  }
  console.SetColours(kWhite, accent);
  session.score_shown = session.score;
}

void RedrawStatusBar(GameSession& session, Console& console) {
  const int row = console.CursorRow();
  console.SetCursorVisible(false);
  console.SetColours(kBlack, session.accent_colour);
  DrawStatusTemplate(session, console);
  DrawStatusValues(session, console);
  console.SetColours(kLightGrey, kBlack);
  console.SetCursor(row, 1);
  console.Write("");  // the text goes on from here, not from the bar
}
