// The second-stage checks of a sentence: after the classifier has filled the
// parsed command and the sentence is neither a direction, a special command
// nor a comment, these checks decide whether the command can be carried out,
// complete what is missing, prepare the name forms and count the move.
#pragma once

#include "parser/route.h"
#include "world/game_session.h"

class Console;

// Runs the checks for session.command. A command that passes goes to the
// verbs, with its name forms filled and its move counted; so does one that
// needs no object (sitting down, listening, taking or putting down
// everything), before its move is counted.
Route RunSecondStage(GameSession& session, Console& console);

// The checks alone: nothing when the command passed, otherwise where the
// turn goes (a rejection or a question in the message line, the verbs for a
// command without object, the sentence read again with the verb carried over).
ParseStep CheckCommand(GameSession& session, Console& console);
