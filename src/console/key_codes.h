// Key codes as the PC console reports them: the character code of a normal
// key, or 1000 plus the scan code of an extended key. The front ends deliver
// these; the line editor acts on them.
#pragma once

namespace key {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kPlus = 43;
constexpr int kMinus = 45;
constexpr int kCtrlBackspace = 127;
constexpr int kF1 = 1059;
constexpr int kF10 = 1068;
constexpr int kHome = 1071;
constexpr int kUp = 1072;
constexpr int kLeft = 1075;
constexpr int kRight = 1077;
constexpr int kEnd = 1079;
constexpr int kDown = 1080;
constexpr int kDelete = 1083;
constexpr int kF11 = 1087;
constexpr int kF12 = 1088;
constexpr int kCtrlLeft = 1115;
constexpr int kCtrlRight = 1116;
constexpr int kF11Extended = 1133;
constexpr int kF12Extended = 1134;
constexpr int kCtrlDelete = 1147;

}  // namespace key
