#include "framework/SjisText.h"

bool IsSjisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string CutAtCharBoundary(std::string_view text, std::size_t nMaxBytes)
{
    std::size_t nEnd = 0;
    while (nEnd < text.size())
    {
        // A lead byte at the very end has no trail byte: it still counts as one character.
        const std::size_t nChar =
            IsSjisLeadByte(static_cast<unsigned char>(text[nEnd])) && nEnd + 1 < text.size() ? 2 : 1;
        if (nEnd + nChar > nMaxBytes)
            break;
        nEnd += nChar;
    }
    return std::string(text.substr(0, nEnd));
}
