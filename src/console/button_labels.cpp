#include "console/button_labels.h"

#include <iterator>

#include "world/encoding.h"
#include "world/game_session.h"

void FillButtonLabels(GameSession& session) {
  static constexpr const char* kMapLabels[] = {
      "Karte ",  "Südwesten ", "Süden ",      "Südosten ", "Westen ",
      "Schaue ", "Osten ",     "Nordwesten ", "Norden ",   "Nordosten ",
  };
  static constexpr const char* kCommandLabels[] = {
      "Hintergrund ", "Inventar ",  "Karte ", "Oops ",    "Schaue ",     "Befehle ",
      "Hinweise ",    "Speichern ", "Laden ", "Credits ", "Untersuche ", "",
  };
  for (std::size_t i = 0; i < std::size(kMapLabels); ++i) session.map_button_labels[i] = Cp850(kMapLabels[i]);
  session.map_button_labels[10].clear();
  for (std::size_t i = 0; i < std::size(kCommandLabels); ++i) {
    session.command_button_labels[i] = Cp850(kCommandLabels[i]);
  }
  session.command_button_labels[12].clear();
}
