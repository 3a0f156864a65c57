#include "world/game_session.h"

#include <utility>

void SetInitialValues(GameSession& s) {
  s.current_room = kForestEntrance;
  s.move_count = 0;
  s.score = 0;
  s.score_notices_on = 1;
  s.brief_mode = 1;
  s.screen_rows = 25;
  s.accent_colour = 2;

  s.basket_carried = 1;
  s.newspaper_room = kForestPath;
  s.voucher_room = kForestPath;
  s.ball_state = kBallOnWell;
  s.ball_room = kWell;
  s.key_room = kHouseFront;
  s.key_under_mat = 1;
  s.key_bent = 1;
  s.umbrella_room = kTower;
  s.door_locked = 1;
}

void ReadLineNext(GameSession& s, std::string line) {
  s.input_line = std::move(line);
  s.line_from_program = 1;
  s.suppress_blank_line = 1;
  s.more_sentences_pending = 0;
}
