// Small helpers for CP850 text: case folding (player input is matched after
// folding to lower case) and trimming.
#pragma once

#include <string>
#include <string_view>

// A-Z and the capitals Ä Ö Ü É Ñ Å Ç become their small forms; every other
// byte stays as it is.
std::string LowerCase(std::string_view cp850);

// The capital of a small letter (a-z and ä ö ü é ñ å ç); any other byte as it is.
char UpperCase(char cp850);

// The text without blanks at either end.
std::string TrimBlanks(std::string_view text);
