#include "calendar/CMonthPickerWnd.h"

#include "calendar/CBufferedDC.h"
#include "calendar/CCalendarCtrl.h"
#include "framework/Gdi.h"
#include "framework/Seams.h"

#include <algorithm>

namespace {

constexpr UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

SIZE TextExtent(HDC hdc, const std::string& strText)
{
    SIZE size{};
    ::GetTextExtentPoint32A(hdc, strText.c_str(), static_cast<int>(strText.size()), &size);
    return size;
}

SIZE AlphabetExtent(HDC hdc)
{
    return TextExtent(hdc, kPickerAlphabet);
}

// Where the message being handled happened, on the screen.
POINT MessagePos()
{
    const DWORD dwPos = ::GetMessagePos();
    return {static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos))};
}

} // namespace

BEGIN_MSG_MAP(CMonthPickerWnd, CWnd)
    MapPaint<&CMonthPickerWnd::OnPaint>(),
    MapMessage<WM_ERASEBKGND, &CMonthPickerWnd::OnEraseBkgnd>(),
END_MSG_MAP()

CMonthPickerWnd::CMonthPickerWnd()
{
    const SYSTEMTIME st = Clock().GetLocalTime();
    m_highlighted = {st.wMonth, st.wYear};
}

CMonthPickerWnd::~CMonthPickerWnd()
{
    // While the owner's font is still reachable for the messages of the destruction.
    if (IsWindow())
        DestroyWindow();
}

void CMonthPickerWnd::SetRowCount(int nRows)
{
    if (IsAcceptedRowCount(nRows))
        m_nRows = nRows;
}

void CMonthPickerWnd::SetOwnerCalendar(CCalendarCtrl* pCalendar)
{
    if (pCalendar == nullptr || pCalendar->IsWindow())
        m_pOwner = pCalendar;
}

void CMonthPickerWnd::SetCentreMonth(int nMonth, int nYear)
{
    m_scroll.SetCentre(nMonth, nYear);
}

std::string CMonthPickerWnd::MonthName(int nMonth) const
{
    return m_pOwner != nullptr ? m_pOwner->MonthTitle(nMonth) : std::string();
}

HFONT CMonthPickerWnd::Font() const
{
    // Without an owner the DC's own font stays.
    return m_pOwner != nullptr ? m_pOwner->DateFont() : nullptr;
}

int CMonthPickerWnd::RowHeight()
{
    CClientDC dc(m_hWnd);
    const HFONT hFont = Font();
    CSelectObject keep(dc, hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetCurrentObject(dc, OBJ_FONT));
    return AlphabetExtent(dc).cy;
}

void CMonthPickerWnd::PlaceAtCursor()
{
    if (!IsWindow())
        return;
    const POINT pt = MessagePos();
    int nAlphabetHeight = 0;
    int nWidest = 0;
    {
        CClientDC dc(m_hWnd);
        const HFONT hFont = Font();
        CSelectObject keep(dc, hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetCurrentObject(dc, OBJ_FONT));
        nAlphabetHeight = AlphabetExtent(dc).cy;
        for (int m = 1; m <= 12; ++m)
            nWidest = std::max(nWidest, static_cast<int>(TextExtent(dc, PickerWidthText(MonthName(m))).cx));
    }
    const CalendarRect rc = PlacePicker({pt.x, pt.y}, nWidest, nAlphabetHeight, m_nRows);
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, 0);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, kRedrawFlags);
}

void CMonthPickerWnd::TrackCursor(const MSG* pMsg)
{
    if (pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_TIMER)
        return;
    RECT rc = GetClientRect();
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    m_scroll.TrackY(pMsg->pt.y, rc.top, rc.bottom);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, kRedrawFlags);
}

void CMonthPickerWnd::ScrollEarlier(int n)
{
    m_scroll.ScrollEarlier(n);
}

void CMonthPickerWnd::ScrollLater(int n)
{
    m_scroll.ScrollLater(n);
}

void CMonthPickerWnd::Paint(HDC hdc)
{
    const RECT rcClient = GetClientRect();
    CBufferedDC dc(hdc);
    ::SetBkColor(dc, kBackground);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rcClient, nullptr, 0, nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    const HFONT hFont = Font();
    CSelectObject keep(dc, hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetCurrentObject(dc, OBJ_FONT));
    const SIZE alphabet = AlphabetExtent(dc);

    POINT ptCursor = MessagePos();
    ::ScreenToClient(m_hWnd, &ptCursor);
    for (int nRow = 0; nRow < m_nRows; ++nRow)
    {
        const CalendarMonth month = PickerRowMonth(m_scroll.m_centre, m_nRows, nRow);
        const std::string strText = PickerRowText(MonthName(month.m_nMonth), month.m_nYear);
        const CalendarRect rcRow = PickerRowRect(nRow, alphabet.cx, alphabet.cy);
        if (IsRowUnderCursor(nRow, m_nRows, rcRow.top, rcRow.bottom, ptCursor.y, rcClient.bottom))
        {
            // The painted highlight is what a release picks.
            m_highlighted = month;
            const CalendarRect rcFill = PickerRowFill(nRow, rcClient.right, alphabet.cy);
            const RECT rcFillArea{rcFill.left, rcFill.top, rcFill.right, rcFill.bottom};
            ::SetBkColor(dc, kText);
            ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rcFillArea, nullptr, 0, nullptr);
            ::SetTextColor(dc, kBackground);
        }
        else
            ::SetTextColor(dc, kText);
        RECT rcText{rcRow.left, rcRow.top, rcRow.right, rcRow.bottom};
        ::DrawTextA(dc, strText.c_str(), static_cast<int>(strText.size()), &rcText,
                    DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    }
}

void CMonthPickerWnd::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Paint(dc);
}

LRESULT CMonthPickerWnd::OnEraseBkgnd(WPARAM, LPARAM)
{
    return FALSE; // the paint covers every pixel: erasing would only flicker
}
