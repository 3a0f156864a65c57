// A terminal for tests: runs a program under a pseudo-terminal, reads its output into a libvterm screen and
// sends keys and mouse presses as a terminal would.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vterm.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "world/encoding.h"

struct PtyOptions {
  std::string term = "xterm-256color";
  int rows = 25, cols = 80;
  std::vector<std::pair<std::string, std::string>> env = {};  // further environment; an empty value unsets
};

class PtyTerminal {
 public:
  using Clock = std::chrono::steady_clock;
  using ms = std::chrono::milliseconds;
  struct CellInfo {  // UTF-8 text, a blank for an empty cell; palette indexes, -1 the terminal's default
    std::string text;
    int fg = -1, bg = -1;
    bool bold = false;
  };

  // Runs `body` in a forked child; its return value is the exit status.
  PtyTerminal(const std::function<int()>& body, const PtyOptions& options = {})
      : vt_(vterm_new(options.rows, options.cols)) {
    vterm_set_utf8(vt_, 1);
    vterm_output_set_callback(  // what the terminal sends: keys, mouse, replies
        vt_, [](const char* bytes, size_t n, void* me) { static_cast<PtyTerminal*>(me)->SendBytes({bytes, n}); }, this);
    screen_ = vterm_obtain_screen(vt_);
    callbacks_.settermprop = [](VTermProp prop, VTermValue* value, void* me) {
      auto* self = static_cast<PtyTerminal*>(me);
      if (prop == VTERM_PROP_TITLE && value->string != nullptr) self->title_ = value->string;
      if (prop == VTERM_PROP_CURSORVISIBLE) self->cursor_visible_ = value->boolean != 0;
      return 1;
    };
    vterm_screen_set_callbacks(screen_, &callbacks_, this);
    vterm_screen_enable_altscreen(screen_, 1);
    vterm_screen_reset(screen_, 1);
    std::fflush(nullptr);  // nothing the test process has buffered may reach the child's terminal
    winsize size{static_cast<unsigned short>(options.rows), static_cast<unsigned short>(options.cols), 0, 0};
    if ((pid_ = forkpty(&master_, nullptr, nullptr, &size)) < 0) throw std::runtime_error("forkpty failed");
    if (pid_ > 0) return;
    setenv("TERM", options.term.c_str(), 1);
    for (const char* name : {"LINES", "COLUMNS"}) unsetenv(name);
    for (const auto& [name, value] : options.env)
      value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    const int status = body();
    std::fflush(nullptr);
    _exit(status);
  }
  explicit PtyTerminal(const char* path, const PtyOptions& options = {})  // runs a program
      : PtyTerminal([path] { return execl(path, path, static_cast<char*>(nullptr)), 127; }, options) {}
  ~PtyTerminal() {
    if (pid_ > 0 && !exited_ && kill(pid_, SIGKILL) == 0) Reap(true);
    if (master_ >= 0) close(master_);
    vterm_free(vt_);
  }
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // The screen, rows and columns counted from 1.
  CellInfo Cell(int row, int col) const {
    VTermScreenCell cell{};
    if (!vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell)) return {" "};
    std::string text;
    for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && cell.chars[i] != 0 && cell.chars[i] != uint32_t(-1); ++i) {
      AppendUtf8(text, cell.chars[i]);
    }
    return {text.empty() ? " " : text,
            VTERM_COLOR_IS_DEFAULT_FG(&cell.fg) ? -1 : VTERM_COLOR_IS_INDEXED(&cell.fg) ? cell.fg.indexed.idx : -2,
            VTERM_COLOR_IS_DEFAULT_BG(&cell.bg) ? -1 : VTERM_COLOR_IS_INDEXED(&cell.bg) ? cell.bg.indexed.idx : -2,
            cell.attrs.bold != 0};
  }
  // A row without its trailing blanks; the screen as such rows, each ending in a line end; its rows without the
  // empty ones at the bottom.
  std::string Row(int row) const {
    std::string text;
    for (int col = 1; col <= Size().second; ++col) text += Cell(row, col).text;
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  std::string Screen() const {
    std::string out;
    for (int row = 1; row <= Size().first; ++row) out += Row(row) + "\n";
    return out;
  }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (int row = 1; row <= Size().first; ++row) rows.push_back(Row(row));
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return rows;
  }
  std::pair<int, int> Size() const { int rows = 0, cols = 0; vterm_get_size(vt_, &rows, &cols); return {rows, cols}; }
  bool ScreenContains(std::string_view utf8) const { return Screen().find(utf8) != std::string::npos; }
  const std::string& Title() const { return title_; }
  bool CursorVisible() const { return cursor_visible_; }
  std::pair<int, int> CursorPosition() const {
    VTermPos at{};
    vterm_state_get_cursorpos(vterm_obtain_state(vt_), &at);
    return {at.row + 1, at.col + 1};
  }

  // Reads output until `done` holds and the output pauses (the picture is complete), or the deadline; `done()`.
  bool WaitUntil(const std::function<bool()>& done, ms deadline = ms(5000)) {
    for (const auto end = Clock::now() + deadline;; Pump(ms(50))) {
      if (done()) {
        const size_t before = raw_.size();
        Pump(ms(30));
        if (raw_.size() == before && done()) return true;
      }
      if (Clock::now() >= end || eof_) return done();
    }
  }
  bool WaitForText(std::string_view utf8) { return WaitUntil([&] { return ScreenContains(utf8); }); }
  // Reads whatever arrives within `quiet` (for checking that nothing changes).
  void Drain(ms quiet) { for (const auto end = Clock::now() + quiet; !eof_ && Clock::now() < end;) Pump(ms(10)); }

  // Input, through libvterm's keyboard and mouse.
  void Key(VTermKey key, VTermModifier modifiers = VTERM_MOD_NONE) { vterm_keyboard_key(vt_, key, modifiers); }
  void SendBytes(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = write(master_, bytes.data(), bytes.size());
      if (written < 0 && errno != EINTR) return;
      if (written > 0) bytes.remove_prefix(static_cast<size_t>(written));
    }
  }
  void Click(int button, int row, int col) {  // 1 left, 3 right: press and release
    vterm_mouse_move(vt_, row - 1, col - 1, VTERM_MOD_NONE);
    for (const bool pressed : {true, false}) vterm_mouse_button(vt_, button, pressed, VTERM_MOD_NONE);
  }
  void Resize(int rows, int cols) {
    vterm_set_size(vt_, rows, cols);
    const winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(cols), 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
  }
  void Signal(int signo) { kill(pid_, signo); }
  void HangUp() { close(std::exchange(master_, -1)); eof_ = true; }  // as when the window is closed
  // Waits for the child's end, reading its output: its exit status or 128 + signal, nothing past the deadline.
  std::optional<int> WaitForExit(ms deadline = ms(5000)) {
    for (const auto end = Clock::now() + deadline; Clock::now() < end;) {
      Reap(false);
      if (exited_ && eof_) return status_;
      eof_ ? void(usleep(5000)) : Pump(ms(20));
    }
    return std::nullopt;
  }
  // Whether the child left the terminal's line discipline cooked, as it found it.
  bool LineDisciplineCooked() const {
    termios settings{};
    if (master_ < 0 || tcgetattr(master_, &settings) != 0) return false;
    return (settings.c_lflag & (ICANON | ECHO | ISIG)) == (ICANON | ECHO | ISIG);
  }
  const std::string& RawOutput() const { return raw_; }  // everything the child wrote, unchanged

 private:
  void Pump(ms timeout) {
    pollfd fd{master_, POLLIN, 0};
    if (eof_ || poll(&fd, 1, static_cast<int>(timeout.count())) <= 0) return;
    char buffer[65536];
    const ssize_t got = read(master_, buffer, sizeof buffer);
    if (got > 0) {
      raw_.append(buffer, static_cast<size_t>(got));
      vterm_input_write(vt_, buffer, static_cast<size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      eof_ = true;  // EIO: every copy of the child's side is closed
    }
  }
  void Reap(bool block) {
    int status = 0;
    if (exited_ || waitpid(pid_, &status, block ? 0 : WNOHANG) != pid_) return;
    exited_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  VTerm* vt_;
  VTermScreen* screen_ = nullptr;
  VTermScreenCallbacks callbacks_{};
  int master_ = -1;
  pid_t pid_ = -1;
  bool eof_ = false, exited_ = false, cursor_visible_ = true;
  int status_ = 0;
  std::string raw_, title_;
};

// The terminal is back as it was: the main screen (the output ends with leaving it, or with xterm's restoring of
// the title), a visible cursor, no mouse reports, normal cursor keys, the line discipline cooked. The cursor is read
// from the output, as libvterm (unlike xterm) takes back on leaving the alternate screen what curses' saves kept.
inline testing::AssertionResult TerminalRestored(const PtyTerminal& terminal) {
  using testing::AssertionFailure, testing::PrintToString;
  const std::string& raw = terminal.RawOutput();
  const size_t entered = raw.rfind("\033[?1049h"), left = raw.rfind("\033[?1049l");
  if (entered == std::string::npos || left == std::string::npos || left < entered) {
    return AssertionFailure() << "alternate screen not entered and left";
  }
  if (const std::string tail = raw.substr(left + 8); !tail.empty() && tail != "\033[23;0;0t") {
    return AssertionFailure() << "output after leaving the alternate screen: " << PrintToString(tail);
  }
  for (const auto& [on, off] :
       {std::pair{"\033[?1000h", "\033[?1000l"}, {"\033[?1h", "\033[?1l"}, {"\033[?25l", "\033[?25h"}}) {
    const size_t set = raw.rfind(on);
    if (set != std::string::npos && raw.rfind(off) < set) return AssertionFailure() << "left on: " << PrintToString(on);
  }
  if (!terminal.LineDisciplineCooked()) return AssertionFailure() << "terminal left in raw mode";
  return testing::AssertionSuccess();
}
