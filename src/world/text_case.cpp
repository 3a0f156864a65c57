#include "world/text_case.h"

#include "world/encoding.h"

namespace {

// Capitals outside ASCII and their small forms, position by position.
const std::string& Capitals() {
  static const std::string capitals = Cp850("ÄÖÜÉÑÅÇ");
  return capitals;
}

const std::string& Smalls() {
  static const std::string smalls = Cp850("äöüéñåç");
  return smalls;
}

}  // namespace

std::string LowerCase(std::string_view cp850) {
  std::string text(cp850);
  const std::string& capitals = Capitals();
  const std::string& smalls = Smalls();
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
      continue;
    }
    const std::size_t at = capitals.find(c);
    if (at != std::string::npos) c = smalls[at];
  }
  return text;
}

char UpperCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  const std::size_t at = Smalls().find(c);
  return at == std::string::npos ? c : Capitals()[at];
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}
