// What the verb handlers share: the name forms of the command's objects,
// the infinitive of its verb, and handing a command over to another verb.
#pragma once

#include <string>

#include "console/text_output.h"
#include "parser/name_forms.h"
#include "parser/shared_answers.h"
#include "story/score.h"
#include "story/story_text.h"
#include "story/verbs/chain.h"
#include "world/encoding.h"

// Object 1 as the answers name it, with the trailing blank of the pieces
// they are composed of: "den Korb ", "Spieler " for the player.
std::string ObjectPhrase(const GameSession& session);
// The same without the trailing blank: "den Korb".
std::string ObjectName(const GameSession& session);

// The verb's infinitive as the answers use it: "schiebe" gives "schieben";
// "schließe" with "auf", "ab" or "zu" gives "aufschließen" and so on.
std::string Infinitive(const ParsedCommand& command);

// The command becomes the given verb's, and the chain goes on at that verb's
// handler; only the receiving handlers answer.
TurnEnd HandOver(GameSession& session, Console& console, const char* verb, VerbHandler handler);
