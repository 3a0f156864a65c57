#include "console/terminal_frontend.h"

#include <langinfo.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "console/console.h"
#include "console/key_codes.h"
#include "world/encoding.h"

// curses last: its headers define many short macros.
#define NCURSES_NOMACROS
#include <curses.h>
#include <term.h>

namespace {

// Console colour number -> ANSI colour number (blue and red swap places).
constexpr std::array<int, 16> kAnsiOfConsole = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

// Codes of our own for key sequences the terminal description lacks.
constexpr int kOwnCtrlLeft = KEY_MAX + 101;
constexpr int kOwnCtrlRight = KEY_MAX + 102;
constexpr int kOwnCtrlDelete = KEY_MAX + 103;
constexpr int kOwnCtrlBackspace = KEY_MAX + 104;

constexpr int kInputPollMs = 100;
constexpr int kFirstTextRow = 4;  // rows 1 to 3 are the status bar
constexpr int kSleepStepMs = 20;

// Signal state. The handlers may only touch these.
constexpr std::array<int, 4> kEndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr std::array<int, 5> kCrashSignals = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
std::array<struct sigaction, kEndingSignals.size()> g_old_ending_actions;
std::array<struct sigaction, kCrashSignals.size()> g_old_crash_actions;
termios g_shell_termios;
bool g_have_shell_termios = false;
char g_reset[256];
size_t g_reset_length = 0;

// Puts the terminal back as well as a signal handler can: the prebuilt
// reset sequences and the shell's line settings.
void RestoreTerminalFromHandler() {
  if (g_reset_length > 0 && write(STDOUT_FILENO, g_reset, g_reset_length) < 0) {
    // Nothing more can be done.
  }
  if (g_have_shell_termios) tcsetattr(STDIN_FILENO, TCSANOW, &g_shell_termios);
}

// Ending signals end the game at once, whatever it is doing, with the
// status a shell shows for them.
void OnEndingSignal(int signo) {
  RestoreTerminalFromHandler();
  _exit(128 + signo);
}

// After a crash: restore the terminal, then let the signal take its
// previous course (usually a core dump).
void OnCrashSignal(int signo) {
  RestoreTerminalFromHandler();
  for (size_t i = 0; i < kCrashSignals.size(); ++i) {
    if (kCrashSignals[i] == signo) sigaction(signo, &g_old_crash_actions[i], nullptr);
  }
  // Blocked until this handler returns; a fault simply recurs.
  raise(signo);
}

void InstallEndingHandlers() {
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  for (const int signo : kEndingSignals) sigaddset(&action.sa_mask, signo);
  action.sa_flags = 0;
  for (size_t i = 0; i < kEndingSignals.size(); ++i) {
    sigaction(kEndingSignals[i], nullptr, &g_old_ending_actions[i]);
    // Started with the signal ignored (nohup, a background job): keep it so.
    if (g_old_ending_actions[i].sa_handler != SIG_IGN) sigaction(kEndingSignals[i], &action, nullptr);
  }
}

void RestoreEndingHandlers() {
  for (size_t i = 0; i < kEndingSignals.size(); ++i) sigaction(kEndingSignals[i], &g_old_ending_actions[i], nullptr);
}

void InstallCrashHandlers() {
  struct sigaction action {};
  action.sa_handler = OnCrashSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;
  for (size_t i = 0; i < kCrashSignals.size(); ++i) sigaction(kCrashSignals[i], &action, &g_old_crash_actions[i]);
}

void RestoreCrashHandlers() {
  for (size_t i = 0; i < kCrashSignals.size(); ++i) sigaction(kCrashSignals[i], &g_old_crash_actions[i], nullptr);
}

// The terminal has gone away without a SIGHUP reaching us (it was ignored):
// reading would fail at once, for ever.
void ThrowIfHungUp() {
  pollfd input{STDIN_FILENO, POLLIN, 0};
  if (poll(&input, 1, 0) == 1 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
    throw ProgramExit{128 + SIGHUP};
  }
}

bool ValidString(const char* s) { return s != nullptr && s != reinterpret_cast<const char*>(-1) && *s != '\0'; }

// A terminfo string for writing by hand: without its padding ("$<5>").
std::string Capability(const char* name) {
  const char* value = tigetstr(name);
  if (!ValidString(value)) return {};
  std::string out;
  for (const char* p = value; *p != '\0'; ++p) {
    if (p[0] == '$' && p[1] == '<') {
      const char* end = std::strchr(p, '>');
      if (end != nullptr) {
        p = end;
        continue;
      }
    }
    out += *p;
  }
  return out;
}

void AddKnownKey(std::vector<int>& codes, const char* capability) {
  const char* sequence = tigetstr(capability);
  if (!ValidString(sequence)) return;
  const int code = key_defined(sequence);
  if (code > 0 && std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
}

// A sequence some terminals send, for terminal types that do not name it.
void AddOwnKey(std::vector<int>& codes, const char* sequence, int own_code) {
  const int code = key_defined(sequence);
  if (code > 0) {
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    return;
  }
  if (code == 0 && define_key(sequence, own_code) == OK &&
      std::find(codes.begin(), codes.end(), own_code) == codes.end()) {
    codes.push_back(own_code);
  }
}

bool Contains(const std::vector<int>& codes, int code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// Terminal types that take the xterm title sequence.
bool TakesOscTitle(std::string_view term) {
  static constexpr std::array<std::string_view, 14> kPrefixes = {"xterm", "rxvt",    "tmux",      "screen", "vte",
                                                                 "gnome", "konsole", "alacritty", "kitty",  "foot",
                                                                 "st-",   "putty",   "wezterm",   "iterm"};
  if (term == "st") return true;
  return std::any_of(kPrefixes.begin(), kPrefixes.end(),
                     [term](std::string_view prefix) { return term.substr(0, prefix.size()) == prefix; });
}

std::u32string Utf32(std::string_view utf8) {
  std::u32string out;
  while (!utf8.empty()) out += DecodeUtf8(utf8);
  return out;
}

void WriteAll(const std::string& bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = write(STDOUT_FILENO, data, left);
    if (written <= 0) return;
    data += written;
    left -= static_cast<size_t>(written);
  }
}

void PutChar(int row, int col, char32_t ch, attr_t attributes, int pair) {
  const wchar_t text[2] = {static_cast<wchar_t>(ch), L'\0'};
  cchar_t cell;
  setcchar(&cell, text, attributes, static_cast<short>(pair), nullptr);
  // The bottom-right cell reports ERR but is drawn.
  mvwadd_wch(stdscr, row, col, &cell);
}

}  // namespace

int DecodeCursesKey(bool function_key, int value, const TerminalKeyMap& keys) {
  if (function_key) {
    if (Contains(keys.ctrl_left, value)) return key::kCtrlLeft;
    if (Contains(keys.ctrl_right, value)) return key::kCtrlRight;
    if (Contains(keys.ctrl_delete, value)) return key::kCtrlDelete;
    if (Contains(keys.ctrl_backspace, value)) return key::kCtrlBackspace;
    switch (value) {
      case KEY_RESIZE:
        return kResizeKey;
      case KEY_MOUSE:
        return kMouseKey;
      case KEY_BACKSPACE:
        return key::kBackspace;
      case KEY_ENTER:
        return key::kEnter;
      case KEY_DC:
        return key::kDelete;
      case KEY_LEFT:
        return key::kLeft;
      case KEY_RIGHT:
        return key::kRight;
      case KEY_HOME:
      case KEY_A1:
        return key::kHome;
      case KEY_END:
      case KEY_C1:
        return key::kEnd;
      case KEY_UP:
        return key::kUp;
      case KEY_DOWN:
        return key::kDown;
      case KEY_F(11):
        return key::kF11Extended;
      case KEY_F(12):
        return key::kF12Extended;
      default:
        break;
    }
    if (value >= KEY_F(1) && value <= KEY_F(10)) return key::kF1 + (value - KEY_F(1));
    return kNoKey;
  }
  switch (value) {
    case 3:
      return kInterruptKey;
    // Of ^H and ^?, the one that is not the terminal's Backspace comes with Ctrl.
    case 8:
      return keys.backspace_is_ctrl_h ? key::kBackspace : key::kCtrlBackspace;
    case 127:
      return keys.backspace_is_ctrl_h ? key::kCtrlBackspace : key::kBackspace;
    case 23:
      return key::kCtrlBackspace;  // Ctrl+W, as in shells
    case 9:
      return key::kTab;
    case 10:
    case 13:
      return key::kEnter;
    case 27:
      return key::kEscape;
    default:
      break;
  }
  if (value < 0) return kNoKey;
  const int byte = Cp850OfUnicode(static_cast<char32_t>(value));
  return byte > 0 ? byte : kNoKey;
}

std::vector<std::string> TooSmallNotice(int width) {
  width = std::max(width, 1);
  static constexpr std::array<std::string_view, 2> kParagraphs = {
      "Das Fenster ist zu klein.", "Bitte vergrößere es auf mindestens 80 x 24 Zeichen."};
  std::vector<std::string> out;
  for (const std::string_view paragraph : kParagraphs) {
    std::u32string line;
    auto flush = [&] {
      std::string utf8;
      for (const char32_t ch : line) AppendUtf8(utf8, ch);
      out.push_back(utf8);
      line.clear();
    };
    std::u32string text = Utf32(paragraph);
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find(U' ', start);
      if (end == std::u32string::npos) end = text.size();
      std::u32string word = text.substr(start, end - start);
      start = end + 1;
      if (!line.empty() && line.size() + 1 + word.size() <= static_cast<size_t>(width)) {
        line += U' ';
        line += word;
        continue;
      }
      if (!line.empty()) flush();
      // A word wider than the window is cut into pieces.
      while (word.size() > static_cast<size_t>(width)) {
        line = word.substr(0, width);
        flush();
        word.erase(0, width);
      }
      line = word;
    }
    if (!line.empty()) flush();
  }
  return out;
}

