// Reading the signs, the newspaper and the voucher; tearing things.
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"

TurnStep Tear(GameSession&, Console&) { return std::nullopt; }

TurnStep Read(GameSession&, Console&) { return std::nullopt; }
