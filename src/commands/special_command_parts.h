// The families of special commands, each in its own file; the dispatch in
// special_commands.cpp picks one.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// quit_restart.cpp: the two questions with their j/n keys, and the repeat.
TurnEnd AskToQuit(GameSession& session, Console& console);
TurnEnd AskToRestart(GameSession& session, Console& console);
TurnEnd RepeatLastLine(GameSession& session);

// information.cpp: texts about the game and its parser.
TurnEnd ShowMouseHelp(GameSession& session, Console& console);
TurnEnd ShowCredits(GameSession& session, Console& console);
TurnEnd ShowVersion(GameSession& session, Console& console);
TurnEnd ShowPronouns(GameSession& session, Console& console);
TurnEnd ShowParserHelp(GameSession& session, Console& console);
TurnEnd ShowBackground(GameSession& session, Console& console);
TurnEnd ShowCommandList(GameSession& session, Console& console);
