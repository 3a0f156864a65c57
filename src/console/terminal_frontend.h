// The full-screen front end: shows the console model in a terminal through
// ncursesw and turns the terminal's keys and mouse presses into the PC
// console's key codes. Whatever way the program ends, the terminal is left
// as it was found.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/frontend.h"

struct screen;  // curses' SCREEN

// The curses codes of keys that terminals report in different ways; they are
// looked up in the terminal description when the front end starts.
struct TerminalKeyMap {
  std::vector<int> ctrl_left;
  std::vector<int> ctrl_right;
  std::vector<int> ctrl_delete;
  std::vector<int> ctrl_backspace;
  // The terminal's Backspace sends ^H, so a raw 8 is plain Backspace.
  bool backspace_is_ctrl_h = false;
};

// What DecodeCursesKey gives besides the game's key codes.
inline constexpr int kNoKey = 0;          // a key the game does not know: wait on
inline constexpr int kInterruptKey = -1;  // Ctrl+C
inline constexpr int kMouseKey = -2;      // a mouse event is waiting in curses
inline constexpr int kResizeKey = -3;     // the window changed its size

// Maps what wget_wch() returned (a function key code when `function_key`,
// otherwise a character) to the game's key code: the CP850 byte of a
// character, or 1000 + scan code of an extended key (F1 = 1059, Up = 1072).
int DecodeCursesKey(bool function_key, int value, const TerminalKeyMap& keys);

// The lines of the notice shown while the window is smaller than 80 x 24,
// wrapped to `width` columns (at least one), UTF-8.
std::vector<std::string> TooSmallNotice(int width);

class TerminalFrontend : public Frontend {
 public:
  // True when both standard input and output are a terminal that can
  // address the cursor; otherwise the program runs in line mode.
  static bool Usable();

  // Takes over the terminal. Throws std::runtime_error when curses cannot
  // start (an unknown terminal type), leaving the terminal untouched.
  TerminalFrontend();
  ~TerminalFrontend() override;
  TerminalFrontend(const TerminalFrontend&) = delete;
  TerminalFrontend& operator=(const TerminalFrontend&) = delete;

  InputEvent Wait(const Console& console, WaitKind kind) override;
  void Sleep(const Console& console, int milliseconds) override;
  void DiscardInput() override;
  void SetTitle(std::string_view title) override;
  void FullScreenBegins(const Console&) override { full_screen_ = true; }
  void FullScreenEnds(const Console&) override { full_screen_ = false; }

 private:
  void Present(const Console& console);
  void DrawConsole(const Console& console);
  void DrawNotice();
  void ShowCursor(bool visible);
  void Resized();
  // A window of 24 rows shows all but one row of the screen.
  int HiddenRow() const;                     // 0 when every row fits
  int TerminalRowOf(int console_row) const;  // from 0; -1 for the hidden row
  int ConsoleRowOf(int terminal_row) const;  // from 1
  std::optional<char32_t> GatherUtf8(unsigned char byte);
  void WriteTitle();
  int PairOf(int fg, int bg) const;
  int AttributesOf(int fg, int bg) const;

  struct screen* screen_ = nullptr;
  TerminalKeyMap keys_;
  int colour_mode_ = 0;  // 16, 8 or 0 (no colours)
  bool too_small_ = false;
  bool full_screen_ = false;
  std::deque<int> kept_keys_;  // typed while the window was too small
  std::string utf8_pending_;   // the first bytes of a character
  int cursor_shown_ = -1;      // as last set with curs_set, -1 unknown
  std::string title_;          // UTF-8
  bool title_pending_ = false;
  bool title_osc_ = false;  // xterm-like: OSC 0; otherwise the status line capability, if any
  std::string title_start_;
  std::string title_end_;
  std::string old_locale_;
};
