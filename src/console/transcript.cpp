#include "console/transcript.h"

#include "console/console.h"

namespace {

constexpr int kFirstTextRow = 4;  // rows 1 to 3 are the status bar

}  // namespace

Transcript::Transcript(std::function<void(std::string_view)> sink)
    : sink_(std::move(sink)), next_row_(kFirstTextRow) {}

void Transcript::Emit(const Console& console, int row) {
  std::string text = console.ShownRow(row);
  text.erase(text.find_last_not_of(' ') + 1);
  sink_(text);
}

void Transcript::BeforeScroll(const Console& console) {
  if (next_row_ > kFirstTextRow) {
    --next_row_;  // everything moves up; the first unwritten row with it
  } else {
    Emit(console, kFirstTextRow);  // about to leave the text area unwritten
  }
}

void Transcript::BeforeClear(const Console& console) {
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
  for (; next_row_ < console.TextRow(); ++next_row_) Emit(console, next_row_);
}
