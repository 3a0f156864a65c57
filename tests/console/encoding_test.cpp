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
  // Overlong forms, surrogates and what lies beyond Unicode are no characters.
  EXPECT_EQ(Cp850("a\xC0\xAF\xE0\x80\xAF\xF0\x80\x80\xAF" "b"), "ab");
  EXPECT_EQ(Cp850("\xC1\xBF\xED\xA0\x80\xF4\x90\x80\x80" "c"), "c");
  EXPECT_EQ(Cp850("\xC3\xA4\xE2\x94\x80"), "\x84\xC4");  // the shortest forms still count
}
