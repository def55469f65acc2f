#include "tests/wine/support/WindowPicture.h"

#include "framework/Gdi.h"
#include "framework/ModulePath.h"

#include <algorithm>

#include <gdiplus.h>

namespace {

// GDI+'s own PNG encoder, loaded only when a picture is saved.
template <typename Function> Function FromGdiplus(HMODULE hGdiplus, const char* pszName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(hGdiplus, pszName)));
}

bool WritePng(const std::string& strPath, int nWidth, int nHeight, std::vector<std::uint32_t> pixels)
{
    using namespace Gdiplus::DllExports;
    const HMODULE hGdiplus = ::LoadLibraryA("gdiplus.dll");
    if (hGdiplus == nullptr)
        return false;
    constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    const std::wstring strWidePath(strPath.begin(), strPath.end());
    const Gdiplus::GdiplusStartupInput input;
    ULONG_PTR nToken = 0;
    Gdiplus::GpBitmap* pBitmap = nullptr;
    bool bSaved = false;
    if (FromGdiplus<decltype(&Gdiplus::GdiplusStartup)>(hGdiplus, "GdiplusStartup")(&nToken, &input, nullptr) == 0)
    {
        bSaved = FromGdiplus<decltype(&GdipCreateBitmapFromScan0)>(hGdiplus, "GdipCreateBitmapFromScan0")(
                     nWidth, nHeight, nWidth * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(pixels.data()),
                     &pBitmap) == 0 &&
                 FromGdiplus<decltype(&GdipSaveImageToFile)>(hGdiplus, "GdipSaveImageToFile")(
                     pBitmap, strWidePath.c_str(), &kPngEncoder, nullptr) == 0;
        FromGdiplus<decltype(&GdipDisposeImage)>(hGdiplus, "GdipDisposeImage")(pBitmap);
        FromGdiplus<decltype(&Gdiplus::GdiplusShutdown)>(hGdiplus, "GdiplusShutdown")(nToken);
    }
    ::FreeLibrary(hGdiplus);
    return bSaved;
}

} // namespace

CWindowPicture::CWindowPicture(HWND hWnd, PictureSource source)
{
    RECT rc{};
    source == PictureSource::ScreenNow ? ::GetWindowRect(hWnd, &rc) : ::GetClientRect(hWnd, &rc);
    Take(hWnd, source, rc);
}

CWindowPicture::CWindowPicture(const RECT& rcScreen) { Take(nullptr, PictureSource::ScreenNow, rcScreen); }

void CWindowPicture::Take(HWND hWnd, PictureSource source, const RECT& rc)
{
    nWidth = rc.right - rc.left;
    nHeight = rc.bottom - rc.top;
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof bmi.bmiHeader, nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    CBitmap bitmap(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    pixels.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    if (pBits == nullptr)
        return;
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
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = pSource[i] & 0xFFFFFF;
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

std::vector<std::uint32_t> Screenshot(const RECT& rc, const std::string& strName)
{
    const CWindowPicture picture(rc);
    picture.Save(strName);
    return picture.pixels;
}
