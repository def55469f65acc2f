// A calendar's picture, with the probes the calendar's picture tests share.
#pragma once

#include "calendar/CalendarGeometry.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

constexpr COLORREF kTodayFrame = RGB(132, 0, 0);

struct Picture : CWindowPicture
{
    // bFromScreen: what the window shows now, rather than a fresh WM_PRINTCLIENT picture.
    explicit Picture(HWND hWnd, bool bFromScreen = false)
        : CWindowPicture(hWnd, bFromScreen ? PictureSource::ClientNow : PictureSource::PrintClient)
    {
    }
    int Count(COLORREF cr, const CalendarRect& rc) const
    {
        return CWindowPicture::Count(cr, RECT{rc.left, rc.top, rc.right, rc.bottom});
    }
    // Today's frame: the top row and both sides whole. The bottom row is the next week's top
    // row, which its day numbers may draw over.
    void ExpectFramed(const CalendarRect& rc) const
    {
        const int nFrameWidth = rc.right - rc.left;
        const int nFrameHeight = rc.bottom - rc.top;
        EXPECT_EQ(nFrameWidth, Count(kTodayFrame, {rc.left, rc.top, rc.right, rc.top + 1}));
        EXPECT_EQ(nFrameHeight, Count(kTodayFrame, {rc.left, rc.top, rc.left + 1, rc.bottom}));
        EXPECT_EQ(nFrameHeight, Count(kTodayFrame, {rc.right - 1, rc.top, rc.right, rc.bottom}));
        EXPECT_GT(Count(kTodayFrame, {rc.left, rc.bottom - 1, rc.right, rc.bottom}), nFrameWidth / 2);
    }
};
