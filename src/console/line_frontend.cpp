#include "console/line_frontend.h"

#include <cerrno>

#include "console/encoding.h"
#include "console/key_codes.h"

namespace {

constexpr char32_t kEscapeCharacter = 0x1B;

}  // namespace

LineFrontend::LineFrontend(std::FILE* in, std::FILE* out)
    : in_(in), out_(out), transcript_([this](std::string_view row) { WriteRow(row); }) {}

void LineFrontend::WriteRow(std::string_view row) {
  const std::string line = Utf8FromCp850(row) + "\n";
  if (std::fwrite(line.data(), 1, line.size(), out_) != line.size()) {
    throw ProgramExit{0};  // the reader went away: end quietly
  }
}

bool LineFrontend::ReadInputLine() {
  // The editor takes at most 255 characters; keep a little more and skip
  // the rest, so that no input can make the line grow without bound.
  constexpr size_t kLongestLine = 1024;
  std::string line;
  int c;
  while ((c = std::fgetc(in_)) != EOF && c != '\n') {
    if (line.size() < kLongestLine) line += static_cast<char>(c);
  }
  if (c == EOF && line.empty()) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (first_line_ && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
  first_line_ = false;
  std::string_view rest = line;
  while (!rest.empty()) {
    // Escape stays a key, so that a script can leave a dialog.
    const char32_t code_point = DecodeUtf8(rest);
    const int byte = code_point == kEscapeCharacter ? key::kEscape : Cp850OfUnicode(code_point);
    if (byte >= 0) keys_.push_back(byte);
  }
  keys_.push_back(13);
  return true;
}

InputEvent LineFrontend::Wait(const Console& console, WaitKind kind) {
  // A new prompt does not take up what was left of a line answered by a choice.
  if (kind == WaitKind::kLine && choice_started_line_) keys_.clear();
  // A full-screen display comes out once its keys are used up, not once per key.
  if (!transcript_.InFullScreen() || keys_.empty() || kind == WaitKind::kAnyKey) transcript_.Flush(console);
  if (std::fflush(out_) != 0) throw ProgramExit{0};
  if (kind == WaitKind::kAnyKey) return InputEvent{InputEvent::Kind::kKey, ' ', 0, 0, 0};
  choice_started_line_ = false;
  if (keys_.empty()) {
    if (!ReadInputLine()) throw ProgramExit{0};
    if (kind == WaitKind::kChoice) choice_started_line_ = true;
  } else if (kind == WaitKind::kChoice) {
    choice_started_line_ = true;
  }
  const int key = keys_.front();
  keys_.pop_front();
  return InputEvent{InputEvent::Kind::kKey, key, 0, 0, 0};
}

void LineFrontend::Sleep(const Console& console, int) {
  transcript_.Flush(console);
  std::fflush(out_);
}

void LineFrontend::Finish(const Console& console) {
  transcript_.Flush(console);
  std::fflush(out_);
}