bool TerminalFrontend::Usable() {
  if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) return false;
  const char* term = std::getenv("TERM");
  if (term == nullptr || *term == '\0' || std::strcmp(term, "dumb") == 0) return false;
  // Load the description only to ask it, and leave no terminal behind.
  TERMINAL* const previous = cur_term;
  int error = 0;
  if (setupterm(term, STDOUT_FILENO, &error) != OK) {
    set_curterm(previous);
    return false;
  }
  TERMINAL* const probe = cur_term;
  const bool addressable = ValidString(tigetstr("cup"));
  set_curterm(previous);
  del_curterm(probe);
  return addressable;
}

TerminalFrontend::TerminalFrontend() {
  // Wide characters need a UTF-8 locale; the program itself uses none.
  if (const char* locale = std::setlocale(LC_CTYPE, nullptr)) old_locale_ = locale;
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");

  g_have_shell_termios = tcgetattr(STDIN_FILENO, &g_shell_termios) == 0;
  // Before curses starts, so that it does not install its own handlers.
  InstallEndingHandlers();
  use_tioctl(TRUE);  // the window's real size, not LINES and COLUMNS
  screen_ = newterm(nullptr, stdout, stdin);
  if (screen_ == nullptr) {
    RestoreEndingHandlers();
    std::setlocale(LC_CTYPE, old_locale_.c_str());
    throw std::runtime_error("curses cannot drive this terminal");
  }
  set_term(screen_);
  raw();
  noecho();
  nonl();
  intrflush(stdscr, FALSE);
  keypad(stdscr, TRUE);
  set_escdelay(25);
  wtimeout(stdscr, kInputPollMs);

  if (has_colors()) {
    start_color();
    assume_default_colors(COLOR_WHITE, COLOR_BLACK);
    if (COLORS >= 16 && COLOR_PAIRS >= 256) {
      colour_mode_ = 16;
    } else if (COLORS >= 8 && COLOR_PAIRS >= 64) {
      colour_mode_ = 8;
    }
    for (int fg = 0; fg < colour_mode_; ++fg) {
      for (int bg = 0; bg < colour_mode_; ++bg) {
        // Pair numbers go by ANSI colours; console and ANSI agree on 0 and 7.
        const int pair = PairOf(fg, bg);
        if (pair != 0)
          init_pair(static_cast<short>(pair), static_cast<short>(kAnsiOfConsole[fg]),
                    static_cast<short>(kAnsiOfConsole[bg]));
      }
    }
  }

  AddKnownKey(keys_.ctrl_left, "kLFT5");
  AddKnownKey(keys_.ctrl_right, "kRIT5");
  AddKnownKey(keys_.ctrl_delete, "kDC5");
  AddOwnKey(keys_.ctrl_left, "\033[1;5D", kOwnCtrlLeft);
  AddOwnKey(keys_.ctrl_right, "\033[1;5C", kOwnCtrlRight);
  AddOwnKey(keys_.ctrl_delete, "\033[3;5~", kOwnCtrlDelete);
  AddOwnKey(keys_.ctrl_left, "\033Od", kOwnCtrlLeft);  // rxvt
  AddOwnKey(keys_.ctrl_right, "\033Oc", kOwnCtrlRight);
  AddOwnKey(keys_.ctrl_delete, "\033[3^", kOwnCtrlDelete);
  AddOwnKey(keys_.ctrl_backspace, "\033[127;5u", kOwnCtrlBackspace);  // kitty
  keys_.backspace_is_ctrl_h = Capability("kbs") == "\b";

  mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED, nullptr);
  mouseinterval(0);

  const char* term = std::getenv("TERM");
  title_osc_ = term != nullptr && TakesOscTitle(term);
  if (!title_osc_ && tigetflag("hs") > 0 && ValidString(tigetstr("tsl"))) {
    const char* start = tiparm(tigetstr("tsl"), 0);
    if (start != nullptr) title_start_ = start;
    title_end_ = Capability("fsl");
  }

  // What a signal handler writes: mouse off, plain colours, cursor back,
  // keypad off, main screen.
  std::string reset =
      "\033[?1006l\033[?1000l" + Capability("sgr0") + Capability("cnorm") + Capability("rmkx") + Capability("rmcup");
  g_reset_length = std::min(reset.size(), sizeof g_reset);
  std::memcpy(g_reset, reset.data(), g_reset_length);
  InstallCrashHandlers();

  Resized();
  ShowCursor(false);
}

