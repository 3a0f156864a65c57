#include "console/console.h"

#include <algorithm>

namespace {

int Index(int row, int col) { return (row - 1) * kScreenCols + (col - 1); }

}  // namespace

Console::Console(Frontend& frontend) : frontend_(frontend) {}

void Console::SetTitle(std::string_view title) {
  title_ = title;
  frontend_.SetTitle(title);
}

void Console::SetCursor(int row, int col) {
  cursor_row_ = std::clamp(row, 1, kScreenRows);
  cursor_col_ = std::clamp(col, 1, kScreenCols);
}

void Console::SetColours(int fg, int bg) {
  fg_ = fg & 15;
  bg_ = bg & 15;
}

void Console::SetForeground(int fg) { fg_ = fg & 15; }

void Console::Clear() {
  if (write_buffer_ == shown_buffer_) frontend_.BeforeClear(*this);
  Written().fill(Cell{' ', static_cast<std::uint8_t>(fg_), static_cast<std::uint8_t>(bg_)});
  cursor_row_ = 1;
  cursor_col_ = 1;
  text_row_ = 1;
}

void Console::Write(std::string_view text) {
  for (const char c : text) {
    Written()[Index(cursor_row_, cursor_col_)] =
        Cell{static_cast<unsigned char>(c), static_cast<std::uint8_t>(fg_), static_cast<std::uint8_t>(bg_)};
    if (cursor_col_ < kScreenCols) {
      ++cursor_col_;
    } else {
      NextRow();
    }
  }
  text_row_ = cursor_row_;
}

void Console::WriteAt(int row, int col, std::string_view text) {
  if (row < 1 || row > kScreenRows) return;
  for (const char c : text) {
    if (col >= 1 && col <= kScreenCols) {
      Written()[Index(row, col)] =
          Cell{static_cast<unsigned char>(c), static_cast<std::uint8_t>(fg_), static_cast<std::uint8_t>(bg_)};
    }
    ++col;
  }
}

void Console::LineEnd() {
  NextRow();
  text_row_ = cursor_row_;
}

void Console::NextRow() {
  cursor_col_ = 1;
  if (cursor_row_ < kScreenRows) {
    ++cursor_row_;
  } else {
    ScrollUp();
  }
}

void Console::ScrollUp() {
  if (write_buffer_ == shown_buffer_) frontend_.BeforeScroll(*this);
  ScreenBuffer& buffer = Written();
  std::copy(buffer.begin() + kScreenCols, buffer.end(), buffer.begin());
  // The new bottom row is blank, in the current colours.
  std::fill(buffer.end() - kScreenCols, buffer.end(),
            Cell{' ', static_cast<std::uint8_t>(fg_), static_cast<std::uint8_t>(bg_)});
}

void Console::SetWriteBuffer(int buffer) { write_buffer_ = buffer & 1; }

void Console::SetShownBuffer(int buffer) { shown_buffer_ = buffer & 1; }

void Console::CopyBuffer(int from, int to) { buffers_[to & 1] = buffers_[from & 1]; }

const Cell& Console::CellAt(int buffer, int row, int col) const {
  return buffers_[buffer & 1][Index(std::clamp(row, 1, kScreenRows), std::clamp(col, 1, kScreenCols))];
}

std::string Console::ShownRow(int row) const {
  std::string text(kScreenCols, ' ');
  for (int col = 1; col <= kScreenCols; ++col) text[col - 1] = static_cast<char>(ShownCell(row, col).ch);
  return text;
}

InputEvent Console::ReadEvent(WaitKind kind) { return frontend_.Wait(*this, kind); }

int Console::ReadKey(WaitKind kind) {
  for (;;) {
    const InputEvent event = ReadEvent(kind);
    if (event.kind == InputEvent::Kind::kKey && event.key != 0) return event.key;
  }
}

void Console::DiscardInput() { frontend_.DiscardInput(); }

void Console::Sleep(int milliseconds) { frontend_.Sleep(*this, milliseconds); }
