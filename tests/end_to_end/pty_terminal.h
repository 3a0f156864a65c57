// A terminal for tests: runs a program under a pseudo-terminal, reads its
// output into a libvterm screen and sends keys and mouse presses as a
// terminal would.
#pragma once

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <gtest/gtest.h>
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
#include <thread>
#include <utility>
#include <vector>

#include "world/encoding.h"

class PtyTerminal {
 public:
  using Clock = std::chrono::steady_clock;
  using ms = std::chrono::milliseconds;

  struct Options {
    std::string term = "xterm-256color";
    int rows = 25, cols = 80;
    std::vector<std::pair<std::string, std::string>> env = {};  // further environment; an empty value unsets
  };
  // What a cell shows. Colours are palette indexes; -1 is the terminal's default.
  struct CellInfo {
    std::string text;  // UTF-8, a blank for an empty cell
    int fg = -1;
    int bg = -1;
    bool bold = false;
  };

  // Runs `body` in a forked child; its return value is the exit status.
  PtyTerminal(const std::function<int()>& body, const Options& options) : vt_(vterm_new(options.rows, options.cols)) {
    vterm_set_utf8(vt_, 1);
    const auto answer = [](const char* bytes, size_t n, void* self) {
      static_cast<PtyTerminal*>(self)->SendBytes({bytes, n});
    };
    vterm_output_set_callback(vt_, answer, this);  // what the terminal sends: keys, mouse, replies
    screen_ = vterm_obtain_screen(vt_);
    callbacks_.settermprop = [](VTermProp prop, VTermValue* value, void* user) {
      auto* self = static_cast<PtyTerminal*>(user);
      if (prop == VTERM_PROP_TITLE && value->string != nullptr) self->title_ = value->string;
      if (prop == VTERM_PROP_CURSORVISIBLE) self->cursor_visible_ = value->boolean != 0;
      return 1;
    };
    vterm_screen_set_callbacks(screen_, &callbacks_, this);
    vterm_screen_enable_altscreen(screen_, 1);
    vterm_screen_reset(screen_, 1);
    std::fflush(nullptr);  // nothing the test process has buffered may reach the child's terminal
    winsize size{static_cast<unsigned short>(options.rows), static_cast<unsigned short>(options.cols), 0, 0};
    pid_ = forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ < 0) throw std::runtime_error("forkpty failed");
    if (pid_ == 0) {
      setenv("TERM", options.term.c_str(), 1);
      unsetenv("LINES");
      unsetenv("COLUMNS");
      for (const auto& [name, value] : options.env) {
        value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
      }
      const int status = body();
      std::fflush(nullptr);
      _exit(status);
    }
  }
  // Runs a program.
  PtyTerminal(const char* path, const Options& options)
      : PtyTerminal([path] { return execl(path, path, static_cast<char*>(nullptr)), 127; }, options) {}
  ~PtyTerminal() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      Reap(true);
    }
    if (master_ >= 0) close(master_);
    vterm_free(vt_);
  }
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // The screen, rows and columns counted from 1.
  CellInfo Cell(int row, int col) const {
    CellInfo info{" "};
    VTermScreenCell cell{};
    if (!vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell)) return info;
    if (cell.chars[0] != 0 && cell.chars[0] != static_cast<uint32_t>(-1)) {
      info.text.clear();
      for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && cell.chars[i] != 0; ++i) AppendUtf8(info.text, cell.chars[i]);
    }
    info.fg = VTERM_COLOR_IS_DEFAULT_FG(&cell.fg) ? -1 : VTERM_COLOR_IS_INDEXED(&cell.fg) ? cell.fg.indexed.idx : -2;
    info.bg = VTERM_COLOR_IS_DEFAULT_BG(&cell.bg) ? -1 : VTERM_COLOR_IS_INDEXED(&cell.bg) ? cell.bg.indexed.idx : -2;
    info.bold = cell.attrs.bold != 0;
    return info;
  }
  std::string Text(int row, int col, int length) const {
    std::string out;
    for (int c = col; c < col + length; ++c) out += Cell(row, c).text;
    return out;
  }
  // A row without its trailing blanks; the screen as such rows, each ending in a line end.
  std::string Row(int row) const {
    std::string text = Text(row, 1, Size().second);
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  std::string Screen() const {
    std::string out;
    for (int row = 1; row <= Size().first; ++row) out += Row(row) + "\n";
    return out;
  }
  std::pair<int, int> Size() const {
    std::pair<int, int> size;
    vterm_get_size(vt_, &size.first, &size.second);
    return size;
  }
  bool ScreenContains(std::string_view utf8) const { return Screen().find(utf8) != std::string::npos; }
  const std::string& Title() const { return title_; }
  bool CursorVisible() const { return cursor_visible_; }
  std::pair<int, int> CursorPosition() const {
    VTermPos position{};
    vterm_state_get_cursorpos(vterm_obtain_state(vt_), &position);
    return {position.row + 1, position.col + 1};
  }

  // Reads output until `done` holds and the output has paused for a moment
  // (so that a picture is complete), or the deadline passes; returns `done()`.
  bool WaitUntil(const std::function<bool()>& done, ms deadline = ms(5000)) {
    const auto end = Clock::now() + deadline;
    for (;;) {
      if (done()) {
        const size_t before = raw_.size();
        Pump(ms(30));
        if (raw_.size() == before && done()) return true;
      }
      if (Clock::now() >= end || eof_) return done();
      Pump(ms(50));
    }
  }
  bool WaitForText(std::string_view utf8) { return WaitUntil([&] { return ScreenContains(utf8); }); }
  // Reads whatever arrives within `quiet` (for checking that nothing changes).
  void Drain(ms quiet) {
    for (const auto end = Clock::now() + quiet; !eof_ && Clock::now() < end;) Pump(ms(10));
  }

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
    vterm_mouse_button(vt_, button, true, VTERM_MOD_NONE);
    vterm_mouse_button(vt_, button, false, VTERM_MOD_NONE);
  }
  void Resize(int rows, int cols) {
    vterm_set_size(vt_, rows, cols);
    const winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(cols), 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
  }
  void Signal(int signo) { kill(pid_, signo); }
  // Closes the terminal, as when its window is closed.
  void HangUp() {
    close(master_);
    master_ = -1;
    eof_ = true;
  }

  // Waits for the child to end, reading its output; the exit status, or
  // 128 + signal number, or nothing when the deadline passed.
  std::optional<int> WaitForExit(ms deadline = ms(5000)) {
    for (const auto end = Clock::now() + deadline; Clock::now() < end;) {
      Reap(false);
      if (exited_ && eof_) return status_;
      eof_ ? std::this_thread::sleep_for(ms(5)) : void(Pump(ms(20)));
    }
    return std::nullopt;
  }
  // Whether the child left the terminal's line discipline cooked, as it found it.
  bool LineDisciplineCooked() const {
    termios settings{};
    if (master_ < 0 || tcgetattr(master_, &settings) != 0) return false;
    return (settings.c_lflag & ICANON) != 0 && (settings.c_lflag & ECHO) != 0 && (settings.c_lflag & ISIG) != 0;
  }
  // Everything the child wrote, unchanged.
  const std::string& RawOutput() const { return raw_; }

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
  bool eof_ = false;
  bool exited_ = false;
  int status_ = 0;
  std::string raw_;
  std::string title_;
  bool cursor_visible_ = true;
};