TerminalFrontend::~TerminalFrontend() {
  mousemask(0, nullptr);
  curs_set(1);
  // endwin() leaves the game's screen and then resets the keypad; leaving it
  // once more makes that the last word the terminal hears from us (a second
  // leave returns the cursor to where the first one put it).
  endwin();
  WriteAll(Capability("rmcup"));
  delscreen(screen_);
  RestoreCrashHandlers();
  g_reset_length = 0;
  RestoreEndingHandlers();
  std::setlocale(LC_CTYPE, old_locale_.c_str());
}

int TerminalFrontend::PairOf(int fg, int bg) const {
  int number = 0;
  int grey_on_black = 0;
  if (colour_mode_ == 16) {
    number = kAnsiOfConsole[fg & 15] * 16 + kAnsiOfConsole[bg & 15];
    grey_on_black = 7 * 16;
  } else if (colour_mode_ == 8) {
    number = (kAnsiOfConsole[fg & 15] & 7) * 8 + (kAnsiOfConsole[bg & 15] & 7);
    grey_on_black = 7 * 8;
  } else {
    return 0;
  }
  // Grey on black is pair 0, the terminal's default colours.
  if (number == grey_on_black) return 0;
  if (number == 0) return grey_on_black;
  return number;
}

int TerminalFrontend::AttributesOf(int fg, int bg) const {
  if (colour_mode_ == 16) return A_NORMAL;
  int attributes = fg >= 8 ? A_BOLD : A_NORMAL;
  if (colour_mode_ == 0 && bg != kBlack) attributes |= A_REVERSE;
  return attributes;
}

