#include "framework/ColourText.h"

#include <cstdio>

namespace {

std::int32_t NibbleValue(char ch)
{
    unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z')
        c = static_cast<unsigned char>(c - 'a' + 'A');
    if (c >= '0' && c <= '9')
        return c - 48;
    return static_cast<std::int32_t>(c) - 55;
}

} // namespace

std::uint32_t ParseColourText(std::string_view text)
{
    std::uint32_t result = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::size_t at = 2 * k;
        if (at >= text.size())
            break;
        // Shifts of negative values are done unsigned: two's complement, as the file format expects.
        const auto high = static_cast<std::uint32_t>(NibbleValue(text[at]));
        result |= high << (8 * k + 4);
        if (at + 1 >= text.size())
            break;
        const auto low = static_cast<std::uint32_t>(NibbleValue(text[at + 1]));
        result |= low << (8 * k);
    }
    return result;
}

std::string FormatColourText(std::uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text;
}
