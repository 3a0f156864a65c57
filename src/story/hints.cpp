#include "story/hints.h"

#include <optional>

#include "console/text_output.h"
#include "world/encoding.h"

namespace {

const char* const kNoMoreHints = "Es sind keine weiteren Hinweise verfügbar.";

// The steps around the bent key: where to take it and how to pay for it.
std::optional<std::string> KeyRepairHint(const GameSession& s) {
  if (s.current_room != kBeaverMarket && !s.repair_offered) {
    std::string hint = "Beim Schlüsseldienst bist du schon vorbeigekommen. Dort kann dir sicher jemand helfen.";
    if (s.key_holder == kKeyNotCarried) hint += " Den Schlüssel solltest du dabeihaben.";
    return hint;
  }
  if (s.key_holder == kKeyNotCarried && !s.repair_offered)
    return "Im Moment solltest du den Schlüssel unbedingt dabeihaben!";
  if (s.current_room == kBeaverMarket && !s.bell_rung) return "Am Schlüsseldienst befindet sich eine Klingel.";
  if (s.current_room == kBeaverMarket && s.bell_rung && !s.repair_offered) {
    return "Du kannst dem Biber den Schlüssel geben, ihm den Schlüssel zeigen oder ihn nach dem Schlüssel fragen.";
  }
  if (s.repair_offered && !s.little_bear_seen) return "Tiefer im Wald findest du einen wichtigen Hinweis.";
  if (s.repair_offered && s.little_bear_seen && !s.coin_points_given) {
    return "Den letzten benötigten Gegenstand findest du in der Nähe des Honigstandes.";
  }
  return std::nullopt;
}

// UTF-8; the caller converts.
std::string HintText(const GameSession& s) {
  if (!s.visited_bridge_approach) {
    return "Um zur Oma zu gelangen, musst du vom Waldeingang aus immer nur nach Norden gehen.";
  }
  if (!s.voucher_found) return "Einen wichtigen Gegenstand findest du in der Zeitung.";
  if (!s.visited_honey_stand) return "Du warst noch nicht beim Honigstand.";
  if (!s.voucher_redeemed) return "Den Gutschein kannst du beim Honigstand einlösen.";
  if (!s.visited_bee_meadow) return "Du warst noch nicht auf der Bienenwiese.";
  if (!s.bees_at_jar) return "Die Bienen könnten am Honig gefallen finden, sobald sie ihn wahrnehmen.";
  if (!s.visited_well) return "Du warst noch nicht beim Brunnen.";
  if (s.ball_state == kBallOnWell && s.frog_state == kFrogUnkissed)
    return "Versuche, die Kugel zu nehmen. Erfülle den Wunsch des Frosches.";
  if (s.frog_state == kFrogKissedOnce || s.frog_state == kFrogKissedTwice)
    return "Manchmal bedarf es einiger Anläufe, jemanden zu küssen.";
  if (s.ball_state < kBallWithWolf) return "Der Wolf will die Kugel. Also bringe sie ihm.";
  if (!s.visited_river_bank) return "Du warst noch nicht bei den Schafen.";
  if (!s.grass_carried && s.sheep_state == kSheepWithHerd) return "Auf der Bienenwiese wachsen nicht nur Blumen.";
  if (s.grass_carried && s.sheep_state == kSheepWithHerd) return "Das Gras könnte das Interesse der Schafe wecken.";
  if (s.sheep_state == kSheepFollowing) return "Das Schaf läuft dir hinterher, solange du das Gras hast.";
  if (s.sheep_state == kSheepGone && s.ball_state == kBallGone && s.current_room != kHouseFront &&
      !s.visited_house_front) {
    return "Deine Oma wohnt nördlich der Brücke.";
  }
  if (!s.spare_key_found && s.door_locked) {
    return "Einen wichtigen Gegenstand findest du vor dem Haus deiner Oma.";
  }
  if (s.spare_key_found && s.door_locked && s.key_bent) {
    if (std::optional<std::string> hint = KeyRepairHint(s)) return *hint;
  }
  if (s.coin_points_given && s.key_bent) {
    if (s.coin_state != kCoinCarried) return "Du benötigst den Taler.";
    std::string hint = "Der Biber biegt dir den Schlüssel für einen Taler gerade.";
    if (s.key_holder != kKeyCarried) hint += " Du solltest den Schlüssel dabeihaben.";
    return hint;
  }
  if (!s.key_bent && s.door_locked) {
    return "Mit dem geradegebogenen Schlüssel kannst du die Tür am Haus deiner Oma aufschließen.";
  }
  if (!s.key_bent && !s.door_locked) return "Gehe in das Haus deiner Oma.";
  return kNoMoreHints;
}

}  // namespace

TurnEnd GiveHint(GameSession& session) {
  const std::string hint = HintText(session);
  if (hint == kNoMoreHints) ++session.lines_since_pause;
  return Answer(session, Cp850(hint));
}
