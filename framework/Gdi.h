// Owners of GDI objects and device contexts, and the guard that puts a displaced object
// back. Declare the owner before the guard: locals die in reverse order, so the old object
// is selected again before ours is deleted.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle> class CGdiObject
{
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle h) : m_hObject(h) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
        {
            DeleteObject();
            m_hObject = std::exchange(other.m_hObject, nullptr);
        }
        return *this;
    }

    operator Handle() const { return m_hObject; }
    explicit operator bool() const { return m_hObject != nullptr; }
    Handle Get() const { return m_hObject; }
    void Attach(Handle h)
    {
        DeleteObject();
        m_hObject = h;
    }
    Handle Detach() { return std::exchange(m_hObject, nullptr); }
    void DeleteObject()
    {
        if (m_hObject != nullptr)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }

private:
    Handle m_hObject = nullptr;
};

using CPen = CGdiObject<HPEN>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CBitmap = CGdiObject<HBITMAP>;
using CRgn = CGdiObject<HRGN>;
using CPalette = CGdiObject<HPALETTE>;

// Selects an object for one scope.
class CSelectObject
{
public:
    CSelectObject(HDC hdc, HGDIOBJ hObject) : m_hdc(hdc), m_hOld(::SelectObject(hdc, hObject)) {}
    ~CSelectObject()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hdc, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_hOld;
};

class CPaintDC
{
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hdc = ::BeginPaint(hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hdc; }
    const PAINTSTRUCT& Paint() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc = nullptr;
};

class CClientDC
{
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hdc(::GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_hdc != nullptr)
            ::ReleaseDC(m_hWnd, m_hdc);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hdc; }

private:
    HWND m_hWnd;
    HDC m_hdc;
};

// The whole window's DC, frame included (GetWindowDC), released at the end.
class CWindowDC
{
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hdc(::GetWindowDC(hWnd)) {}
    ~CWindowDC()
    {
        if (m_hdc != nullptr)
            ::ReleaseDC(m_hWnd, m_hdc);
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    operator HDC() const { return m_hdc; }

private:
    HWND m_hWnd;
    HDC m_hdc;
};

// A memory DC compatible with another DC (CreateCompatibleDC), deleted at the end.
class CMemoryDC
{
public:
    explicit CMemoryDC(HDC hdcCompatible) : m_hdc(::CreateCompatibleDC(hdcCompatible)) {}
    ~CMemoryDC()
    {
        if (m_hdc != nullptr)
            ::DeleteDC(m_hdc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hdc; }
    explicit operator bool() const { return m_hdc != nullptr; }

private:
    HDC m_hdc;
};

// A solid rectangle without a brush to make or to fail: ExtTextOut's opaque fill.
inline void FillSolidRect(HDC hdc, const RECT& rc, COLORREF cr)
{
    ::SetBkColor(hdc, cr);
    ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

// A one-pixel frame: top and left edges in one colour, bottom and right in the other.
inline void Draw3dRect(HDC hdc, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    FillSolidRect(hdc, {rc.left, rc.top, rc.right - 1, rc.top + 1}, crTopLeft);
    FillSolidRect(hdc, {rc.left, rc.top, rc.left + 1, rc.bottom - 1}, crTopLeft);
    FillSolidRect(hdc, {rc.right - 1, rc.top, rc.right, rc.bottom}, crBottomRight);
    FillSolidRect(hdc, {rc.left, rc.bottom - 1, rc.right, rc.bottom}, crBottomRight);
}
