#include "panel/CClockST.h"

#include "framework/Seams.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSecondTimerId = 1;

} // namespace

BEGIN_MSG_MAP(CClockST, CWnd)
    MapTimer<&CClockST::OnTimer>(),
    MapPaint<&CClockST::OnPaint>(),
    MapMessage<WM_ERASEBKGND, &CClockST::OnEraseBkgnd>(),
    MapMessage<WM_PRINTCLIENT, &CClockST::OnPrintClient>(),
END_MSG_MAP()

void CClockST::CSurface::Prepare(HDC hdcCompatible, HBITMAP hBitmap)
{
    m_hdc = ::CreateCompatibleDC(hdcCompatible);
    if (m_hdc != nullptr && hBitmap != nullptr)
        m_hOld = ::SelectObject(m_hdc, hBitmap);
}

void CClockST::CSurface::Release()
{
    if (m_hdc == nullptr)
        return;
    if (m_hOld != nullptr)
        ::SelectObject(m_hdc, m_hOld);
    ::DeleteDC(m_hdc);
    m_hdc = nullptr;
    m_hOld = nullptr;
}

CClockST::~CClockST()
{
    // The surfaces must let go of the bitmaps while the window still exists for the timer.
    Reset();
}

void CClockST::SetColours(COLORREF crBack, COLORREF crOn, COLORREF crOff)
{
    m_crBack = crBack;
    m_crOn = crOn;
    m_crOff = crOff;
}

HBITMAP CClockST::LoadMapped(UINT nId) const
{
    COLORMAP map[] = {
        {RGB(0, 0, 0), m_crOn},
        {RGB(179, 183, 139), m_crBack},
        {RGB(158, 164, 108), m_crOff},
    };
    return ::CreateMappedBitmap(::GetModuleHandleA(nullptr), nId, 0, map, 3);
}

void CClockST::Start(UINT nFaceId, UINT nLargeId, UINT nSmallId)
{
    if (m_bStarted)
        return;
    m_bmpFace.Attach(LoadMapped(nFaceId));
    m_bmpLarge.Attach(LoadMapped(nLargeId));
    m_bmpSmall.Attach(LoadMapped(nSmallId));
    BITMAP bm{};
    if (m_bmpFace && ::GetObjectA(m_bmpFace, sizeof bm, &bm) == sizeof bm)
        m_szFace = {bm.bmWidth, bm.bmHeight};
    if (m_hWnd != nullptr)
    {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_szFace.cx, m_szFace.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetTimer(kSecondTimerId, 1000);
    }
    UpdateDigits();
    m_bStarted = true;
}

void CClockST::Reset()
{
    m_canvas.Release();
    m_large.Release();
    m_small.Release();
    m_bStarted = false;
    if (m_hWnd != nullptr)
        KillTimer(kSecondTimerId);
}

void CClockST::UpdateDigits()
{
    const SYSTEMTIME st = Clock().GetLocalTime();
    m_digits = DigitsOf(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CClockST::Draw(HDC hdcTarget)
{
    if (!m_bmpFace || !m_bmpLarge || !m_bmpSmall)
    {
        // Without its pictures the clock shows its background rather than failing.
        CBrush back(::CreateSolidBrush(m_crBack));
        RECT rc{0, 0, m_szFace.cx, m_szFace.cy};
        ::FillRect(hdcTarget, &rc, back ? static_cast<HBRUSH>(back) : static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
        return;
    }
    if (!m_canvas.IsPrepared())
        m_canvas.Prepare(hdcTarget, m_bmpFace);
    if (!m_large.IsPrepared())
        m_large.Prepare(hdcTarget, m_bmpLarge);
    if (!m_small.IsPrepared())
        m_small.Prepare(hdcTarget, m_bmpSmall);

    const auto& cells = LcdCellLayout();
    for (size_t i = 0; i < cells.size(); ++i)
    {
        const int nDigit = i < 6 ? m_digits.time[i] : m_digits.date[i - 6];
        const LcdCell& cell = cells[i];
        if (cell.bLarge)
            ::BitBlt(m_canvas.m_hdc, cell.x, cell.y, kLcdLargeCellWidth, kLcdLargeCellHeight, m_large.m_hdc,
                     nDigit * kLcdLargeCellWidth, 0, SRCCOPY);
        else
            ::BitBlt(m_canvas.m_hdc, cell.x, cell.y, kLcdSmallCellWidth, kLcdSmallCellHeight, m_small.m_hdc,
                     nDigit * kLcdSmallCellWidth, 0, SRCCOPY);
    }
    ::BitBlt(hdcTarget, 0, 0, m_szFace.cx, m_szFace.cy, m_canvas.m_hdc, 0, 0, SRCCOPY);
}

void CClockST::OnTimer(UINT_PTR)
{
    UpdateDigits();
    SetMsgHandled(false);
}

void CClockST::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Draw(dc);
}

LRESULT CClockST::OnEraseBkgnd(WPARAM, LPARAM)
{
    return TRUE; // the paint covers every pixel: erasing would only flicker
}

LRESULT CClockST::OnPrintClient(WPARAM wParam, LPARAM)
{
    // An animation asks for the picture of now, not of the last tick.
    UpdateDigits();
    Draw(reinterpret_cast<HDC>(wParam));
    return 0;
}
