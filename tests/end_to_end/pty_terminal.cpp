#include "end_to_end/pty_terminal.h"

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

void AppendUtf8Char(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::vector<uint32_t> CodePoints(std::string_view utf8) {
  std::vector<uint32_t> out;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
    uint32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    for (int k = 1; k < length && i + k < utf8.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(c);
    i += length;
  }
  return out;
}

int ColourIndex(const VTermColor& colour, bool foreground) {
  if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&colour) : VTERM_COLOR_IS_DEFAULT_BG(&colour)) return -1;
  if (VTERM_COLOR_IS_INDEXED(&colour)) return colour.indexed.idx;
  return -2;
}

}  // namespace

PtyTerminal::PtyTerminal(const std::vector<std::string>& argv, const Options& options) {
  Start(
      [&argv] {
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        std::perror("execv");
      },
      options);
}

PtyTerminal::PtyTerminal(const std::function<int()>& body, const Options& options) {
  Start(
      [&body] {
        const int status = body();
        std::fflush(nullptr);
        _exit(status);
      },
      options);
}

void PtyTerminal::Start(const std::function<void()>& child, const Options& options) {
  vt_ = vterm_new(options.rows, options.cols);
  vterm_set_utf8(vt_, 1);
  vterm_output_set_callback(vt_, &PtyTerminal::OnOutput, this);
  screen_ = vterm_obtain_screen(vt_);
  callbacks_.settermprop = &PtyTerminal::OnSetTermProp;
  vterm_screen_set_callbacks(screen_, &callbacks_, this);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);

  // Whatever the test process has buffered must not reach the child's terminal.
  std::fflush(nullptr);
  winsize size{};
  size.ws_row = static_cast<unsigned short>(options.rows);
  size.ws_col = static_cast<unsigned short>(options.cols);
  pid_ = forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) throw std::runtime_error("forkpty failed");
  if (pid_ == 0) {
    setenv("TERM", options.term.c_str(), 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");
    for (const auto& [name, value] : options.env) {
      if (value.empty()) {
        unsetenv(name.c_str());
      } else {
        setenv(name.c_str(), value.c_str(), 1);
      }
    }
    child();
    _exit(127);
  }
}

PtyTerminal::~PtyTerminal() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    Reap(true);
  }
  if (master_ >= 0) close(master_);
  if (vt_ != nullptr) vterm_free(vt_);
}

void PtyTerminal::OnOutput(const char* bytes, size_t length, void* user) {
  auto* self = static_cast<PtyTerminal*>(user);
  while (length > 0) {
    const ssize_t written = write(self->master_, bytes, length);
    if (written < 0) {
      if (errno == EINTR) continue;
      return;
    }
    bytes += written;
    length -= static_cast<size_t>(written);
  }
}

int PtyTerminal::OnSetTermProp(VTermProp prop, VTermValue* value, void* user) {
  auto* self = static_cast<PtyTerminal*>(user);
  if (prop == VTERM_PROP_TITLE && value->string != nullptr) self->title_ = value->string;
  if (prop == VTERM_PROP_CURSORVISIBLE) self->cursor_visible_ = value->boolean != 0;
  return 1;
}

bool PtyTerminal::Pump(std::chrono::milliseconds timeout) {
  if (eof_) return false;
  pollfd fd{master_, POLLIN, 0};
  const int ready = poll(&fd, 1, static_cast<int>(timeout.count()));
  if (ready <= 0) return true;
  char buffer[65536];
  const ssize_t got = read(master_, buffer, sizeof buffer);
  if (got > 0) {
    raw_.append(buffer, static_cast<size_t>(got));
    vterm_input_write(vt_, buffer, static_cast<size_t>(got));
    return true;
  }
  if (got < 0 && errno == EINTR) return true;
  eof_ = true;  // EIO: every copy of the child's side is closed
  return false;
}

void PtyTerminal::Reap(bool block) {
  if (exited_ || pid_ <= 0) return;
  int status = 0;
  const pid_t got = waitpid(pid_, &status, block ? 0 : WNOHANG);
  if (got != pid_) return;
  exited_ = true;
  status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool PtyTerminal::Settled() {
  // A picture may arrive in several pieces; it is whole once output pauses.
  const size_t before = raw_.size();
  Pump(kSettle);
  return raw_.size() == before;
}

bool PtyTerminal::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
  const auto end = Clock::now() + deadline;
  for (;;) {
    if (done() && Settled() && done()) return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0 || eof_) return done();
    Pump(std::min(left, std::chrono::milliseconds(50)));
  }
}

bool PtyTerminal::WaitForText(std::string_view utf8, std::chrono::milliseconds deadline) {
  return WaitUntil([&] { return ScreenContains(utf8); }, deadline);
}

