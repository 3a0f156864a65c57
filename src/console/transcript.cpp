#include "console/transcript.h"

#include <algorithm>

#include "console/console.h"

namespace {

constexpr int kFirstTextRow = 4;  // rows 1 to 3 are the status bar

std::string RowText(const Console& console, int row) {
  std::string text = console.ShownRow(row);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

Transcript::Transcript(std::function<void(std::string_view)> sink) : sink_(std::move(sink)), next_row_(kFirstTextRow) {}

void Transcript::Emit(const Console& console, int row) { sink_(RowText(console, row)); }

void Transcript::BeforeScroll(const Console& console) {
  if (full_screen_) {
    FlushFullScreen(console);
    std::rotate(written_rows_.begin() + 1, written_rows_.begin() + 2, written_rows_.end());
    written_rows_[kScreenRows].clear();
  } else if (next_row_ > kFirstTextRow) {
    --next_row_;  // everything moves up; the first unwritten row with it
  } else {
    Emit(console, kFirstTextRow);  // about to leave the text area unwritten
  }
}

void Transcript::BeforeClear(const Console& console) {
  if (full_screen_) {
    FlushFullScreen(console);
    written_rows_.fill("");
    return;
  }
  int last = console.TextRow() - 1;
  for (int row = kScreenRows; row > last; --row) {
    if (console.ShownRow(row).find_first_not_of(' ') != std::string::npos) {
      last = row;
      break;
    }
  }
  for (int row = next_row_; row <= last; ++row) Emit(console, row);
  next_row_ = kFirstTextRow;
}

void Transcript::Flush(const Console& console) {
  if (full_screen_) {
    FlushFullScreen(console);
    return;
  }
  for (; next_row_ < console.TextRow(); ++next_row_) Emit(console, next_row_);
}

void Transcript::SkipRow(const Console& console) {
  Flush(console);
  if (!full_screen_) next_row_ = console.TextRow() + 1;
}

void Transcript::FlushFullScreen(const Console& console) {
  for (int row = 1; row <= kScreenRows; ++row) {
    std::string text = RowText(console, row);
    if (text == written_rows_[row]) continue;
    if (!text.empty()) sink_(text);
    written_rows_[row] = std::move(text);
  }
}

void Transcript::BeginFullScreen() {
  full_screen_ = true;
  written_rows_.fill("");
}

void Transcript::EndFullScreen(const Console& console) {
  if (!full_screen_) return;
  full_screen_ = false;
  next_row_ = std::max(console.CursorRow(), kFirstTextRow);
}
