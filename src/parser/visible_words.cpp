#include "parser/visible_words.h"

#include "world/encoding.h"

namespace {

// Appends blank-separated words (UTF-8), keeping a blank at each end.
void Add(std::string& list, std::string_view utf8_words) { list += Cp850(utf8_words) + " "; }

std::string_view RoomWords(int room) {
  switch (room) {
    case kForestEntrance:
      return "waldeingang weg wegesrand gebüsch gestrüpp grünzeug sträucher himmel";
    case kForestPath:
      return "weg wegesrand sträucher bank himmel";
    case kDeepForest:
      return "weg wegesrand gesumme himmel";
    case kBeeMeadow:
      return "gesumme blumen bienen wiese rasen gras himmel";
    case kWell:
      return "brunnen himmel";
    case kHoneyStand:
      return "honigstand honigautomat geplätscher himmel rückgabetaste münzeinwurf münzausgabe ausgabefach";
    case kBridgeApproach:
      return "brücke fluss flussufer geplätscher wasser himmel";
    case kBeaverMarket:
      return "fluss biberbaumarkt flussufer geplätscher schlüsseldienst klingel schild wasser himmel";
    case kRiverBank:
      return "fluss schafherde schafe schaf flussufer geplätscher wasser himmel";
    case kBridge:
      return "fluss brücke geplätscher wasser himmel flussufer";
    case kHouseFront:
      return "haus tür matte himmel";
    case kClearing:
      return "himmel fluss wasser geplätscher lichtung wiese gras rasen";
    case kTower:
      return "turm öffnung";
    default:
      return {};
  }
}

}  // namespace

void BuildVisibleWords(GameSession& s) {
  ParsedCommand& c = s.command;
  const int room = s.current_room;
  std::string list = " ";

  if (room == kTower) {
    Add(list, "dich boden licht schatten kappe käppchen wind");
  } else {
    Add(list,
        "dich boden licht landschaft sträucher wald baum bäume sonne schatten gestrüpp gebüsch grünzeug kappe "
        "käppchen wind");
  }
  if (!RoomWords(room).empty()) Add(list, RoomWords(room));

  if (c.verb == "kaufe") {
    if (room == kHoneyStand && (c.object1 == "honig" || c.object2 == "honigglas")) list += c.object1 + " ";
    if (room == kBeaverMarket && Is(c.object1, "schlüssel")) list += c.object1 + " ";
  }
  if (room == kHoneyStand && !s.spare_key_found) Add(list, "bär bären");
  if (room == kBeeMeadow && !s.bouquet_picked && Is(c.verb, "pflücke") &&
      OneOf(c.object1, {"strauß", "blumenstrauß"})) {
    c.object1 = "blumen";
    c.object1_gender = kFeminine;
    c.object1_plural = 1;
    c.object1_dative_name = "Blumen";
  }
  if (c.verb == "finde") {
    if (room == kBeeMeadow) Add(list, "grashüpfer");
    Add(list, "hasen");
  }
  if (room == kBeaverMarket && s.beaver_present) Add(list, "biber hosenanzug");

  const auto here_or_carried = [room](int carried, int object_room) { return carried || object_room == room; };
  if (here_or_carried(s.basket_carried, s.basket_room)) Add(list, "korb kuchen weinflasche wein");
  if (s.coin_state == kCoinCarried || (s.coin_state == kCoinNotCarried && s.coin_room == room) ||
      (s.coin_state == kCoinInReturn && room == kHoneyStand)) {
    Add(list, "taler");
  }
  if (here_or_carried(s.umbrella_carried, s.umbrella_room)) Add(list, "regenschirm");
  if (here_or_carried(s.newspaper_carried, s.newspaper_room)) Add(list, "zeitung");
  if ((s.key_holder == kKeyCarried || (s.key_holder == kKeyNotCarried && s.key_room == room)) && s.spare_key_found) {
    Add(list, "schlüssel");
  }
  if (s.key_holder == kKeyWithBeaver) Add(list, "schlüssel");  // only while the player is at the beaver's
  if (here_or_carried(s.voucher_carried, s.voucher_room) && s.voucher_found) Add(list, "gutschein");
  if (here_or_carried(s.honey_jar_carried, s.honey_jar_room)) Add(list, "honigglas honig");
  if (s.honey_jar_state == kLidCarried || s.honey_jar_state == kLidOnCarriedJar) Add(list, "deckel");
  if (s.ball_state == kBallCarried || (s.ball_state < kBallWithWolf && s.ball_room == room)) Add(list, "kugel");
  if (here_or_carried(s.bouquet_carried, s.bouquet_room)) Add(list, "blumenstrauß");
  if (room == kHoneyStand || room == kRiverBank || s.beaver_present || s.sheep_state == kSheepFollowing)
    Add(list, "fell");
  if (room == kBridgeApproach && s.sheep_state < kSheepGone && s.ball_state < kBallGone)
    Add(list, "wolf anzug krawatte sonnenbrille zigarre fell");
  if (c.verb == "folge" && c.object1 == "wolf" && s.wolf_gone &&
      (room == kBridgeApproach || room == kBridge || room == kHouseFront)) {
    Add(list, "wolf");
  }
  if (here_or_carried(s.grass_carried, s.grass_room)) Add(list, "gras");
  if (s.sheep_state == kSheepFollowing) Add(list, "schaf");
  if (s.rapunzel_visible) Add(list, "rapunzel");
  // At the open door the grandmother is within call, and the girl can bring
  // her the basket.
  if (room == kHouseFront && s.door_open) Add(list, "oma großmutter omi");
  if (room == kWell && s.frog_state < kFrogIsToad) Add(list, "frosch");
  if ((s.honey_jar_state == kLidLoose || s.honey_jar_state == kLidOnLyingJar) && s.lid_room == room)
    Add(list, "deckel");

  s.visible_words = list;
}

bool IsObject1Visible(const GameSession& s) {
  return s.visible_words.find(" " + s.command.object1 + " ") != std::string::npos;
}

bool IsObject2Visible(const GameSession& s) { return s.visible_words.find(s.command.object2) != std::string::npos; }