bool PtyTerminal::WaitForRow(int row, std::string_view utf8, std::chrono::milliseconds deadline) {
  return WaitUntil([&] { return Row(row).find(utf8) != std::string::npos; }, deadline);
}

void PtyTerminal::Drain(std::chrono::milliseconds quiet) {
  const auto end = Clock::now() + quiet;
  while (!eof_) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0) break;
    Pump(left);
  }
}

std::optional<int> PtyTerminal::WaitForExit(std::chrono::milliseconds deadline) {
  const auto end = Clock::now() + deadline;
  for (;;) {
    Reap(false);
    if (exited_ && eof_) return status_;
    if (Clock::now() >= end) return std::nullopt;
    if (!eof_) {
      Pump(std::chrono::milliseconds(20));
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
}

bool PtyTerminal::LineDisciplineCooked() const {
  termios settings{};
  if (master_ < 0) return false;
  if (tcgetattr(master_, &settings) != 0) return false;
  return (settings.c_lflag & ICANON) != 0 && (settings.c_lflag & ECHO) != 0 && (settings.c_lflag & ISIG) != 0;
}

int PtyTerminal::Rows() const {
  int rows = 0;
  int cols = 0;
  vterm_get_size(vt_, &rows, &cols);
  return rows;
}

int PtyTerminal::Cols() const {
  int rows = 0;
  int cols = 0;
  vterm_get_size(vt_, &rows, &cols);
  return cols;
}

PtyTerminal::CellInfo PtyTerminal::Cell(int row, int col) const {
  CellInfo info;
  info.text = " ";
  if (row < 1 || row > Rows() || col < 1 || col > Cols()) return info;
  VTermScreenCell cell{};
  vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell);
  if (cell.chars[0] != 0 && cell.chars[0] != static_cast<uint32_t>(-1)) {
    info.text.clear();
    for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && cell.chars[i] != 0; ++i) AppendUtf8Char(info.text, cell.chars[i]);
  }
  info.fg = ColourIndex(cell.fg, true);
  info.bg = ColourIndex(cell.bg, false);
  info.bold = cell.attrs.bold != 0;
  info.reverse = cell.attrs.reverse != 0;
  return info;
}

std::string PtyTerminal::Text(int row, int col, int length) const {
  std::string out;
  for (int c = col; c < col + length && c <= Cols(); ++c) out += Cell(row, c).text;
  return out;
}

std::pair<int, int> PtyTerminal::CursorPosition() const {
  VTermPos position{};
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &position);
  return {position.row + 1, position.col + 1};
}

std::string PtyTerminal::Row(int row) const { return Text(row, 1, Cols()); }

std::string PtyTerminal::Screen() const {
  std::string out;
  for (int row = 1; row <= Rows(); ++row) {
    if (row > 1) out += '\n';
    out += Row(row);
  }
  return out;
}

bool PtyTerminal::ScreenContains(std::string_view utf8) const {
  for (int row = 1; row <= Rows(); ++row) {
    if (Row(row).find(utf8) != std::string::npos) return true;
  }
  return false;
}

void PtyTerminal::Key(VTermKey key, VTermModifier modifiers) { vterm_keyboard_key(vt_, key, modifiers); }

void PtyTerminal::FunctionKey(int n, VTermModifier modifiers) {
  vterm_keyboard_key(vt_, static_cast<VTermKey>(VTERM_KEY_FUNCTION(n)), modifiers);
}

void PtyTerminal::Type(std::string_view utf8) {
  for (const uint32_t c : CodePoints(utf8)) vterm_keyboard_unichar(vt_, c, VTERM_MOD_NONE);
}

void PtyTerminal::SendBytes(std::string_view bytes) { OnOutput(bytes.data(), bytes.size(), this); }

void PtyTerminal::Click(int button, int row, int col) {
  vterm_mouse_move(vt_, row - 1, col - 1, VTERM_MOD_NONE);
  vterm_mouse_button(vt_, button, true, VTERM_MOD_NONE);
  vterm_mouse_button(vt_, button, false, VTERM_MOD_NONE);
}

void PtyTerminal::Resize(int rows, int cols) {
  vterm_set_size(vt_, rows, cols);
  winsize size{};
  size.ws_row = static_cast<unsigned short>(rows);
  size.ws_col = static_cast<unsigned short>(cols);
  ioctl(master_, TIOCSWINSZ, &size);
}

void PtyTerminal::HangUp() {
  if (master_ >= 0) close(master_);
  master_ = -1;
  eof_ = true;
}

void PtyTerminal::Signal(int signo) {
  if (pid_ > 0 && !exited_) kill(pid_, signo);
}
