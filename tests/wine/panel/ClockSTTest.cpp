// The LCD clock in a real window, read back through WM_PRINTCLIENT, at the face's size whatever it was made.
#include "panel/CClockST.h"
#include "res/resource.h"
#include "tests/wine/support/FakeClock.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr COLORREF kBack = RGB(179, 183, 139);
constexpr COLORREF kOn = RGB(0, 0, 0);
constexpr COLORREF kOff = RGB(158, 164, 108);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ClockST : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_clock.CreateEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOPREFIX, 0, 0, 10, 10, nullptr,
                                     nullptr));
    }
    void StartDefault() { m_clock.Start(IDB_LCD_FACE, IDB_LCD_LARGE, IDB_LCD_SMALL); }
    CWindowPicture Picture()
    {
        CWindowPicture picture(m_clock.m_hWnd, PictureSource::PrintClient);
        EXPECT_EQ(kLcdFaceWidth, picture.nWidth);
        EXPECT_EQ(kLcdFaceHeight, picture.nHeight);
        return picture;
    }

    CFakeClock m_time{LocalTime(2026, 12, 31, 23, 59, 58)};
    CClockST m_clock;
};

// {what, x, y, lit}: points inside segments of the cells at their face positions, (cell x, cell y) + offset.
const std::tuple<const char*, int, int, bool> kProbes[] = {
    {"hour tens 2, top bar", 5 + 12, 33 + 2, true},
    {"hour tens 2, upper left bar", 5 + 2, 33 + 8, false},
    {"hour units 3, lower left bar", 32 + 2, 33 + 25, false},
    {"hour units 3, middle bar", 32 + 12, 33 + 16, true},
    {"minute tens 5, upper right bar", 65 + 21, 33 + 8, false},
    {"minute units 9, lower left bar", 92 + 2, 33 + 25, false},
    {"minute units 9, bottom bar", 92 + 12, 33 + 31, true},
    {"second tens 5, lower right bar", 120 + 10, 50 + 12, true},
    {"second units 8, lower left bar", 134 + 1, 50 + 12, true},
    {"day tens 3, upper left bar", 105 + 1, 5 + 4, false},
    {"day units 1, top bar", 119 + 6, 5 + 1, false},
    {"day units 1, upper right bar", 119 + 10, 5 + 4, true},
    {"month tens 1, middle bar", 69 + 6, 5 + 8, false},
    {"month units 2, lower left bar", 83 + 1, 5 + 12, true},
    {"year thousands 2, lower right bar", 5 + 10, 5 + 12, false},
    {"year hundreds 0, middle bar", 19 + 6, 5 + 8, false},
    {"year units 6, lower left bar", 47 + 1, 5 + 12, true},
};

void ExpectPicture(const CWindowPicture& picture, COLORREF crBack, COLORREF crOn, COLORREF crOff)
{
    for (const auto& [pszWhat, x, y, bLit] : kProbes)
        EXPECT_EQ(bLit ? crOn : crOff, picture.At(x, y)) << pszWhat;
    EXPECT_EQ(crBack, picture.At(5 + 12, 33 + 10)) << "inside the hour tens";
    EXPECT_EQ(crBack, picture.At(140, 20)) << "the empty face";
    EXPECT_EQ(crOn, picture.At(63, 13)) << "dash";
    EXPECT_EQ(crOn, picture.At(60, 42)) << "colon";
    for (const auto& [x, y] : {std::pair{0, 0}, {150, 71}, {75, 71}})
        EXPECT_EQ(kWhite, picture.At(x, y)) << "frame at " << x << ", " << y;
}

} // namespace

TEST_F(ClockST, ShowsTheCurrentSecondAndNewColoursOnlyAfterResetAndStart)
{
    StartDefault();
    const COLORREF crBack = RGB(0, 0, 128);
    const COLORREF crOn = RGB(255, 255, 0);
    const COLORREF crOff = RGB(0, 64, 64);
    m_clock.SetColours(crBack, crOn, crOff);
    ExpectPicture(Picture(), kBack, kOn, kOff);
    StartDefault();
    ExpectPicture(Picture(), kBack, kOn, kOff);
    m_clock.Reset();
    StartDefault();
    ExpectPicture(Picture(), crBack, crOn, crOff);

    m_time.m_stLocal = LocalTime(2027, 1, 1, 0, 0, 0);
    const CWindowPicture picture = Picture();
    EXPECT_EQ(crOn, picture.At(5 + 2, 33 + 8)) << "hour tens 0 has its upper left bar";
    EXPECT_EQ(crOff, picture.At(5 + 12, 33 + 16)) << "hour tens 0 has no middle bar";
    EXPECT_EQ(crOff, picture.At(119 + 1, 5 + 4)) << "day units 1";
    m_clock.Reset();
    m_clock.Start(999, 998, 997);
    EXPECT_EQ(crBack, Picture().At(5 + 12, 33 + 2)) << "missing bitmaps leave a plain face";
}
