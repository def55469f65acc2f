// What the notice's scroller does at each timer step and with each page: the text moves up a
// pixel a step, rests where it can be read, and leaves at the top for the next page. Free of
// the window system so the arithmetic is tested on the host.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int kDefaultScrollDelayMs = 80;

struct ScrollMove
{
    int nOffset = 0;           // the text's top relative to the control's top
    bool bScrolledOut = false; // its last line has just left at the top
};

// One pixel up from nOffset. A text that has left entirely starts again at the top when it
// wraps, else it comes back in from below the control (nHeight).
ScrollMove ScrollUpOnePixel(int nOffset, int nTextHeight, int nHeight, bool bWrap);

// Whether the text rests at nOffset: its top at the control's top, or a text taller than the
// control with its last line at the bottom. A rest no longer than one step is none.
bool RestsAt(int nOffset, int nTextHeight, int nHeight, int nPauseMs, int nScrollDelayMs);

// The top of the copy to draw below one drawn at nTop, or none: without wrap, once past the
// bottom, or after an empty block, which would never move on.
std::optional<int> NextCopyTop(int nTop, int nBlockHeight, int nHeight, bool bWrap);

// A negative delay is none a timer can have: the default instead.
int CorrectScrollDelay(int nDelayMs);

// The pages of a notice text (Shift-JIS): the pieces between "|", empty ones dropped.
std::vector<std::string> SplitPages(std::string_view text);

// The page to show once the current one has scrolled out, or none when there is only one;
// nNextPage moves on past the page returned.
std::optional<std::size_t> TurnPage(std::size_t& nNextPage, std::size_t nPageCount);
