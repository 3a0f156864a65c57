// Typed lines through the running game, and the rows each one answered with.
#pragma once

#include <string>
#include <vector>

#include "support/game_harness.h"
#include "world/rooms.h"

class WorldGameTest : public ::testing::Test {
 protected:
  // Every room has been seen before: the brief descriptions keep each turn on
  // one screen, so the pager never waits for a key and eats the next line.
  WorldGameTest() {
    h.StartUp();
    for (int room = kFirstRoom; room <= kLastRoom; ++room) {
      if (room != 12) VisitedFlag(h.session(), room) = 1;
    }
  }

  // Types the lines and plays until the script is used up (call once).
  void Play(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) h.frontend.Line(line);
    first_row_ = h.Lines().size();
    h.Play();
  }

  // The rows printed after the echo of `line` (its n-th occurrence) up to
  // the next prompt, empty rows included, trailing blanks removed.
  std::vector<std::string> RowsAfter(const std::string& line, int occurrence = 1) const {
    std::vector<std::string> rows;
    const std::vector<std::string>& all = h.Lines();
    size_t i = first_row_;
    for (; i < all.size(); ++i) {
      if (Trimmed(all[i]) == ">" + line && --occurrence == 0) break;
    }
    for (++i; i < all.size() && all[i].rfind(">", 0) != 0; ++i) rows.push_back(Trimmed(all[i]));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return rows;
  }

  // The non-empty rows after the echo of `line`, joined into one text with
  // blanks, so that word-wrapped answers compare as written.
  std::string AnswerTo(const std::string& line, int occurrence = 1) const {
    std::string text;
    for (const std::string& row : RowsAfter(line, occurrence)) {
      if (row.empty()) continue;
      if (!text.empty()) text += ' ';
      text += row;
    }
    return text;
  }

  GameSession& s() { return h.session(); }

  GameHarness h;

 private:
  static std::string Trimmed(std::string row) {
    row.erase(row.find_last_not_of(' ') + 1);
    return row;
  }

  size_t first_row_ = 0;
};
