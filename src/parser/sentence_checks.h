// The checks after the last word of a sentence: verb frames, pronominal
// adverbs, default objects, questions back, "mit", direction sentences and
// comment words; then the sentence is handed to the stage that runs it.
#pragma once

#include "parser/route.h"
#include "world/game_session.h"

class Console;

// Runs the checks on session.command in their order. A sentence that passes
// goes to movement or the special commands, gets its comment reply, or goes
// through the second-stage checks on to the verbs.
Route RunSentenceChecks(GameSession& session, Console& console);

// The fixed reply to a sentence with a comment word.
Route ReplyToComment(GameSession& session);
