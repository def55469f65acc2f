#include "timetable/CScrollerCtrl.h"

#include "framework/PointFont.h"
#include "framework/WndClass.h"

#include <algorithm>
#include <optional>

namespace {

constexpr UINT kTextFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
constexpr UINT kMeasureFlags = kTextFlags | DT_CALCRECT | DT_NOCLIP;

// A period of 0 means the platform's shortest; asked for by name, it does not depend on
// how each platform reads 0.
UINT TimerPeriod(int nMs)
{
    return std::max(static_cast<UINT>(nMs), static_cast<UINT>(USER_TIMER_MINIMUM));
}

} // namespace

BEGIN_MSG_MAP(CScrollerCtrl, CWnd)
    MapTimer<&CScrollerCtrl::OnTimer>(),
    MapPaint<&CScrollerCtrl::OnPaint>(),
    MapMessage<WM_ERASEBKGND, &CScrollerCtrl::OnEraseBkgnd>(),
    MapMessage<WM_PRINTCLIENT, &CScrollerCtrl::OnPrintClient>(),
END_MSG_MAP()

CScrollerCtrl::~CScrollerCtrl()
{
    // While the font and the buffer still exist for the messages of the destruction.
    if (IsWindow())
        DestroyWindow();
}

BOOL CScrollerCtrl::Create(const RECT& rect, CWnd* pParent, DWORD dwStyle, UINT nId)
{
    if (!m_font)
        CreateTextFont("Comic Sans MS", 12, FW_SEMIBOLD);
    // The whole picture is drawn on every paint: the class needs no background brush.
    const char* pszClass =
        AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_PARENTDC, ::LoadCursorA(nullptr, IDC_ARROW));
    if (*pszClass == '\0')
        return FALSE;
    if (!CreateEx(0, pszClass, "Scroller", dwStyle & ~WS_VSCROLL, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParent != nullptr ? pParent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId))))
        return FALSE;
    // Without its step timer the text only stands still: nothing worth refusing the window for.
    SetTimer(kScrollTimerId, TimerPeriod(m_nScrollDelay));
    StartPause();
    return TRUE;
}

void CScrollerCtrl::SetText(const std::string& strText)
{
    m_strText = strText;
    ForgetMeasure();
}

void CScrollerCtrl::SetBkColor(COLORREF crBack)
{
    m_crBack = crBack;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CScrollerCtrl::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CScrollerCtrl::SetWrap(BOOL bWrap)
{
    m_bWrap = bWrap;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CScrollerCtrl::SetScrollDelay(int nDelayMs)
{
    m_nScrollDelay = CorrectScrollDelay(nDelayMs);
    if (m_hWnd != nullptr)
        SetTimer(kScrollTimerId, TimerPeriod(m_nScrollDelay));
}

void CScrollerCtrl::SetPauseTime(int nPauseMs)
{
    m_nPauseTime = nPauseMs;
}

void CScrollerCtrl::SetTextFont(HFONT hFont)
{
    LOGFONTA lf{};
    if (hFont == nullptr || ::GetObjectA(hFont, sizeof lf, &lf) != sizeof lf)
    {
        m_font.DeleteObject();
        ForgetMeasure();
        return;
    }
    lf.lfWeight = FW_BOLD;
    m_font.Attach(::CreateFontIndirectA(&lf));
    ForgetMeasure();
}

void CScrollerCtrl::CreateTextFont(const std::string& strFace, int nPoints, int nWeight)
{
    LOGFONTA lf{};
    lf.lfHeight = nPoints * 10;
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    SetFaceName(lf, strFace);
    m_font.Attach(CreatePointFontIndirect(lf));
    ForgetMeasure();
}

void CScrollerCtrl::ForgetMeasure()
{
    if (m_hWnd != nullptr)
    {
        m_nWidth = 0;
        m_nHeight = 0;
        Invalidate(FALSE);
    }
}

HFONT CScrollerCtrl::TextFont() const
{
    // The stock font is borrowed, never owned: m_font stays empty for it.
    return m_font ? m_font.Get() : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
}

void CScrollerCtrl::StartPause()
{
    m_bPaused = TRUE;
    const UINT_PTR nId = SetTimer(m_nPauseTimer, TimerPeriod(m_nPauseTime));
    if (nId != 0)
        m_nPauseTimer = nId;
    else
        m_bPaused = FALSE; // a rest without its timer would never end
}

void CScrollerCtrl::NotifyScrolledOut() const
{
    const int nId = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(nId, 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CScrollerCtrl::OnTimer(UINT_PTR nIdEvent)
{
    if (nIdEvent == m_nPauseTimer)
    {
        m_bPaused = FALSE;
        KillTimer(m_nPauseTimer);
    }
    if (m_bPaused)
        return;
    const ScrollMove move = ScrollUpOnePixel(m_nOffset, m_nTextHeight, m_nHeight, m_bWrap != FALSE);
    m_nOffset = move.nOffset;
    // The parent may set the next page at once; the rest is decided with what it left.
    if (move.bScrolledOut)
        NotifyScrolledOut();
    if (RestsAt(m_nOffset, m_nTextHeight, m_nHeight, m_nPauseTime, m_nScrollDelay))
        StartPause();
    Invalidate(FALSE);
}

void CScrollerCtrl::PrepareBuffer(HDC hdcTarget)
{
    const RECT rc = GetClientRect();
    if (rc.right == m_nWidth && rc.bottom == m_nHeight && m_bitmap)
        return;
    m_nWidth = rc.right;
    m_nHeight = rc.bottom;
    m_bitmap.Attach(::CreateCompatibleBitmap(hdcTarget, m_nWidth, m_nHeight));
    // Measured on a DC of our own: the target's text settings are the caller's.
    CMemoryDC dc(hdcTarget);
    m_nTextHeight = dc ? DrawTextBlock(dc, 0, FALSE) : 0;
}

void CScrollerCtrl::DrawBackground(HDC hdc)
{
    // ETO_OPAQUE fills with the background colour: no brush to make or to fail.
    const RECT rc{0, 0, m_nWidth, m_nHeight};
    ::SetBkColor(hdc, m_crBack);
    ::ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

int CScrollerCtrl::DrawTextBlock(HDC hdc, int y, BOOL bDraw)
{
    CSelectObject keep(hdc, TextFont());
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, m_crText);
    RECT rc{0, y, m_nWidth, m_nHeight};
    return ::DrawTextA(hdc, m_strText.c_str(), static_cast<int>(m_strText.size()), &rc,
                       bDraw ? kTextFlags : kMeasureFlags);
}

void CScrollerCtrl::Paint(HDC hdcTarget)
{
    PrepareBuffer(hdcTarget);
    CMemoryDC dc(hdcTarget);
    if (!dc || !m_bitmap)
        return; // out of GDI resources: the old picture stays rather than garbage
    CSelectObject keep(dc, m_bitmap);
    DrawBackground(dc);
    for (std::optional<int> y = m_nOffset; y.has_value();)
        y = NextCopyTop(*y, DrawTextBlock(dc, *y, TRUE), m_nHeight, m_bWrap != FALSE);
    ::BitBlt(hdcTarget, 0, 0, m_nWidth, m_nHeight, dc, 0, 0, SRCCOPY);
}

void CScrollerCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Paint(dc);
}

LRESULT CScrollerCtrl::OnEraseBkgnd(WPARAM, LPARAM)
{
    return 0; // the paint covers every pixel: erasing would only flicker
}

LRESULT CScrollerCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(reinterpret_cast<HDC>(wParam));
    return 0;
}
