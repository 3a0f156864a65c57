// The checks after the last word of a sentence: verb frames, pronominal
// adverbs, default objects, questions back, "mit", direction sentences and
// comment words; then the sentence is handed to the stage that runs it.
#pragma once

#include "world/game_session.h"
#include "world/turn.h"

class Console;

// Runs the checks on session.command in their order and hands a sentence
// that passes to movement, the special commands, the comment replies or the
// second-stage checks.
TurnEnd RunSentenceChecks(GameSession& session, Console& console);

// The fixed reply to a sentence with a comment word.
TurnEnd ReplyToComment(GameSession& session);
