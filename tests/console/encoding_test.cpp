#include "console/encoding.h"

#include <gtest/gtest.h>

TEST(Encoding, UmlautsAndSharpSRoundTripThroughCp850) {
  const std::string cp = Cp850("äöüÄÖÜß");
  EXPECT_EQ(cp, "\x84\x94\x81\x8E\x99\x9A\xE1");
  EXPECT_EQ(Utf8FromCp850(cp), "äöüÄÖÜß");
}

TEST(Encoding, BoxDrawingCharactersHaveTheirConsoleBytes) {
  EXPECT_EQ(Cp850("┌─┐│└┘"), "\xDA\xC4\xBF\xB3\xC0\xD9");
  EXPECT_EQ(Utf8FromCp850("\xDA\xC4\xBF"), "┌─┐");
}

TEST(Encoding, CharactersWithoutACp850FormAreDropped) {
  EXPECT_EQ(Cp850("a€b😀c"), "abc");
  EXPECT_EQ(Cp850("a\tb\x01"), "ab");
}

TEST(Encoding, MalformedUtf8IsDroppedWithoutReadingPastTheEnd) {
  EXPECT_EQ(Cp850("a\xC3"), "a");
  EXPECT_EQ(Cp850("\xFF\xFEx"), "x");
  EXPECT_EQ(Cp850("\xE2\x94"), "");
  EXPECT_EQ(Cp850("\xC3\x28"), "(");
}

TEST(Encoding, ControlBytesShowAsConsoleSymbols) {
  EXPECT_EQ(Utf8FromCp850(std::string("\x00\x01\x7F", 3)), " ☺⌂");
}
