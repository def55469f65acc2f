// The fourteen digits the LCD clock shows, and where each goes on its face.
#pragma once

#include <array>

struct LcdDigits
{
    std::array<int, 6> time{}; // hour tens, hour units, minute tens, minute units, second tens, units
    std::array<int, 8> date{}; // day tens, day units, month tens, month units, four year digits
    bool operator==(const LcdDigits&) const = default;
};

LcdDigits DigitsOf(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond);

struct LcdCell
{
    int x;
    int y;
    bool bLarge;
};

// Cells in drawing order: the six time digits, then the eight date digits in LcdDigits order.
const std::array<LcdCell, 14>& LcdCellLayout();

constexpr int kLcdFaceWidth = 151;
constexpr int kLcdFaceHeight = 72;
constexpr int kLcdSmallCellWidth = 12;
constexpr int kLcdSmallCellHeight = 17;
constexpr int kLcdLargeCellWidth = 24;
constexpr int kLcdLargeCellHeight = 34;
