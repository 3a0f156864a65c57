// A terminal for tests: runs a program under a pseudo-terminal, reads its
// output into a libvterm screen and sends keys and mouse presses as a
// terminal would.
#pragma once

#include <sys/types.h>
#include <vterm.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class PtyTerminal {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kDeadline{5000};
  static constexpr std::chrono::milliseconds kSettle{30};

  struct Options {
    int rows = 25;
    int cols = 80;
    std::string term = "xterm-256color";
    // Further environment for the child (name, value); an empty value unsets.
    std::vector<std::pair<std::string, std::string>> env;
  };

  // What a cell shows. Colours are palette indexes; -1 is the terminal's
  // default colour, -2 a direct RGB colour.
  struct CellInfo {
    std::string text;  // UTF-8, a blank for an empty cell
    int fg = -1;
    int bg = -1;
    bool bold = false;
    bool reverse = false;
  };

  // Runs a program (argv[0] is its path).
  PtyTerminal(const std::vector<std::string>& argv, const Options& options);
  // Runs `body` in a forked child; its return value is the exit status.
  PtyTerminal(const std::function<int()>& body, const Options& options);
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // Screen, rows and columns counted from 1.
  int Rows() const;
  int Cols() const;
  std::string Row(int row) const;                      // all cells of the row, UTF-8
  std::string Text(int row, int col, int length) const;  // `length` cells from `col`
  std::string Screen() const;                          // rows joined by '\n'
  CellInfo Cell(int row, int col) const;
  bool ScreenContains(std::string_view utf8) const;
  const std::string& Title() const { return title_; }
  bool CursorVisible() const { return cursor_visible_; }
  std::pair<int, int> CursorPosition() const;  // row, column

  // Reads output until `done` holds and the output has paused for a moment
  // (so that a picture is complete), or the deadline passes; returns `done()`.
  bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = kDeadline);
  bool WaitForText(std::string_view utf8, std::chrono::milliseconds deadline = kDeadline);
  bool WaitForRow(int row, std::string_view utf8, std::chrono::milliseconds deadline = kDeadline);
  // Reads whatever arrives within `quiet` (for checking that nothing changes).
  void Drain(std::chrono::milliseconds quiet);

  // Input, through libvterm's keyboard and mouse.
  void Key(VTermKey key, VTermModifier modifiers = VTERM_MOD_NONE);
  void FunctionKey(int n, VTermModifier modifiers = VTERM_MOD_NONE);
  void Type(std::string_view utf8);  // each character as typed
  void SendBytes(std::string_view bytes);
  void Click(int button, int row, int col);  // 1 left, 3 right: press and release

  void Resize(int rows, int cols);
  void Signal(int signo);
  // Closes the terminal, as when its window is closed.
  void HangUp();

  // Waits for the child to end, reading its output; the exit status, or
  // 128 + signal number, or nothing when the deadline passed.
  std::optional<int> WaitForExit(std::chrono::milliseconds deadline = kDeadline);
  bool Exited() const { return exited_; }
  // The terminal's settings as the child left them.
  bool LineDisciplineCooked() const;

  // Everything the child wrote, unchanged.
  const std::string& RawOutput() const { return raw_; }
  size_t RawSize() const { return raw_.size(); }

 private:
  void Start(const std::function<void()>& child, const Options& options);
  // Reads output for at most `timeout`; false once the child has closed the terminal.
  bool Pump(std::chrono::milliseconds timeout);
  // Reads on while output arrives within kSettle; true when none did.
  bool Settled();
  void Reap(bool block);
  static void OnOutput(const char* bytes, size_t length, void* user);
  static int OnSetTermProp(VTermProp prop, VTermValue* value, void* user);

  VTerm* vt_ = nullptr;
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