void TerminalFrontend::ShowCursor(bool visible) {
  leaveok(stdscr, visible ? FALSE : TRUE);
  if (cursor_shown_ != static_cast<int>(visible)) {
    curs_set(visible ? 1 : 0);
    cursor_shown_ = visible;
  }
}

int TerminalFrontend::HiddenRow() const {
  if (LINES >= kScreenRows) return 0;
  // One row short: the topmost text row, which the pager never lets unread
  // text reach; a full-screen display gives up its last row instead.
  return full_screen_ ? kScreenRows : kFirstTextRow;
}

int TerminalFrontend::TerminalRowOf(int console_row) const {
  const int hidden = HiddenRow();
  if (console_row == hidden) return -1;
  return hidden != 0 && console_row > hidden ? console_row - 2 : console_row - 1;
}

int TerminalFrontend::ConsoleRowOf(int terminal_row) const {
  const int hidden = HiddenRow();
  const int row = terminal_row + 1;
  return hidden != 0 && row >= hidden ? row + 1 : row;
}

void TerminalFrontend::DrawConsole(const Console& console) {
  for (int row = 1; row <= kScreenRows; ++row) {
    const int line = TerminalRowOf(row);
    if (line < 0) continue;
    for (int col = 1; col <= kScreenCols; ++col) {
      const Cell& cell = console.ShownCell(row, col);
      PutChar(line, col - 1, UnicodeOfCp850(cell.ch), AttributesOf(cell.fg, cell.bg), PairOf(cell.fg, cell.bg));
    }
  }
  const int cursor_line = TerminalRowOf(console.CursorRow());
  if (console.CursorVisible() && cursor_line >= 0) {
    ShowCursor(true);
    wmove(stdscr, cursor_line, console.CursorCol() - 1);
  } else {
    ShowCursor(false);
  }
}

