#include "tests/wine/support/WindowPicture.h"

#include "framework/Gdi.h"
#include "framework/ModulePath.h"

#include <algorithm>
#include <memory>

#include <gdiplus.h>

namespace {

// A GDI+ function: the library is loaded only when a picture is saved.
template <typename Function> Function Gdip(HMODULE hDll, const char* pszName)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(hDll, pszName)));
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
    BITMAPINFO bmi{{sizeof(BITMAPINFOHEADER), nWidth, -nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* pBits = nullptr;
    CBitmap bitmap(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    pixels.assign(static_cast<size_t>(nWidth) * nHeight, 0);
    if (pBits == nullptr)
        return;
    CMemoryDC dc(nullptr);
    CSelectObject keep(dc, bitmap);
    if (source == PictureSource::PrintClient)
        ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
    else // the client area as the window holds it, or the screen
        ::BitBlt(dc, 0, 0, nWidth, nHeight, CClientDC(source == PictureSource::ClientNow ? hWnd : nullptr),
                 rc.left, rc.top, SRCCOPY);
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
    using namespace Gdiplus::DllExports;
    const std::string strPath = GetModuleDirectory() + "screenshots";
    ::CreateDirectoryA(strPath.c_str(), nullptr);
    const std::wstring strWidePath(strPath.begin(), strPath.end());
    const std::unique_ptr<HINSTANCE__, decltype(&::FreeLibrary)> dll(::LoadLibraryA("gdiplus.dll"), &::FreeLibrary);
    const HMODULE hDll = dll.get();
    const Gdiplus::GdiplusStartupInput input;
    ULONG_PTR nToken = 0;
    if (hDll == nullptr || Gdip<decltype(&Gdiplus::GdiplusStartup)>(hDll, "GdiplusStartup")(&nToken, &input, nullptr))
        return;
    constexpr CLSID kPng = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    std::vector<std::uint32_t> bits = pixels;
    Gdiplus::GpBitmap* pBitmap = nullptr;
    if (Gdip<decltype(&GdipCreateBitmapFromScan0)>(hDll, "GdipCreateBitmapFromScan0")(
            nWidth, nHeight, nWidth * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(bits.data()), &pBitmap) == 0)
        Gdip<decltype(&GdipSaveImageToFile)>(hDll, "GdipSaveImageToFile")(
            pBitmap, (strWidePath + L"\\" + std::wstring(strName.begin(), strName.end())).c_str(), &kPng, nullptr);
    Gdip<decltype(&GdipDisposeImage)>(hDll, "GdipDisposeImage")(pBitmap);
    Gdip<decltype(&Gdiplus::GdiplusShutdown)>(hDll, "GdiplusShutdown")(nToken);
}

std::vector<std::uint32_t> Screenshot(const RECT& rc, const std::string& strName)
{
    const CWindowPicture picture(rc);
    picture.Save(strName);
    return picture.pixels;
}
