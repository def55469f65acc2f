#include "tests/wine/support/WindowPicture.h"

#include "framework/Gdi.h"
#include "framework/ModulePath.h"
#include "tests/wine/support/Dib32.h"
#include "tests/wine/support/PngWriter.h"

#include <algorithm>

CWindowPicture::CWindowPicture(HWND hWnd, PictureSource source)
{
    RECT rc{};
    source == PictureSource::ScreenNow ? ::GetWindowRect(hWnd, &rc) : ::GetClientRect(hWnd, &rc);
    nWidth = rc.right - rc.left;
    nHeight = rc.bottom - rc.top;
    void* pBits = nullptr;
    CBitmap bitmap(CreateDib32(nWidth, nHeight, &pBits));
    CMemoryDC dc(nullptr);
    CSelectObject keep(dc, bitmap);
    switch (source)
    {
    case PictureSource::PrintClient:
        ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
        break;
    case PictureSource::ClientNow: {
        CClientDC client(hWnd);
        ::BitBlt(dc, 0, 0, nWidth, nHeight, client, 0, 0, SRCCOPY);
        break;
    }
    case PictureSource::ScreenNow: {
        CClientDC screen(nullptr);
        ::BitBlt(dc, 0, 0, nWidth, nHeight, screen, rc.left, rc.top, SRCCOPY);
        break;
    }
    }
    ::GdiFlush();
    const auto* pSource = static_cast<const std::uint32_t*>(pBits);
    pixels.assign(pSource, pSource + static_cast<size_t>(nWidth) * nHeight);
    for (std::uint32_t& v : pixels)
        v &= 0xFFFFFF;
}

int CWindowPicture::Count(COLORREF cr, const RECT& rc) const
{
    int n = 0;
    for (int y = std::max<int>(rc.top, 0); y < std::min<int>(rc.bottom, nHeight); ++y)
        for (int x = std::max<int>(rc.left, 0); x < std::min<int>(rc.right, nWidth); ++x)
            n += At(x, y) == cr;
    return n;
}

void CWindowPicture::Save(const std::string& strName) const
{
    const std::string strDir = GetModuleDirectory() + "screenshots";
    ::CreateDirectoryA(strDir.c_str(), nullptr);
    WritePng(strDir + "\\" + strName, nWidth, nHeight, pixels);
}
