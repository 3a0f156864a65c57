#include "parser/visible_words.h"

#include "console/encoding.h"

namespace {

// Appends blank-separated words (UTF-8), keeping a blank at each end.
void Add(std::string& list, std::string_view utf8_words) { list += Cp850(utf8_words) + " "; }

std::string_view RoomWords(int room) {
  switch (room) {
    case 1: return "waldeingang weg wegesrand gebüsch gestrüpp grünzeug sträucher himmel";
    case 2: return "weg wegesrand sträucher bank himmel";
    case 3: return "weg wegesrand gesumme himmel";
    case 4: return "gesumme blumen bienen wiese rasen gras himmel";
    case 5: return "brunnen himmel";
    case 6: return "honigstand honigautomat geplätscher himmel rückgabetaste münzeinwurf münzausgabe ausgabefach";
    case 7: return "brücke fluss flussufer geplätscher wasser himmel";
    case 8: return "fluss biberbaumarkt flussufer geplätscher schlüsseldienst klingel schild wasser himmel";
    case 9: return "fluss schafherde schafe schaf flussufer geplätscher wasser himmel";
    case 10: return "fluss brücke geplätscher wasser himmel flussufer";
    case 11: return "haus tür matte himmel";
    case 13: return "himmel fluss wasser geplätscher lichtung wiese gras rasen";
    case 14: return "turm öffnung";
    default: return {};
  }
}

}  // namespace

void BuildVisibleWords(GameSession& s) {
  ParsedCommand& c = s.command;
  const int room = s.current_room;
  std::string list = " ";

  if (room == 14) {
    Add(list, "dich boden licht schatten kappe käppchen wind");
  } else {
    Add(list,
        "dich boden licht landschaft sträucher wald baum bäume sonne schatten gestrüpp gebüsch grünzeug kappe "
        "käppchen wind");
  }
  if (!RoomWords(room).empty()) Add(list, RoomWords(room));

  if (c.verb == "kaufe") {
    if (room == 6 && (c.object1 == "honig" || c.object2 == "honigglas")) list += c.object1 + " ";
    if (room == 8 && c.object1 == Cp850("schlüssel")) list += c.object1 + " ";
  }
  if (room == 6 && s.spare_key_found == 0) Add(list, "bär bären");
  if (room == 4 && s.bouquet_picked == 0 && c.verb == Cp850("pflücke") &&
      (c.object1 == Cp850("strauß") || c.object1 == Cp850("blumenstrauß"))) {
    c.object1 = "blumen";
    c.object1_gender = 2;
    c.object1_plural = 1;
    c.object1_dative_name = "Blumen";
  }
  if (c.verb == "finde") {
    if (room == 4) Add(list, "grashüpfer");
    Add(list, "hasen");
  }
  if (room == 8 && s.beaver_present == 1) Add(list, "biber hosenanzug");

  const auto here_or_carried = [room](int carried, int object_room) { return carried == 1 || object_room == room; };
  if (here_or_carried(s.basket_carried, s.basket_room)) Add(list, "korb kuchen weinflasche wein");
  if (s.coin_state == 1 || (s.coin_state == 0 && s.coin_room == room) || (s.coin_state == 5 && room == 6)) {
    Add(list, "taler");
  }
  if (here_or_carried(s.umbrella_carried, s.umbrella_room)) Add(list, "regenschirm");
  if (here_or_carried(s.newspaper_carried, s.newspaper_room)) Add(list, "zeitung");
  if ((s.key_holder == 1 || (s.key_holder == 0 && s.key_room == room)) && s.spare_key_found == 1) {
    Add(list, "schlüssel");
  }
  if (s.key_holder == 5) Add(list, "schlüssel");  // only while the player is at the beaver's
  if (here_or_carried(s.voucher_carried, s.voucher_room) && s.voucher_found == 1) Add(list, "gutschein");
  if (here_or_carried(s.honey_jar_carried, s.honey_jar_room)) Add(list, "honigglas honig");
  if (s.honey_jar_state == 1 || s.honey_jar_state == 2) Add(list, "deckel");
  if (s.ball_state == 1 || (s.ball_state < 4 && s.ball_room == room)) Add(list, "kugel");
  if (here_or_carried(s.bouquet_carried, s.bouquet_room)) Add(list, "blumenstrauß");
  if (room == 6 || room == 9 || s.beaver_present == 1 || s.sheep_state == 1) Add(list, "fell");
  if (room == 7 && s.sheep_state < 5 && s.ball_state < 5) Add(list, "wolf anzug krawatte sonnenbrille zigarre fell");
  if (c.verb == "folge" && c.object1 == "wolf" && s.wolf_gone == 1 && (room == 7 || room == 10 || room == 11)) {
    Add(list, "wolf");
  }
  if (here_or_carried(s.grass_carried, s.grass_room)) Add(list, "gras");
  if (s.sheep_state == 1) Add(list, "schaf");
  if (s.rapunzel_visible == 1) Add(list, "rapunzel");
  if (room == 5 && s.frog_state < 3) Add(list, "frosch");
  if ((s.honey_jar_state == 0 || s.honey_jar_state == 3) && s.lid_room == room) Add(list, "deckel");

  s.visible_words = list;
}

bool IsObject1Visible(const GameSession& s) {
  return s.visible_words.find(" " + s.command.object1 + " ") != std::string::npos;
}

bool IsObject2Visible(const GameSession& s) { return s.visible_words.find(s.command.object2) != std::string::npos; }
