#include "console/mouse_menu.h"

#include <array>
#include <string>

#include "console/console.h"
#include "console/status_bar.h"
#include "world/encoding.h"
#include "world/game_session.h"
#include "world/text_case.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kLastStatusRow = 3;
// A clicked word is appended only while the line stays below this length.
constexpr int kLongestLineForWords = 76;

// Entry 0 stands before the first verb; entry 9 is the empty line.
const std::array<std::string, 10>& VerbCycle() {
  static const std::array<std::string, 10> verbs = {
      "", Cp850("Untersuche "), "Nimm ", "Lies ", "Gib ", Cp850("öffne "), "Frage ", "Zeige ", "Lege hin ", "",
  };
  return verbs;
}

bool IsCycleEntry(const std::string& line) {
  const auto& verbs = VerbCycle();
  for (size_t i = 1; i < verbs.size() - 1; ++i) {
    if (line == verbs[i]) return true;
  }
  return false;
}

// An empty line or a verb of the cycle gets the next verb; anything else is entered.
void RightButton(LineEditState& state) {
  if (state.line.empty() || IsCycleEntry(state.line)) {
    ++state.verb_cycle_index;
    if (state.verb_cycle_index > 9) state.verb_cycle_index = 1;
    state.line = VerbCycle()[state.verb_cycle_index];
    state.cursor = static_cast<int>(state.line.size()) + 1;
    return;
  }
  TidyLine(state.line, state.cursor);
  if (!state.line.empty()) state.done = true;
}

void StatusBarButton(GameSession& session, LineEditState& state, int row, int col) {
  const StatusBarClick* area = StatusBarClickAt(row, col);
  if (area == nullptr) return;
  state.line = Cp850(area->command);
  state.cursor = static_cast<int>(state.line.size()) + 1;
  if (area->counts_move) ++session.move_count;
  state.done = true;
}

bool IsLetter(unsigned char c) {
  static const std::string kUmlauts = Cp850("ßäöüÄÖÜ");
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || kUmlauts.find(static_cast<char>(c)) != std::string::npos;
}

// The letters around the clicked one, up to the first blank or other character.
std::string WordAt(const Console& console, int row, int col) {
  const auto at = [&console, row](int c) { return console.ShownCell(row, c).ch; };
  std::string word(1, static_cast<char>(at(col)));
  for (int c = col; c > 1 && at(c - 1) != ' ' && IsLetter(at(c - 1)); --c)
    word.insert(0, 1, static_cast<char>(at(c - 1)));
  for (int c = col; c < kScreenCols && at(c + 1) != ' ' && IsLetter(at(c + 1)); ++c)
    word += static_cast<char>(at(c + 1));
  return word;
}

void TextButton(const Console& console, LineEditState& state, int row, int col) {
  const unsigned char clicked = console.ShownCell(row, col).ch;
  if (clicked == ' ') {
    DeleteBeforeCursor(state);
    return;
  }
  if (!IsLetter(clicked)) return;
  const std::string word = WordAt(console, row, col);
  std::string& line = state.line;
  if (word.size() + line.size() >= kLongestLineForWords) return;
  if (!line.empty() && line.back() != ' ') line += ' ';
  line += LowerCase(word) + " ";
  // Behind the appended word, ready for the next one.
  state.cursor = static_cast<int>(line.size()) + 1;
}

}  // namespace

void HandleMousePress(GameSession& session, const Console& console, LineEditState& state, const InputEvent& press) {
  if (press.button == kRightButton) {
    RightButton(state);
  } else if (press.button == kLeftButton && press.row <= kLastStatusRow) {
    StatusBarButton(session, state, press.row, press.col);
  } else if (press.button == kLeftButton) {
    TextButton(console, state, press.row, press.col);
  }
}
