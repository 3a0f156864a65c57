// Text encoding at the program's edges. Every string inside the game is
// single-byte CP850, the code page of the PC console the game was made for:
// one byte is one screen column. Source literals are UTF-8 and go through
// Cp850() once; the front ends convert back with Utf8FromCp850().
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// UTF-8 to CP850. Characters without a CP850 form, and malformed UTF-8
// sequences, are dropped.
std::string Cp850(std::string_view utf8);

// A text for the screen, as the answers and messages take it. A literal is
// UTF-8, as every source file, and is converted here; a std::string is CP850
// already (a word of the player's, or a text composed of converted pieces).
class Text {
 public:
  Text(const char* utf8) : cp850_(Cp850(utf8)) {}        // NOLINT: implicit on purpose
  Text(std::string cp850) : cp850_(std::move(cp850)) {}  // NOLINT: implicit on purpose
  const std::string& str() const { return cp850_; }

 private:
  std::string cp850_;
};

// Whether a canonical word (CP850) is the given one, or one of the given
// ones; the candidates are written as UTF-8, like every literal.
bool Is(std::string_view word, std::string_view utf8);
bool OneOf(std::string_view word, std::initializer_list<std::string_view> utf8_words);

// Whether a CP850 text holds a piece anywhere.
bool Contains(std::string_view text, const Text& piece);

// CP850 to UTF-8, as the console shows it: bytes 0x01-0x1F and 0x7F are the
// PC console's symbols (never raw control characters), 0x00 is a blank.
std::string Utf8FromCp850(std::string_view cp850);

// The Unicode character a CP850 byte shows as on the console.
char32_t UnicodeOfCp850(unsigned char byte);

// The CP850 byte of a Unicode character, or -1 if it has none. Only the
// printable range is mapped: control characters give -1.
int Cp850OfUnicode(char32_t code_point);

// Decodes one UTF-8 character from the front of `text`, advancing it.
// Returns U+FFFD and skips one byte on a malformed sequence.
char32_t DecodeUtf8(std::string_view& text);

// Appends the UTF-8 form of a character.
void AppendUtf8(std::string& out, char32_t code_point);

// CP850 to Windows-1252 and back, for the place name in save files. A
// character the other code page lacks becomes "?".
std::string Windows1252FromCp850(std::string_view cp850);
std::string Cp850FromWindows1252(std::string_view windows1252);
