// What the screen shows in a rectangle, saved as a PNG in the screenshots folder beside the
// tests, so a reader can look at what a test saw.
#pragma once

#include "tests/wine/support/Dib32.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The pixels as 0xRRGGBB, row by row from the top.
std::vector<std::uint32_t> Screenshot(const RECT& rc, const std::string& strName);
