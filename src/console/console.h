// The console the game was designed for, kept as an in-memory model: 80 x 25
// cells of CP850 bytes with colours, two screen buffers, a cursor, 16 colours.
// All game output goes here; a Frontend shows it and supplies input.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/frontend.h"

constexpr int kScreenCols = 80;
constexpr int kScreenRows = 25;

// Console colour numbers (not ANSI's: 1 is blue, 4 is red).
enum ConsoleColour : int {
  kBlack = 0,
  kBlue = 1,
  kGreen = 2,
  kCyan = 3,
  kRed = 4,
  kMagenta = 5,
  kBrown = 6,
  kLightGrey = 7,
  kDarkGrey = 8,
  kYellow = 14,
  kWhite = 15,
};

struct Cell {
  unsigned char ch = ' ';
  std::uint8_t fg = kLightGrey;
  std::uint8_t bg = kBlack;
  bool operator==(const Cell&) const = default;
};

using ScreenBuffer = std::array<Cell, kScreenCols * kScreenRows>;

class Console {
 public:
  explicit Console(Frontend& frontend);

  Frontend& frontend() { return frontend_; }

  // Window title.
  void SetTitle(std::string_view title);
  const std::string& Title() const { return title_; }

  // Cursor, rows and columns counted from 1.
  void SetCursor(int row, int col);
  int CursorRow() const { return cursor_row_; }
  int CursorCol() const { return cursor_col_; }
  // The row the flow of text has reached: the cursor row after the last
  // write or line end, untouched by cursor moves (the line editor parks the
  // cursor on row 1 while it waits).
  int TextRow() const { return text_row_; }
  void SetCursorVisible(bool visible) { cursor_visible_ = visible; }
  bool CursorVisible() const { return cursor_visible_; }
  void SetCursorSize(int percent) { cursor_size_ = percent; }
  int CursorSize() const { return cursor_size_; }

  // Colours for the following writes and clears.
  void SetColours(int fg, int bg);
  void SetForeground(int fg);
  int Foreground() const { return fg_; }
  int Background() const { return bg_; }

  // Blanks the written buffer in the current colours; cursor to row 1, column 1.
  void Clear();
  // Writes at the cursor; after column 80 the cursor wraps to the next row,
  // and past row 25 the whole screen scrolls up by one row.
  void Write(std::string_view text);
  // Cursor to column 1 of the next row, scrolling on row 25.
  void LineEnd();
  // Writes the cells of a text from a position on, cut off at column 80;
  // neither the cursor nor the rest of the screen moves.
  void WriteAt(int row, int col, std::string_view text);
  // The same in the given colours, which stay set.
  void WriteAt(int row, int col, int fg, int bg, std::string_view text) {
    SetColours(fg, bg);
    WriteAt(row, col, text);
  }

  // A full-screen display (the map, a dialog) begins right after a clear,
  // and ends when flowing text resumes at the cursor.
  void BeginFullScreen() { frontend_.FullScreenBegins(*this); }
  void EndFullScreen() { frontend_.FullScreenEnds(*this); }

  // Two buffers: the one written to and the one shown may differ.
  void SetWriteBuffer(int buffer);
  void SetShownBuffer(int buffer);
  int WriteBuffer() const { return write_buffer_; }
  int ShownBuffer() const { return shown_buffer_; }
  void CopyBuffer(int from, int to);
  const ScreenBuffer& Buffer(int buffer) const { return buffers_[buffer]; }
  const Cell& CellAt(int buffer, int row, int col) const;
  // The cell as the player sees it.
  const Cell& ShownCell(int row, int col) const { return CellAt(shown_buffer_, row, col); }
  // One row of the shown buffer as text.
  std::string ShownRow(int row) const;

  // Input and time, through the front end.
  InputEvent ReadEvent(WaitKind kind);
  // Reads events until a key arrives (mouse presses are skipped).
  int ReadKey(WaitKind kind);
  void DiscardInput();
  void Sleep(int milliseconds);

 private:
  ScreenBuffer& Written() { return buffers_[write_buffer_]; }
  void ScrollUp();
  void NextRow();

  Frontend& frontend_;
  std::array<ScreenBuffer, 2> buffers_{};
  int write_buffer_ = 0;
  int shown_buffer_ = 0;
  int cursor_row_ = 1;
  int cursor_col_ = 1;
  int text_row_ = 1;
  bool cursor_visible_ = true;
  int cursor_size_ = 25;
  int fg_ = kLightGrey;
  int bg_ = kBlack;
  std::string title_;
};
