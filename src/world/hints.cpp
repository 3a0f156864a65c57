#include "world/hints.h"

#include <optional>

#include "console/encoding.h"
#include "console/text_output.h"

namespace {

const char* const kNoMoreHints = "Es sind keine weiteren Hinweise verfügbar.";

// The steps around the bent key: where to take it and how to pay for it.
std::optional<std::string> KeyRepairHint(const GameSession& s) {
  if (s.current_room != 8 && s.repair_offered == 0) {
    std::string hint = "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen.";
    if (s.key_holder == 0) hint += " Den Schlüssel solltest du dabeihaben.";
    return hint;
  }
  if (s.key_holder == 0 && s.repair_offered == 0) return "Im Moment solltest du den Schlüssel unbedingt dabeihaben!";
  if (s.current_room == 8 && s.bell_rung == 0) return "Am Schlüsseldienst befindet sich eine Klingel.";
  if (s.current_room == 8 && s.bell_rung == 1 && s.repair_offered == 0) {
    return "Du kannst dem Biber den Schlüssel geben, ihm den Schlüssel zeigen oder ihn nach dem Schlüssel fragen.";
  }
  if (s.repair_offered == 1 && s.little_bear_seen == 0) return "Tiefer im Wald findest du einen wichtigen Hinweis.";
  if (s.repair_offered == 1 && s.little_bear_seen == 1 && s.coin_points_given == 0) {
    return "Den letzten benötigten Gegenstand findest du in der Nähe des Honigstandes.";
  }
  return std::nullopt;
}

// UTF-8; the caller converts.
std::string HintText(const GameSession& s) {
  if (s.visited_bridge_approach == 0) {
    return "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden gehen.";
  }
  if (s.voucher_found != 1) return "Einen wichtigen Gegenstand findest du in der Zeitung.";
  if (s.visited_honey_stand == 0) return "Du warst noch nicht beim Honigstand.";
  if (s.voucher_redeemed != 1) return "Den Gutschein kannst du beim Honigstand einlösen.";
  if (s.visited_bee_meadow == 0) return "Du warst noch nicht auf der Bienenwiese.";
  if (s.bees_at_jar == 0) return "Die Bienen könnten am Honig gefallen finden, sobald sie ihn wahrnehmen.";
  if (s.visited_well == 0) return "Du warst noch nicht beim Brunnen.";
  if (s.ball_state == 3 && s.frog_state == 0) return "Versuche, die Kugel zu nehmen. Erfülle den Wunsch des Frosches.";
  if (s.frog_state == 1 || s.frog_state == 2) return "Manchmal bedarf es einiger Anläufe, jemanden zu küssen.";
  if (s.ball_state < 4) return "Der Wolf will die Kugel. Also bringe sie ihm.";
  if (s.visited_river_bank == 0) return "Du warst noch nicht bei den Schafen.";
  if (s.grass_carried == 0 && s.sheep_state == 0) return "Auf der Bienenwiese wachsen nicht nur Blumen.";
  if (s.grass_carried == 1 && s.sheep_state == 0) return "Das Gras könnte das Interesse der Schafe wecken.";
  if (s.sheep_state == 1) return "Das Schaf läuft dir hinterher, solange du das Gras hast.";
  if (s.sheep_state == 5 && s.ball_state == 5 && s.current_room != 11 && s.visited_house_front == 0) {
    return "Deine Oma wohnt nördlich der Brücke.";
  }
  if (s.spare_key_found == 0 && s.door_locked == 1) {
    return "Einen wichtigen Gegenstand findest du vor dem Haus deiner Oma.";
  }
  if (s.spare_key_found == 1 && s.door_locked == 1 && s.key_bent == 1) {
    if (std::optional<std::string> hint = KeyRepairHint(s)) return *hint;
  }
  if (s.coin_points_given == 1 && s.key_bent == 1) {
    if (s.coin_state != 1) return "Du benötigst den Taler.";
    std::string hint = "Der Biber biegt dir den Schlüssel für einen Taler gerade.";
    if (s.key_holder != 1) hint += " Du solltest den Schlüssel dabeihaben.";
    return hint;
  }
  if (s.key_bent == 0 && s.door_locked == 1) {
    return "Mit dem geradegebogenen Schlüssel kannst du die Tür am Haus deiner Oma aufschließen.";
  }
  if (s.key_bent == 0 && s.door_locked == 0) return "Gehe in das Haus deiner Oma.";
  return kNoMoreHints;
}

}  // namespace

std::string HintFor(const GameSession& session) { return Cp850(HintText(session)); }

TurnEnd GiveHint(GameSession& session) {
  const std::string hint = HintText(session);
  if (hint == kNoMoreHints) ++session.lines_since_pause;
  SetMessage(session, Cp850(hint));
  return TurnEnd::kEndOfTurn;
}
