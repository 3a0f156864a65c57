// What the verb handlers share: the name forms of the command's objects,
// the infinitive of its verb, and handing a command over to another verb.
#pragma once

#include <string>
#include <string_view>

#include "console/text_output.h"
#include "parser/name_forms.h"
#include "parser/shared_answers.h"
#include "story/score.h"
#include "story/story_text.h"
#include "story/verbs/chain.h"
#include "world/encoding.h"
#include "world/objects.h"

// Object 1 as the answers name it, with the trailing blank of the pieces
// they are composed of: "den Korb ", "Spieler " for the player.
std::string ObjectPhrase(const GameSession& session);
// The same without the trailing blank: "den Korb".
std::string ObjectName(const GameSession& session);

// An object in the dative, without a trailing blank: "dem Wolf", "der Oma"
// (whose name takes no article: "Oma"), "den Schafen", "dir" for the player.
std::string DativeName(const GameSession& session, int object);

// The characters by their words: one sheep, or the herd; Grandma.
bool IsSheep(std::string_view noun);  // "schaf", "schafe", "schafherde"
bool IsOma(std::string_view noun);

// The command acts on other objects now, as if they had been named: the
// beaver and the coin when paying, the jar when the lid is meant. Their name
// forms are filled anew.
void SetObjects(GameSession& session, const char* object1, int gender1, const char* object2 = nullptr,
                int gender2 = kNoGender);
// Object 1 steps back to be object 2 and `noun` comes first: the listener
// chosen for a topic, the player sitting on a seat.
void PutInFront(GameSession& session, std::string_view noun, int gender);

// The verb's infinitive as the answers use it: "schiebe" gives "schieben";
// "schließe" with "auf", "ab" or "zu" gives "aufschließen" and so on.
std::string Infinitive(const ParsedCommand& command);

// The wolf pockets the ball, as the paragraph `how` tells; the first time earns points.
TurnEnd WolfGrabsTheBall(GameSession& session, Console& console, const char* how);

// The command becomes the given verb's, and the chain goes on at that verb's
// handler; only the receiving handlers answer.
TurnEnd HandOver(GameSession& session, Console& console, const char* verb, VerbHandler handler);
