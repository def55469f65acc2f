// Number texts for the time table files and lists.
#pragma once

#include <string>

// Decimal text of a number ("%d").
std::string FormatDecimal(int value);

// At least two digits, zero-padded ("%02d"): 5 gives "05", 2004 gives "2004".
std::string FormatTwoDigits(int value);
