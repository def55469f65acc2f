// A calendar's picture read back through WM_PRINTCLIENT into a 32-bit bitmap, with the
// probes the picture tests share.
#pragma once

#include "calendar/CalendarGeometry.h"
#include "framework/Gdi.h"
#include "framework/ModulePath.h"
#include "tests/wine/support/Dib32.h"
#include "tests/wine/support/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

constexpr COLORREF kTodayFrame = RGB(132, 0, 0);

struct Picture
{
    // bFromScreen: what the window shows now, rather than a fresh WM_PRINTCLIENT picture.
    explicit Picture(HWND hWnd, bool bFromScreen = false)
    {
        RECT rc{};
        ::GetClientRect(hWnd, &rc);
        nWidth = rc.right;
        nHeight = rc.bottom;
        void* pBits = nullptr;
        CBitmap bitmap(CreateDib32(nWidth, nHeight, &pBits));
        CMemoryDC dc(nullptr);
        CSelectObject keep(dc, bitmap);
        if (bFromScreen)
        {
            CClientDC client(hWnd);
            ::BitBlt(dc, 0, 0, nWidth, nHeight, client, 0, 0, SRCCOPY);
        }
        else
            ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
        ::GdiFlush();
        const auto* pSource = static_cast<const std::uint32_t*>(pBits);
        pixels.assign(pSource, pSource + static_cast<size_t>(nWidth) * nHeight);
        for (std::uint32_t& v : pixels)
            v &= 0xFFFFFF;
    }
    COLORREF At(int x, int y) const
    {
        const std::uint32_t v = pixels[static_cast<size_t>(y) * nWidth + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int Count(COLORREF cr, const CalendarRect& rc) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += At(x, y) == cr;
        return n;
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
    void Save(const std::string& strName) const
    {
        const std::string strDir = GetModuleDirectory() + "screenshots";
        ::CreateDirectoryA(strDir.c_str(), nullptr);
        WritePng(strDir + "\\" + strName, nWidth, nHeight, pixels);
    }

    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, rows from the top
};
