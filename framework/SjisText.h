// Shift-JIS (code page 932) byte texts: where a character starts and ends.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Lead bytes of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
bool IsSjisLeadByte(unsigned char byte);

// The longest prefix of at most nMaxBytes bytes that does not split a double-byte character.
std::string CutAtCharBoundary(std::string_view text, std::size_t nMaxBytes);
