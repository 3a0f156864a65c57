#include "world/game_session.h"

void SetInitialValues(GameSession& s) {
  s.current_room = 1;
  s.move_count = 0;
  s.score = 0;
  s.score_notices_on = 1;
  s.brief_mode = 1;
  s.screen_rows = 25;
  s.accent_colour = 2;

  s.basket_carried = 1;
  s.newspaper_room = 2;
  s.voucher_room = 2;
  s.ball_state = 3;
  s.ball_room = 5;
  s.key_room = 11;
  s.key_under_mat = 1;
  s.key_bent = 1;
  s.umbrella_room = 14;
  s.door_locked = 1;
}
