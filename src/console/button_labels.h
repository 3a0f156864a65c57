// The command words that the digit keys, the function keys and the mouse put
// into the command line.
#pragma once

struct GameSession;

// Direction words for the digits 0-9 (laid out like a numeric keypad) and
// command words for F1-F12; F11 starts as "Untersuche ", F12 empty.
void FillButtonLabels(GameSession& session);
