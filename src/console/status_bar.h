// The status bar, rows 1 to 3: title, place, compass, score and moves, in
// black on the accent colour. The whole console scrolls, so the bar is drawn
// again at every prompt and every paging pause.
#pragma once

#include "world/game_session.h"

class Console;

// The three template rows at row 1 (colours set by the caller); on the very
// first drawing the place field shows " Prolog".
void DrawStatusTemplate(GameSession& session, Console& console);
// Score, moves, place and the compass.
void DrawStatusValues(GameSession& session, Console& console);
// Template and values, then back to colour 7 on 0 at the row the cursor was on.
void RedrawStatusBar(GameSession& session, Console& console);

// A left click on the bar: the command of the clicked area, which the
// editor enters at once. The compass "X" gives the map, which prints no line
// end; the place name looks around and counts a move at the click.
struct StatusBarClick {
  int row;
  int first_col;
  int last_col;
  const char* command;  // UTF-8
  bool counts_move = false;
};
// The area under a click in rows 1 to 3, tested in order; nullptr elsewhere.
const StatusBarClick* StatusBarClickAt(int row, int col);

// A number as the game prints it: a blank in place of the sign, one after.
std::string NumberText(int number);
