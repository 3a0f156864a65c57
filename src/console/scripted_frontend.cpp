#include "console/scripted_frontend.h"

#include "console/key_codes.h"
#include "world/encoding.h"

ScriptedFrontend::ScriptedFrontend()
    : transcript_([this](std::string_view row) { lines_.push_back(Utf8FromCp850(row)); }) {}

void ScriptedFrontend::Key(int code) { events_.push_back(InputEvent::Key(code)); }

void ScriptedFrontend::Type(std::string_view utf8) {
  for (const char c : Cp850(utf8)) Key(static_cast<unsigned char>(c));
}

void ScriptedFrontend::Line(std::string_view utf8) {
  Type(utf8);
  Key(13);
}

void ScriptedFrontend::Click(int button, int row, int col) { events_.push_back(InputEvent::Mouse(button, row, col)); }

InputEvent ScriptedFrontend::Wait(const Console& console, WaitKind kind) {
  // A full-screen display comes out once per typed line, as in line mode,
  // not once per key.
  if (!transcript_.InFullScreen() || line_finished_ || kind == WaitKind::kAnyKey) transcript_.Flush(console);
  ++waits_;
  if (events_.empty()) throw ProgramExit{0};
  const InputEvent event = events_.front();
  events_.pop_front();
  line_finished_ = event.kind == InputEvent::Kind::kMouse || event.key == key::kEnter || event.key == key::kEscape;
  return event;
}

void ScriptedFrontend::Sleep(const Console& console, int milliseconds) {
  transcript_.Flush(console);
  sleeps_.push_back(milliseconds);
}

void ScriptedFrontend::DiscardInput() {
  if (discard_drops_queue_) events_.clear();
}
