// Answers that the second-stage checks and many verb handlers share. Each
// stores its text in the message line; the end of the turn prints it.
#pragma once

#include <string_view>

#include "world/game_session.h"
#include "world/turn.h"

// "Es hilft dir nicht weiter, den Korb zu schieben."
TurnEnd SayNotHelpful(GameSession& session);

// "Das ist mit dem Wind nicht möglich.", or without a thing "Das ist nicht
// möglich."; the rest of the typed line is dropped.
TurnEnd SayNotPossibleWith(GameSession& session, std::string_view thing);

// "Du kannst den Korb nicht mit dem Schlüssel öffnen."
TurnEnd SayCannotWith(GameSession& session);