void TerminalFrontend::DrawNotice() {
  werase(stdscr);
  const std::vector<std::string> notice = TooSmallNotice(COLS);
  const int top = std::max(0, (LINES - static_cast<int>(notice.size())) / 2);
  for (size_t i = 0; i < notice.size() && top + static_cast<int>(i) < LINES; ++i) {
    const std::u32string text = Utf32(notice[i]);
    const int left = std::max(0, (COLS - static_cast<int>(text.size())) / 2);
    for (size_t j = 0; j < text.size() && left + static_cast<int>(j) < COLS; ++j) {
      PutChar(top + static_cast<int>(i), left + static_cast<int>(j), text[j], A_NORMAL, 0);
    }
  }
  ShowCursor(false);
}

void TerminalFrontend::Present(const Console& console) {
  if (too_small_) {
    DrawNotice();
  } else {
    DrawConsole(console);
  }
  wrefresh(stdscr);
  if (title_pending_) WriteTitle();
}

void TerminalFrontend::Resized() {
  too_small_ = LINES < kScreenRows - 1 || COLS < kScreenCols;
  // The terminal may have kept, cut or reflowed the old picture: paint anew.
  werase(stdscr);
  clearok(curscr, TRUE);
}

std::optional<char32_t> TerminalFrontend::GatherUtf8(unsigned char byte) {
  const bool continuation = (byte & 0xC0) == 0x80;
  if (!utf8_pending_.empty() && !continuation) utf8_pending_.clear();  // an unfinished character gives way
  if (utf8_pending_.empty() && byte < 0x80) return byte;
  utf8_pending_ += static_cast<char>(byte);
  const auto lead = static_cast<unsigned char>(utf8_pending_[0]);
  const size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
  if (length != 0 && utf8_pending_.size() < length) return std::nullopt;
  std::string_view text = utf8_pending_;
  const char32_t code_point = length == 0 ? 0xFFFD : DecodeUtf8(text);
  utf8_pending_.clear();
  if (code_point == 0xFFFD) return std::nullopt;  // malformed: dropped like any invalid byte
  return code_point;
}

InputEvent TerminalFrontend::Wait(const Console& console, WaitKind) {
  Present(console);
  for (;;) {
    if (!too_small_ && !kept_keys_.empty()) {
      const int kept = kept_keys_.front();
      kept_keys_.pop_front();
      return InputEvent::Key(kept);
    }
    // Bytes, not wide characters: the game decodes UTF-8 itself, strictly,
    // so that a malformed sequence cannot swallow the keys after it.
    const int value = wgetch(stdscr);
    if (value == ERR) {  // the poll interval passed, or a signal came
      ThrowIfHungUp();
      continue;
    }
    const bool function_key = value >= KEY_MIN;
    std::optional<char32_t> character;
    if (!function_key) {
      character = GatherUtf8(static_cast<unsigned char>(value));
      if (!character) continue;
    }
    const int code = DecodeCursesKey(function_key, function_key ? value : static_cast<int>(*character), keys_);
    if (code == kInterruptKey) throw ProgramExit{130};
    if (code == kResizeKey) {
      Resized();
      Present(console);
      continue;
    }
    if (code == kMouseKey) {
      MEVENT mouse{};
      if (getmouse(&mouse) != OK || too_small_) continue;
      const int button = (mouse.bstate & BUTTON1_PRESSED) != 0 ? 1 : (mouse.bstate & BUTTON3_PRESSED) != 0 ? 2 : 0;
      const int row = ConsoleRowOf(mouse.y);
      if (button == 0 || mouse.y < 0 || row > kScreenRows || mouse.x < 0 || mouse.x >= kScreenCols) continue;
      return InputEvent::Mouse(button, row, mouse.x + 1);
    }
    if (code == kNoKey) continue;
    // Typed while the window is too small: kept for when it is large enough.
    if (too_small_) {
      kept_keys_.push_back(code);
      continue;
    }
    return InputEvent::Key(code);
  }
}

void TerminalFrontend::Sleep(const Console& console, int milliseconds) {
  Present(console);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
    if (left <= 0) break;
    napms(static_cast<int>(std::min<long long>(left, kSleepStepMs)));
  }
}

void TerminalFrontend::DiscardInput() { flushinp(); }

void TerminalFrontend::SetTitle(std::string_view title) {
  // Sent with the next picture, when curses has its screen set up.
  title_ = Utf8FromCp850(title);
  title_pending_ = true;
}

void TerminalFrontend::WriteTitle() {
  title_pending_ = false;
  std::string sequence;
  if (title_osc_) {
    sequence = "\033]0;" + title_ + "\007";
  } else if (!title_start_.empty()) {
    sequence = title_start_ + title_ + title_end_;
  } else {
    return;
  }
  WriteAll(sequence);  // curses has flushed its output at the refresh before this
}
