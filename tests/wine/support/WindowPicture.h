// A window's picture as 0x00RRGGBB pixels, rows from the top: drawn afresh through
// WM_PRINTCLIENT (as an animation asks for it), or as the window or the screen shows it now.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

enum class PictureSource
{
    PrintClient, // the client area, painted into the picture
    ClientNow,   // the client area as the window holds it
    ScreenNow,   // the whole window's rectangle as the screen shows it
};

class CWindowPicture
{
public:
    CWindowPicture(HWND hWnd, PictureSource source);
    explicit CWindowPicture(const RECT& rcScreen);

    COLORREF At(int x, int y) const
    {
        const std::uint32_t v = pixels[static_cast<size_t>(y) * nWidth + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of the colour in the rectangle (right and bottom excluded), cut to the picture.
    int Count(COLORREF cr, const RECT& rc) const;
    // In the screenshots folder beside the tests, so a reader can look at what a test saw.
    void Save(const std::string& strName) const;

    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> pixels;

private:
    void Take(HWND hWnd, PictureSource source, const RECT& rc);
};

std::vector<std::uint32_t> Screenshot(const RECT& rc, const std::string& strName);
