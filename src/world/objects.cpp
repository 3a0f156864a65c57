#include "world/objects.h"

#include "console/encoding.h"
#include "console/text_output.h"

std::string JoinNames(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    text += names[i];
    const size_t left = names.size() - i - 1;
    if (left >= 2) {
      text += ", ";
    } else if (left == 1) {
      text += " und ";
    }
  }
  return text;
}

std::vector<std::string> ObjectsLyingHere(const GameSession& s) {
  const int room = s.current_room;
  std::vector<std::string> names;
  if (s.basket_carried == 0 && s.basket_room == room) names.push_back("ein Korb");
  if (s.newspaper_carried == 0 && s.newspaper_room == room) names.push_back("eine Zeitung");
  if (s.voucher_carried == 0 && s.voucher_room == room && s.voucher_found == 1) names.push_back("ein Gutschein");
  if (s.honey_jar_carried == 0 && s.honey_jar_room == room && s.voucher_redeemed == 1 && s.bees_at_jar == 0) {
    names.push_back("ein Honigglas");
  }
  if (s.honey_jar_state == 0 && s.lid_room == room) names.push_back("ein Deckel");
  if (s.ball_state == 0 && s.ball_room == room) names.push_back("eine Kugel");
  if (s.bouquet_carried == 0 && s.bouquet_room == room) names.push_back(Cp850("ein Blumenstrauß"));
  if (s.grass_carried == 0 && s.grass_room == room) names.push_back("etwas Gras");
  if (s.wolf_has_sheep == 0 && s.sheep_room == room && room != 9) names.push_back("ein Schaf");
  if (s.key_holder == 0 && s.key_room == room && s.spare_key_found == 1 && s.key_under_mat == 0) {
    names.push_back(Cp850("ein Schlüssel"));
  }
  if (s.umbrella_carried == 0 && s.umbrella_room == room) names.push_back("ein Regenschirm");
  if (s.coin_state == 0 && s.coin_room == room) names.push_back("ein Taler");
  return names;
}

std::vector<std::string> CarriedObjects(const GameSession& s) {
  std::vector<std::string> names;
  if (s.basket_carried == 1) names.push_back("einen Korb");
  if (s.newspaper_carried == 1) names.push_back(s.newspaper_torn == 1 ? "eine zerrissene Zeitung" : "eine Zeitung");
  if (s.voucher_carried == 1) names.push_back("einen Gutschein");
  if (s.honey_jar_carried == 1) names.push_back("ein Honigglas");
  if (s.honey_jar_state == 1) names.push_back("einen Deckel");
  if (s.ball_state == 1) names.push_back("eine Kugel");
  if (s.bouquet_carried == 1) names.push_back(Cp850("einen Blumenstrauß"));
  if (s.grass_carried == 1) names.push_back("etwas Gras");
  if (s.key_holder == 1) names.push_back(Cp850(s.key_bent == 1 ? "einen verbogenen Schlüssel" : "einen Schlüssel"));
  if (s.umbrella_carried == 1) names.push_back("einen Regenschirm");
  if (s.coin_state == 1) names.push_back("einen Taler");
  return names;
}

TurnEnd ShowInventory(GameSession& s) {
  ++s.move_count;
  const std::vector<std::string> names = CarriedObjects(s);
  if (names.empty()) {
    SetMessage(s, Cp850("Du trägst nichts bei dir."));
  } else {
    SetMessage(s, "Du hast " + JoinNames(names) + ".");
  }
  return TurnEnd::kEndOfTurn;
}
