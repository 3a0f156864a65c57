#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/terminal_frontend.h"

#define NCURSES_NOMACROS
#include <curses.h>

namespace {

int Function(int curses_code, const TerminalKeyMap& keys = {}) { return DecodeCursesKey(true, curses_code, keys); }
int Char(int character, const TerminalKeyMap& keys = {}) { return DecodeCursesKey(false, character, keys); }

TEST(DecodeCursesKeyTest, ExtendedKeysGetThePcScanCodes) {
  EXPECT_EQ(Function(KEY_LEFT), 1075);
  EXPECT_EQ(Function(KEY_RIGHT), 1077);
  EXPECT_EQ(Function(KEY_UP), 1072);
  EXPECT_EQ(Function(KEY_DOWN), 1080);
  EXPECT_EQ(Function(KEY_HOME), 1071);
  EXPECT_EQ(Function(KEY_END), 1079);
  EXPECT_EQ(Function(KEY_DC), 1083);
  EXPECT_EQ(Function(KEY_F(1)), 1059);
  EXPECT_EQ(Function(KEY_F(2)), 1060);
  EXPECT_EQ(Function(KEY_F(10)), 1068);
  EXPECT_EQ(Function(KEY_F(11)), 1133);
  EXPECT_EQ(Function(KEY_F(12)), 1134);
  EXPECT_EQ(Function(KEY_BACKSPACE), 8);
  EXPECT_EQ(Function(KEY_ENTER), 13);
}

TEST(DecodeCursesKeyTest, KeysTheGameDoesNotKnowAreDropped) {
  EXPECT_EQ(Function(KEY_F(13)), kNoKey);
  EXPECT_EQ(Function(KEY_PPAGE), kNoKey);
  EXPECT_EQ(Function(KEY_IC), kNoKey);
  EXPECT_EQ(Char(1), kNoKey);    // Ctrl+A
  EXPECT_EQ(Char(26), kNoKey);   // Ctrl+Z
  EXPECT_EQ(Char(0x20AC), kNoKey);  // the euro sign has no CP850 form
  EXPECT_EQ(Char(0x4E2D), kNoKey);
}

TEST(DecodeCursesKeyTest, EventsThatAreNotKeys) {
  EXPECT_EQ(Function(KEY_MOUSE), kMouseKey);
  EXPECT_EQ(Function(KEY_RESIZE), kResizeKey);
  EXPECT_EQ(Char(3), kInterruptKey);
}

TEST(DecodeCursesKeyTest, CharactersBecomeCp850Bytes) {
  EXPECT_EQ(Char('a'), 'a');
  EXPECT_EQ(Char(' '), 32);
  EXPECT_EQ(Char('+'), 43);
  EXPECT_EQ(Char('~'), 126);
  EXPECT_EQ(Char(U'ä'), 0x84);
  EXPECT_EQ(Char(U'Ö'), 0x99);
  EXPECT_EQ(Char(U'ü'), 0x81);
  EXPECT_EQ(Char(U'ß'), 0xE1);
}

TEST(DecodeCursesKeyTest, ControlKeys) {
  EXPECT_EQ(Char(9), 9);
  EXPECT_EQ(Char(13), 13);
  EXPECT_EQ(Char(10), 13);
  EXPECT_EQ(Char(27), 27);
  EXPECT_EQ(Char(23), 127);  // Ctrl+W deletes a word
}

TEST(DecodeCursesKeyTest, CtrlBackspaceIsTheByteThatIsNotTheTerminalsBackspace) {
  TerminalKeyMap del_terminal;  // Backspace sends ^? (arrives as KEY_BACKSPACE)
  EXPECT_EQ(Char(8, del_terminal), 127);
  EXPECT_EQ(Char(127, del_terminal), 8);

  TerminalKeyMap ctrl_h_terminal;
  ctrl_h_terminal.backspace_is_ctrl_h = true;
  EXPECT_EQ(Char(8, ctrl_h_terminal), 8);
  EXPECT_EQ(Char(127, ctrl_h_terminal), 127);
}

TEST(DecodeCursesKeyTest, ControlKeysLookedUpInTheTerminalDescription) {
  TerminalKeyMap keys;
  keys.ctrl_left = {550, KEY_MAX + 101};
  keys.ctrl_right = {565};
  keys.ctrl_delete = {524};
  keys.ctrl_backspace = {KEY_MAX + 104};
  EXPECT_EQ(Function(550, keys), 1115);
  EXPECT_EQ(Function(KEY_MAX + 101, keys), 1115);
  EXPECT_EQ(Function(565, keys), 1116);
  EXPECT_EQ(Function(524, keys), 1147);
  EXPECT_EQ(Function(KEY_MAX + 104, keys), 127);
  // Without the map the same codes mean nothing.
  EXPECT_EQ(Function(550), kNoKey);
  EXPECT_EQ(Function(KEY_MAX + 101), kNoKey);
}

TEST(TooSmallNoticeTest, WideEnoughForEachSentenceOnItsOwnLine) {
  EXPECT_EQ(TooSmallNotice(79), (std::vector<std::string>{
                                    "Das Fenster ist zu klein.",
                                    "Bitte vergrößere es auf mindestens 80 x 25 Zeichen.",
                                }));
}

TEST(TooSmallNoticeTest, WrapsAtWordsAndCountsCharactersNotBytes) {
  // "Bitte vergrößere" is 16 characters but 18 bytes.
  EXPECT_EQ(TooSmallNotice(17), (std::vector<std::string>{
                                    "Das Fenster ist",
                                    "zu klein.",
                                    "Bitte vergrößere",
                                    "es auf mindestens",
                                    "80 x 25 Zeichen.",
                                }));
}

TEST(TooSmallNoticeTest, CutsWordsWiderThanTheWindow) {
  const std::vector<std::string> lines = TooSmallNotice(4);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Das");
  EXPECT_EQ(lines[1], "Fens");
  EXPECT_EQ(lines[2], "ter");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "röße"), lines.end());  // 4 characters, 6 bytes
  std::string joined;
  for (const std::string& line : lines) {
    size_t characters = 0;
    for (const char c : line) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_LE(characters, 4u) << line;
    joined += line;
  }
  EXPECT_EQ(joined, "DasFensteristzuklein.Bittevergrößereesaufmindestens80 x25Zeichen.");
}

TEST(TooSmallNoticeTest, OneColumnStillGivesOneCharacterPerLine) {
  const std::vector<std::string> lines = TooSmallNotice(1);
  EXPECT_EQ(lines.front(), "D");
  EXPECT_EQ(TooSmallNotice(0), lines);
}

}  // namespace
