#include "world/encoding.h"

#include <gtest/gtest.h>

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
