// The classifier: every word of a sentence is tested against the word
// classes in a fixed order and recorded in the parsed command.
#pragma once

#include <string>

#include "parser/parser_messages.h"
#include "world/game_session.h"

class Console;

// Reads the words of session.sentence_text into session.command: articles
// are counted and skipped, every other word goes through the synonyms, the
// dative pronouns and the classifier. Stops at the first word that rejects
// the sentence.
ParseStep ReadSentenceWords(GameSession& session, Console& console);

// Tests one canonical word at the given position (just past the word).
ParseStep ClassifyWord(GameSession& session, Console& console, std::string word, int pos);
