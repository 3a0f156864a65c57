// Cutting a line into sentences, the referents of the pronouns, the plural
// objects and the word "alles".
#pragma once

#include <string>

#include "parser/parser_messages.h"
#include "world/game_session.h"

class Console;

// Splits the next sentence off session.input_line (folded to lower case
// first) into session.sentence_text at the first "und"; the rest of the line,
// even an empty one, is queued in pending_sentences. A line from the program
// may still hold "." or "!": the mark then ends the sentence instead.
ParseStep SplitSentence(GameSession& session, bool from_program);

// At the top of a turn, before the command is cleared: the objects of the
// command just finished become the referents of the pronouns.
void UpdateReferents(GameSession& session);

// Sets the plural flags and the dative display names of the objects.
void MarkPlurals(ParsedCommand& command);

// "ihm", "ihr", "ihnen" in `word` become the noun they stand for.
ParseStep ResolveDativePronoun(GameSession& session, std::string& word);

// "sie", "ihn", "es" in `word` become the noun they stand for; a choice the
// player could not foresee is shown in a note.
ParseStep ResolveAccusativePronoun(GameSession& session, Console& console, std::string& word);

// The sentence checks of the word "alles".
ParseStep CheckAlles(GameSession& session);
