#include "panel/LcdDigits.h"

#include <cstdio>

LcdDigits DigitsOf(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond)
{
    // The texts the face shows: "dd-mm-yyyy" and "hh:mm:ss"; a field that overflows its
    // width is cut by snprintf rather than spilling into the next one.
    char szDate[16];
    char szTime[16];
    std::snprintf(szDate, sizeof szDate, "%02d-%02d-%04d", nDay % 100, nMonth % 100, nYear % 10000);
    std::snprintf(szTime, sizeof szTime, "%02d:%02d:%02d", nHour % 100, nMinute % 100, nSecond % 100);
    LcdDigits digits;
    const int datePositions[] = {0, 1, 3, 4, 6, 7, 8, 9};
    const int timePositions[] = {0, 1, 3, 4, 6, 7};
    for (int i = 0; i < 8; ++i)
        digits.date[i] = szDate[datePositions[i]] - '0';
    for (int i = 0; i < 6; ++i)
        digits.time[i] = szTime[timePositions[i]] - '0';
    return digits;
}

const std::array<LcdCell, 14>& LcdCellLayout()
{
    static constexpr std::array<LcdCell, 14> kCells = {{
        {5, 33, true}, {32, 33, true}, {65, 33, true}, {92, 33, true}, // hours, minutes
        {120, 50, false}, {134, 50, false},                            // seconds
        {105, 5, false}, {119, 5, false},                              // day
        {69, 5, false}, {83, 5, false},                                // month
        {5, 5, false}, {19, 5, false}, {33, 5, false}, {47, 5, false}, // year
    }};
    return kCells;
}
