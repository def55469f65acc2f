// Colour values as the INI files hold them: six hex digits, red pair first.
// A colour value is 32-bit with red in the low byte, then green, then blue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Pairs of characters form bytes 0, 1, 2 (red, green, blue). There is no validation, on
// purpose: files written by earlier versions rely on the exact spill of odd characters
// (a letter after F spills into the next nibble, a character below '7' sets high bits).
std::uint32_t ParseColourText(std::string_view text);

// "%02X%02X%02X" of the red, green and blue bytes.
std::string FormatColourText(std::uint32_t colour);
