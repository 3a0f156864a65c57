#include "console/line_editor.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "console/key_codes.h"
#include "console/mouse_menu.h"
#include "world/encoding.h"
#include "world/game_session.h"
#include "world/text_case.h"

namespace {

using namespace key;

constexpr int kHistoryNewest = 1;
constexpr int kHistoryOldest = 10;

bool IsPrintable(int key) {
  if (key == kPlus || key == kMinus) return false;
  return (key >= 32 && key <= 47) || (key >= 58 && key <= 126) || (key >= 128 && key <= 255);
}

class LineEditor {
 public:
  LineEditor(GameSession& session, Console& console, const CommandLineOptions& options)
      : session_(session),
        console_(console),
        state_{session.input_line},
        row_(options.row),
        prompt_(options.prompt.substr(0, std::min<std::size_t>(options.prompt.size(), 8))),
        maximum_length_(std::clamp(options.maximum_length, 8, 255)),
        number_keys_(options.number_keys),
        function_keys_(options.function_keys),
        history_on_(options.history),
        foreground_(options.foreground),
        background_(options.background) {
    const int prompt_length = static_cast<int>(prompt_.size());
    field_width_ = std::max(options.field_width, 5);
    field_width_ = std::min(field_width_, kScreenCols - prompt_length - (std::max(options.column, 1) - 1));
    field_width_ = std::min(field_width_, maximum_length_ + 1);
    field_width_ = std::max(field_width_, 1);  // a field must hold at least the cursor
    if (std::abs(foreground_) == std::abs(background_)) {
      foreground_ = kWhite;
      background_ = kBlack;
    }
  }

  void Run() {
    state_.line.clear();
    Display();
    while (!state_.done) {
      const InputEvent event = console_.ReadEvent(WaitKind::kLine);
      if (event.kind == InputEvent::Kind::kKey) {
        HandleKey(event.key);
      } else if (event.kind == InputEvent::Kind::kText) {
        InsertText(event.text);
      } else {
        HandleMousePress(session_, console_, state_, event);
      }
      if (!state_.done) Display();
    }
    Finish();
  }

 private:
  int Length() const { return static_cast<int>(state_.line.size()); }

  // Whether position p (from 1) holds a blank; beyond the line there is none.
  bool BlankAt(int p) const { return p >= 1 && p <= Length() && state_.line[p - 1] == ' '; }

  void HandleKey(int key) {
    std::string& line = state_.line;
    int& cursor = state_.cursor;
    if (key >= '0' && key <= '9' && number_keys_) {
      InsertWord(session_.map_button_labels[key - '0']);
    } else if ((key >= '0' && key <= '9') || IsPrintable(key)) {
      if (Length() < maximum_length_) {
        line.insert(line.begin() + (cursor - 1), static_cast<char>(key));
        ++cursor;
      }
    } else if (key == kBackspace) {
      DeleteBeforeCursor(state_);
    } else if (key == kDelete) {
      if (cursor <= Length()) line.erase(cursor - 1, 1);
    } else if (key == kCtrlBackspace) {
      DeleteWordBefore();
    } else if (key == kCtrlDelete) {
      DeleteWordAfter();
    } else if (key == kLeft) {
      cursor = std::max(cursor - 1, 1);
    } else if (key == kRight) {
      cursor = std::min(cursor + 1, Length() + 1);
    } else if (key == kHome) {
      cursor = 1;
    } else if (key == kEnd) {
      cursor = Length() + 1;
    } else if (key == kCtrlLeft) {
      WordLeft();
    } else if (key == kCtrlRight) {
      WordRight();
    } else if (key == kUp || key == kMinus) {
      HistoryBack();
    } else if (key == kDown || key == kPlus) {
      HistoryForward();
    } else if (key >= kF1 && key <= kF10) {
      if (function_keys_) InsertWord(session_.command_button_labels[key - kF1]);
    } else if (key == kF11 || (key == kF11Extended && function_keys_)) {
      InsertWord(session_.command_button_labels[10]);
    } else if (key == kF12 || (key == kF12Extended && function_keys_)) {
      InsertWord(session_.command_button_labels[11]);
    } else if (key == kTab) {
      TidyLine(line, cursor);
    } else if (key == kEnter) {
      TidyLine(line, cursor);
      if (!line.empty()) state_.done = true;
    }
    // Escape and every other code: nothing.
  }

  // Typed text as it is, up to the maximum length: no key meanings.
  void InsertText(const std::string& text) {
    for (const char c : text) {
      if (Length() >= maximum_length_) return;
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 32 || byte == 127) continue;
      state_.line.insert(state_.line.begin() + (state_.cursor - 1), c);
      ++state_.cursor;
    }
  }

  // A whole word goes in only if the line stays below the maximum length.
  void InsertWord(const std::string& word) {
    if (Length() + static_cast<int>(word.size()) >= maximum_length_) return;
    state_.line.insert(state_.cursor - 1, word);
    state_.cursor += static_cast<int>(word.size());
  }

  // Back to the start of the word before the cursor: the first p >= 2, from
  // the character before the cursor leftwards, with a blank before it and none
  // at it. Starting one left of the cursor lets a second press take the word
  // before that, as Ctrl+Left does.
  void DeleteWordBefore() {
    int& cursor = state_.cursor;
    for (int p = cursor - 1; p >= 2; --p) {
      if (BlankAt(p - 1) && !BlankAt(p)) {
        state_.line.erase(p - 1, cursor - p);
        cursor = p;
        return;
      }
    }
    state_.line.erase(0, cursor - 1);
    cursor = 1;
  }

