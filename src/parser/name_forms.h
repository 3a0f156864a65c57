// The article and name forms of the objects of a command, from which the
// answers are composed ("den " + "Korb "), and the articles by gender.
#pragma once

#include <string>
#include <string_view>

#include "world/game_session.h"

// The player's own word: the noun every "mich", "mir", "dir" becomes.
bool IsPlayer(std::string_view noun);

// Feminine nouns that are used as names and so take no article ("Oma").
bool IsPersonalName(std::string_view noun);

// Articles by gender and plural flag, without a trailing blank.
std::string NominativeArticle(int gender, int plural);  // "der", "die", "das"; plural "die"
std::string AccusativeArticle(int gender, int plural);  // "den", "die", "das"; plural "die"
std::string DativeArticle(int gender, int plural);      // "dem", "der", "dem"; plural "den"

// Fills object1_phrase, object2_phrase and the article fields from the
// command's objects.
void FillNameForms(GameSession& session);
