// Narrative texts of the story: a literal is checked at compile time against
// the message line's 255 characters, so that no paragraph is ever cut short.
#pragma once

#include <cstddef>
#include <string_view>

#include "console/text_output.h"

// Screen characters of a UTF-8 literal (every CP850 character is one column).
constexpr size_t ScreenLength(std::string_view utf8) {
  size_t length = 0;
  for (const char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++length;
  }
  return length;
}

// A paragraph that fits the message line; longer ones do not compile.
consteval const char* Paragraph(const char* utf8) {
  if (ScreenLength(utf8) > kMessageLineLength) throw "longer than the message line";
  return utf8;
}
