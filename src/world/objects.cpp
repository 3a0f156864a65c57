#include "world/objects.h"

#include "world/encoding.h"

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
  if (!s.basket_carried && s.basket_room == room) names.push_back("ein Korb");
  if (!s.newspaper_carried && s.newspaper_room == room) names.push_back("eine Zeitung");
  if (!s.voucher_carried && s.voucher_room == room && s.voucher_found) names.push_back("ein Gutschein");
  if (!s.honey_jar_carried && s.honey_jar_room == room && s.voucher_redeemed && !s.bees_at_jar) {
    names.push_back("ein Honigglas");
  }
  if (s.honey_jar_state == kLidLoose && s.lid_room == room) names.push_back("ein Deckel");
  if (s.ball_state == kBallLying && s.ball_room == room) names.push_back("eine Kugel");
  if (!s.bouquet_carried && s.bouquet_room == room) names.push_back(Cp850("ein Blumenstrauß"));
  if (!s.grass_carried && s.grass_room == room) names.push_back("etwas Gras");
  // The herd's sheep are part of the river bank.
  if (!s.wolf_has_sheep && s.sheep_room == room && room != kRiverBank) names.push_back("ein Schaf");
  if (s.key_holder == kKeyNotCarried && s.key_room == room && s.spare_key_found && !s.key_under_mat) {
    names.push_back(Cp850("ein Schlüssel"));
  }
  if (!s.umbrella_carried && s.umbrella_room == room) names.push_back("ein Regenschirm");
  if (s.coin_state == kCoinNotCarried && s.coin_room == room) names.push_back("ein Taler");
  return names;
}

std::vector<std::string> CarriedObjects(const GameSession& s) {
  std::vector<std::string> names;
  if (s.basket_carried) names.push_back("einen Korb");
  if (s.newspaper_carried) names.push_back(s.newspaper_torn ? "eine zerrissene Zeitung" : "eine Zeitung");
  if (s.voucher_carried) names.push_back("einen Gutschein");
  if (s.honey_jar_carried) names.push_back("ein Honigglas");
  if (s.honey_jar_state == kLidCarried) names.push_back("einen Deckel");
  if (s.ball_state == kBallCarried) names.push_back("eine Kugel");
  if (s.bouquet_carried) names.push_back(Cp850("einen Blumenstrauß"));
  if (s.grass_carried) names.push_back("etwas Gras");
  if (s.key_holder == kKeyCarried)
    names.push_back(Cp850(s.key_bent ? "einen verbogenen Schlüssel" : "einen Schlüssel"));
  if (s.umbrella_carried) names.push_back("einen Regenschirm");
  if (s.coin_state == kCoinCarried) names.push_back("einen Taler");
  return names;
}

bool JarIsOpen(const GameSession& s) { return s.honey_jar_state == kLidLoose || s.honey_jar_state == kLidCarried; }
