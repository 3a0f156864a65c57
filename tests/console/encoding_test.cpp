#include "world/encoding.h"

#include <gtest/gtest.h>

TEST(Encoding, UmlautsAndBoxCharactersHaveTheirConsoleBytes) {
  EXPECT_EQ(Cp850("äöüÄÖÜß┌─┐│└┘"), "\x84\x94\x81\x8E\x99\x9A\xE1\xDA\xC4\xBF\xB3\xC0\xD9");
  EXPECT_EQ(Utf8FromCp850("\x84\x94\x81\x8E\x99\x9A\xE1\xDA\xC4\xBF"), "äöüÄÖÜß┌─┐");
  EXPECT_EQ(Utf8FromCp850(std::string("\x00\x01\x7F", 3)), " ☺⌂");  // control bytes show as console symbols
}

TEST(Encoding, WhatHasNoCp850FormAndMalformedUtf8AreDropped) {
  EXPECT_EQ(Cp850("a€b😀c"), "abc");
  EXPECT_EQ(Cp850("a\tb\x01"), "ab");
  EXPECT_EQ(Cp850("a\xC3"), "a");  // without reading past the end
  EXPECT_EQ(Cp850("\xFF\xFEx"), "x");
  EXPECT_EQ(Cp850("\xE2\x94"), "");
  EXPECT_EQ(Cp850("\xC3\x28"), "(");
}