  // Up to and including the blank that precedes the next word, or to the end.
  void DeleteWordAfter() {
    const int cursor = state_.cursor;
    if (cursor > Length()) return;
    for (int p = cursor; p <= Length(); ++p) {
      if (BlankAt(p) && !BlankAt(p + 1)) {
        state_.line.erase(cursor - 1, p - cursor + 1);
        return;
      }
    }
    state_.line.erase(cursor - 1);
  }

  void WordLeft() {
    for (int p = state_.cursor - 1; p >= 2; --p) {
      if (BlankAt(p - 1) && !BlankAt(p)) {
        state_.cursor = p;
        return;
      }
    }
    state_.cursor = 1;
  }

  // The end of the current word plus the blank behind it.
  void WordRight() {
    for (int p = state_.cursor; p + 1 <= Length(); ++p) {
      if (!BlankAt(p) && BlankAt(p + 1)) {
        state_.cursor = p + 2;
        return;
      }
    }
    state_.cursor = Length() + 1;
  }

  void LoadHistoryEntry() {
    state_.line = session_.command_history[state_.history_index].substr(
        0, std::min<std::size_t>(session_.command_history[state_.history_index].size(), maximum_length_));
    state_.cursor = Length() + 1;
    state_.scroll_offset = 0;
  }

  void HistoryBack() {
    if (!history_on_ || state_.history_index > kHistoryOldest - 1) return;
    // Entry 0 keeps the line being edited, to come back to.
    if (state_.history_index == 0) session_.command_history[0] = state_.line;
    if (TrimBlanks(session_.command_history[state_.history_index + 1]).empty()) return;
    ++state_.history_index;
    LoadHistoryEntry();
  }

  void HistoryForward() {
    if (!history_on_ || state_.history_index < 1) return;
    --state_.history_index;
    LoadHistoryEntry();
  }

  void Display() {
    const int prompt_length = static_cast<int>(prompt_.size());
    int& offset = state_.scroll_offset;
    offset = std::min(offset, state_.cursor - 1);
    offset = std::max(offset, state_.cursor - field_width_);

    std::string field = state_.line.substr(std::min(offset, Length()), field_width_);
    field.resize(field_width_, ' ');
    console_.SetColours(foreground_, background_);
    console_.SetCursor(row_, 1);
    console_.Write(prompt_ + field);

    if (state_.done) return;
    // The console's own cursor stays hidden: this block is the one the player sees.
    const char under_cursor = state_.cursor <= Length() ? state_.line[state_.cursor - 1] : ' ';
    console_.SetColours(kBlack, kWhite);
    console_.SetCursor(row_, state_.cursor + prompt_length - offset);
    console_.Write(std::string(1, under_cursor));
    console_.SetCursor(1, 1);
  }

  void Finish() {
    Display();
    // The typed line stays on screen as the echo of the command; the map
    // replaces the screen, so it keeps the cursor on the line.
    if (!IsMapCommand(state_.line)) {
      console_.SetForeground(kLightGrey);
      console_.LineEnd();
    }
    auto& history = session_.command_history;
    if (history_on_ && !state_.line.empty() && TrimBlanks(state_.line) != TrimBlanks(history[kHistoryNewest])) {
      for (int i = kHistoryOldest; i > kHistoryNewest; --i) history[i] = history[i - 1];
      history[kHistoryNewest] = state_.line;
      history[0].clear();
    }
  }

  GameSession& session_;
  Console& console_;
  LineEditState state_;
  int row_;
  std::string prompt_;
  int maximum_length_;
  int field_width_ = 0;
  bool number_keys_;
  bool function_keys_;
  bool history_on_;
  int foreground_;
  int background_;
};

}  // namespace

void ReadCommandLine(GameSession& session, Console& console, const CommandLineOptions& options) {
  LineEditor editor(session, console, options);
  editor.Run();
}

void DeleteBeforeCursor(LineEditState& state) {
  if (state.cursor <= 1) return;
  state.line.erase(state.cursor - 2, 1);
  --state.cursor;
}

void TidyLine(std::string& line, int& cursor) {
  const std::size_t leading = std::min(line.find_first_not_of(' '), line.size());
  line.erase(0, leading);
  cursor = std::max(cursor - static_cast<int>(leading), 1);

  const std::size_t last = line.find_last_not_of(' ');
  line.erase(last == std::string::npos ? 0 : last + 1);
  cursor = std::min(cursor, static_cast<int>(line.size()) + 1);

  // Of each pair of blanks the second goes; the cursor follows if it stood behind it.
  for (std::size_t at = line.find("  "); at != std::string::npos; at = line.find("  ")) {
    const int removed = static_cast<int>(at) + 2;  // position from 1
    line.erase(at + 1, 1);
    if (removed < cursor) --cursor;
  }
}

bool IsMapCommand(std::string_view line) {
  static const std::array<std::string, 5> kMapCommands = {
      Cp850("karte"), Cp850("map"), Cp850("lagekarte"), Cp850("übersichtskarte"), Cp850("k"),
  };
  std::string word;
  for (const char c : line) {
    if (c != ' ') word += c;
  }
  word = LowerCase(word);
  return std::find(kMapCommands.begin(), kMapCommands.end(), word) != kMapCommands.end();
}
