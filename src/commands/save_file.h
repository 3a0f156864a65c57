// The save file: seven lines ending in CR LF, 84 comma-separated values
// opened by the version marker 300, the place name in double quotes and in
// Windows-1252. Failures are thrown as GameError with the handler's codes.
#pragma once

#include <optional>
#include <string>

#include "world/game_session.h"

constexpr int kSaveVersion = 300;

// Writes the session's saved fields. The file is written beside the target
// under another name and renamed over it once complete, so an existing save
// is either replaced whole or left as it was.
void WriteSave(const std::string& path, const GameSession& session);

// Reads all 84 values into the session; false, changing nothing, when the
// file does not begin with the version marker. Nothing changes either unless
// the whole file reads: a value that is not a number, a missing quote,
// anything after the last value or a place the game does not know is code 5,
// a file that ends early code 62, a number beyond 16 bits the handler's last
// row.
bool ReadSave(const std::string& path, GameSession& session);

// The file's first value, if the file can be read and it is a number.
std::optional<int> ReadSaveMarker(const std::string& path);
