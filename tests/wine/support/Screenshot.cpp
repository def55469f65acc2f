#include "tests/wine/support/Screenshot.h"

#include "framework/Gdi.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/support/PngWriter.h"

std::vector<std::uint32_t> Screenshot(const RECT& rc, const std::string& strName)
{
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    void* pBits = nullptr;
    CBitmap bitmap(CreateDib32(nWidth, nHeight, &pBits));
    std::vector<std::uint32_t> pixels(static_cast<size_t>(nWidth) * nHeight);
    if (pBits == nullptr)
        return pixels;
    {
        HDC hdcScreen = ::GetDC(nullptr);
        CMemoryDC dc(hdcScreen);
        CSelectObject keep(dc, bitmap);
        ::BitBlt(dc, 0, 0, nWidth, nHeight, hdcScreen, rc.left, rc.top, SRCCOPY);
        ::ReleaseDC(nullptr, hdcScreen);
        ::GdiFlush();
        const auto* pSource = static_cast<const std::uint32_t*>(pBits);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = pSource[i] & 0xFFFFFF;
    }
    const std::string strDir = ExeBesideMe("screenshots");
    ::CreateDirectoryA(strDir.c_str(), nullptr);
    WritePng(strDir + "\\" + strName, nWidth, nHeight, pixels);
    return pixels;
}
