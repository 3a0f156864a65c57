#include "console/line_frontend.h"

#include <unistd.h>

#include "console/console.h"
#include "console/key_codes.h"
#include "world/encoding.h"

namespace {

constexpr char32_t kEscapeCharacter = 0x1B;
// The editor takes at most 255 characters; keep a little more and skip the
// rest, so that no input can make a line grow without bound.
constexpr size_t kLongestLine = 1024;

std::optional<std::string> ReadFileLine(std::FILE* in) {
  std::string line;
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') {
    if (line.size() < kLongestLine) line += static_cast<char>(c);
  }
  if (c == EOF && line.empty()) return std::nullopt;
  return line;
}

}  // namespace

LineIo FileLineIo(std::FILE* in, std::FILE* out) {
  LineIo io;
  io.read_line = [in](WaitKind) { return ReadFileLine(in); };
  io.write = [out](std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
      throw ProgramExit{0};  // the reader went away: end quietly
    }
  };
  io.flush = [out] {
    if (std::fflush(out) != 0) throw ProgramExit{0};
  };
  io.interactive = isatty(fileno(in)) != 0;
  return io;
}

LineFrontend::LineFrontend(LineIo io)
    : io_(std::move(io)), transcript_([this](std::string_view row) { WriteRow(row); }) {}

void LineFrontend::WriteRow(std::string_view row) { io_.write(Utf8FromCp850(row) + "\n"); }

bool LineFrontend::ReadInputLine(WaitKind kind) {
  std::optional<std::string> line = io_.read_line(kind);
  if (!line) return false;
  if (line->size() > kLongestLine) line->resize(kLongestLine);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  if (first_line_ && line->starts_with("\xEF\xBB\xBF")) line->erase(0, 3);
  first_line_ = false;
  std::string_view rest = *line;
  while (!rest.empty()) {
    // Escape stays a key, so that a script can leave a dialog.
    const char32_t code_point = DecodeUtf8(rest);
    const int byte = code_point == kEscapeCharacter ? key::kEscape : Cp850OfUnicode(code_point);
    if (byte >= 0) keys_.push_back(byte);
  }
  keys_.push_back(key::kEnter);
  return true;
}

InputEvent LineFrontend::Wait(const Console& console, WaitKind kind) {
  // A new prompt does not take up what was left of a line answered by a choice.
  if (kind == WaitKind::kLine && choice_started_line_) keys_.clear();
  // A full-screen display comes out once its keys are used up, not once per key.
  if (!transcript_.InFullScreen() || keys_.empty() || kind == WaitKind::kAnyKey) transcript_.Flush(console);
  io_.flush();
  if (kind == WaitKind::kAnyKey) return InputEvent::Key(' ');
  choice_started_line_ = false;
  if (keys_.empty()) {
    // At a terminal the player sees the prompt and the typing already.
    const bool prompt_here = io_.interactive && kind == WaitKind::kLine;
    if (prompt_here) {
      io_.write(">");
      io_.flush();
    }
    if (!ReadInputLine(kind)) throw ProgramExit{0};
    if (prompt_here) transcript_.SkipRow(console);
    if (kind == WaitKind::kChoice) choice_started_line_ = true;
  } else if (kind == WaitKind::kChoice) {
    choice_started_line_ = true;
  }
  if (kind == WaitKind::kLine && keys_.front() != key::kEnter) {
    // The line up to its end is text: "+", "-", digits and the like are
    // characters here, not the editor's keys.
    InputEvent text;
    text.kind = InputEvent::Kind::kText;
    while (keys_.front() != key::kEnter) {
      if (keys_.front() != key::kEscape) text.text += static_cast<char>(keys_.front());
      keys_.pop_front();
    }
    if (!text.text.empty()) return text;
  }
  const int key = keys_.front();
  keys_.pop_front();
  return InputEvent::Key(key);
}

void LineFrontend::Sleep(const Console& console, int) {
  transcript_.Flush(console);
  io_.flush();
}

void LineFrontend::Finish(const Console& console) {
  transcript_.Flush(console);
  io_.flush();
}