// The terminal is back as it was: the main screen (the output ends with
// leaving the alternate screen; xterm's description adds restoring the
// window title), a visible cursor, no mouse reports, normal cursor keys,
// and the line discipline cooked again. The cursor is read from the output:
// leaving the alternate screen, libvterm (unlike xterm) takes back the
// visibility that curses' own cursor saves recorded.
inline testing::AssertionResult TerminalRestored(const PtyTerminal& terminal) {
  const std::string& raw = terminal.RawOutput();
  const size_t left = raw.rfind("\033[?1049l");
  if (raw.rfind("\033[?1049h") == std::string::npos) return testing::AssertionFailure() << "no alternate screen";
  if (left == std::string::npos || left < raw.rfind("\033[?1049h")) return testing::AssertionFailure() << "not left";
  if (const std::string tail = raw.substr(left + 8); !tail.empty() && tail != "\033[23;0;0t") {
    return testing::AssertionFailure() << "output after leaving the alternate screen: " << testing::PrintToString(tail);
  }
  for (const auto& [on, off] :
       {std::pair{"\033[?1000h", "\033[?1000l"}, {"\033[?1h", "\033[?1l"}, {"\033[?25l", "\033[?25h"}}) {
    const size_t set = raw.rfind(on);
    if (set != std::string::npos && raw.rfind(off) < set) {
      return testing::AssertionFailure() << "left on: " << testing::PrintToString(on);
    }
  }
  if (!terminal.LineDisciplineCooked()) return testing::AssertionFailure() << "terminal left in raw mode";
  return testing::AssertionSuccess();
}
