// The mouse at the command line: the right button cycles through common
// verbs or enters the line, a left click on the status bar enters the
// command of the clicked area, a left click on a word in the text appends
// the word, and one on an empty place takes back a character.
#pragma once

#include "console/frontend.h"
#include "console/line_editor.h"

class Console;
struct GameSession;

void HandleMousePress(GameSession& session, const Console& console, LineEditState& state, const InputEvent& press);
