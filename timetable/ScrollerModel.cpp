#include "timetable/ScrollerModel.h"

#include "framework/SjisText.h"

namespace {

// The first "|" that is a character of its own: in Shift-JIS it is also the trail byte of
// some double-byte characters ("\x83\x7c" is a katakana po).
std::size_t FindPageBar(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '|')
            return i;
        if (IsSjisLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
    }
    return std::string_view::npos;
}

} // namespace

ScrollMove ScrollUpOnePixel(int nOffset, int nTextHeight, int nHeight, bool bWrap)
{
    ScrollMove move{nOffset - 1, false};
    if (move.nOffset + nTextHeight < 0)
    {
        move.nOffset = bWrap ? 0 : nHeight;
        move.bScrolledOut = true;
    }
    return move;
}

bool RestsAt(int nOffset, int nTextHeight, int nHeight, int nPauseMs, int nScrollDelayMs)
{
    if (nPauseMs <= nScrollDelayMs)
        return false;
    // A text shorter than the control also passes "last line at the bottom" on its way in
    // from below; only a tall one stops there.
    return nOffset == 0 || (nHeight < nTextHeight && nOffset + nTextHeight == nHeight);
}

std::optional<int> NextCopyTop(int nTop, int nBlockHeight, int nHeight, bool bWrap)
{
    const int nNext = nTop + nBlockHeight;
    if (!bWrap || nBlockHeight <= 0 || nNext >= nHeight)
        return std::nullopt;
    return nNext;
}

int CorrectScrollDelay(int nDelayMs)
{
    return nDelayMs < 0 ? kDefaultScrollDelayMs : nDelayMs;
}

std::vector<std::string> SplitPages(std::string_view text)
{
    std::vector<std::string> pages;
    while (!text.empty())
    {
        const std::size_t nBar = FindPageBar(text);
        const std::string_view piece = text.substr(0, nBar);
        if (!piece.empty())
            pages.emplace_back(piece);
        if (nBar == std::string_view::npos)
            break;
        text.remove_prefix(nBar + 1);
    }
    return pages;
}

std::optional<std::size_t> TurnPage(std::size_t& nNextPage, std::size_t nPageCount)
{
    if (nPageCount < 2)
        return std::nullopt;
    if (nNextPage >= nPageCount)
        nNextPage = 0;
    return nNextPage++;
}
