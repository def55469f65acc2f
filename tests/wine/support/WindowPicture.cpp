#include "tests/wine/support/WindowPicture.h"

#include "framework/Gdi.h"
#include "framework/ModulePath.h"

#include <algorithm>
#include <fstream>

namespace {

std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes)
    {
        crc ^= c;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* pszType, const std::string& data)
{
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = std::string(pszType) + data;
    out += typed;
    PutBig32(out, Crc32(typed));
}

// Uncompressed deflate: big, but any viewer reads it.
bool WritePng(const std::string& strPath, int nWidth, int nHeight, const std::vector<std::uint32_t>& pixels)
{
    std::string raw;
    for (int y = 0; y < nHeight; ++y)
    {
        raw += '\0'; // no filter
        for (int x = 0; x < nWidth; ++x)
        {
            const std::uint32_t v = pixels[static_cast<size_t>(y) * nWidth + x];
            raw += static_cast<char>((v >> 16) & 0xFF);
            raw += static_cast<char>((v >> 8) & 0xFF);
            raw += static_cast<char>(v & 0xFF);
        }
    }
    // zlib stream of stored blocks, at most 65535 bytes each.
    std::string z = "\x78\x01";
    for (size_t pos = 0; pos < raw.size() || pos == 0; pos += 65535)
    {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool bLast = pos + n >= raw.size();
        z += static_cast<char>(bLast ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        if (bLast)
            break;
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBig32(header, static_cast<std::uint32_t>(nWidth));
    PutBig32(header, static_cast<std::uint32_t>(nHeight));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8-bit RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", z);
    PutChunk(png, "IEND", "");
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
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
