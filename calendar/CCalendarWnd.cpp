#include "calendar/CCalendarWnd.h"

#include "app/AppSettings.h"
#include "calendar/HolidayLookup.h"
#include "framework/CWinApp.h"
#include "framework/Seams.h"
#include "framework/WndClass.h"

namespace {

constexpr DWORD kCalendarStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kCalendarExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr int kDateFontPoints = 10;

COLORREF Colour(std::uint32_t nColour)
{
    return static_cast<COLORREF>(nColour);
}

} // namespace

BEGIN_MSG_MAP(CCalendarWnd, CWnd)
    MapCreate<&CCalendarWnd::OnCreate>(),
    MapMessage<WM_SIZE, &CCalendarWnd::OnSize>(),
    MapMessage<WM_CLOSE, &CCalendarWnd::OnClose>(),
    MapMessage<WM_DEVMODECHANGE, &CCalendarWnd::OnSystemChange<WM_DEVMODECHANGE>>(),
    MapMessage<WM_FONTCHANGE, &CCalendarWnd::OnSystemChange<WM_FONTCHANGE>>(),
    MapMessage<WM_PALETTECHANGED, &CCalendarWnd::OnSystemChange<WM_PALETTECHANGED>>(),
    MapMessage<WM_SETTINGCHANGE, &CCalendarWnd::OnSystemChange<WM_SETTINGCHANGE>>(),
    MapMessage<WM_TIMECHANGE, &CCalendarWnd::OnSystemChange<WM_TIMECHANGE>>(),
    MapMessage<WM_SYSCOLORCHANGE, &CCalendarWnd::OnSystemChange<WM_SYSCOLORCHANGE>>(),
END_MSG_MAP()

CCalendarWnd::~CCalendarWnd()
{
    // Destroyed here, while the calendar member still exists for the child's destruction.
    if (IsWindow())
        DestroyWindow();
}

BOOL CCalendarWnd::CreatePopup(CWnd* pPanel, const RECT& rect, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner,
                               int nAnimationMs, const TimeTask*)
{
    if (m_hWnd != nullptr)
        return FALSE;
    m_pPanel = pPanel;
    m_dwShowFlags = dwShowFlags;
    m_dwHideFlags = dwHideFlags;
    m_nAnimTime = nAnimationMs;
    m_bBelowPanel = nCorner == 0 || nCorner == 1;
    const char* pszClass =
        AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1)), nullptr);
    if (*pszClass == '\0')
        return FALSE;
    return CreateEx(kCalendarExStyle, pszClass, "", kCalendarStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pPanel != nullptr ? pPanel->m_hWnd : nullptr, nullptr);
}

int CCalendarWnd::OnCreate(CREATESTRUCT* pcs)
{
    if (DefWindowProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(pcs)) == -1)
        return -1;
    RECT rcClient{};
    ::GetClientRect(m_hWnd, &rcClient);
    m_calendar.Create(WS_CHILD | WS_VISIBLE, rcClient, m_hWnd, kCalendarCtrlId);

    const SYSTEMTIME stToday = Clock().GetLocalTime();
    m_calendar.SelectDate(CalendarDate{stToday.wYear, stToday.wMonth, stToday.wDay});
    m_calendar.SetMarkCallback(&CCalendarWnd::MarkWeekendsAndHolidays);
    const AppSettings& settings = TheSettings();
    const char* pszFace = settings.FONT_NAME.c_str();
    m_calendar.SetMarkedDateFont(pszFace, kDateFontPoints, TRUE, FALSE, FALSE, Colour(settings.RGB_SUNDAY));
    m_calendar.SetDateFont(pszFace, kDateFontPoints, TRUE, FALSE, FALSE, Colour(settings.RGB_ON));
    m_calendar.SetBackgroundColour(Colour(settings.RGB_BACK));
    m_calendar.SetOtherMonthColour(Colour(settings.RGB_OFF));
    m_calendar.SetTitleBandColour(Colour(settings.RGB_OFF));
    m_calendar.SetTitleTextColour(Colour(settings.RGB_ON));
    m_calendar.ResizeToFit();

    FitAroundCalendar();
    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimTime), m_dwShowFlags);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return 0;
}

void CCalendarWnd::FitAroundCalendar()
{
    RECT rcFrame{};
    ::GetWindowRect(m_calendar.m_hWnd, &rcFrame);
    ::AdjustWindowRectEx(&rcFrame, GetStyle(), FALSE, GetExStyle());
    RECT rcCreated{};
    ::GetWindowRect(m_hWnd, &rcCreated);
    const int nWidth = rcFrame.right - rcFrame.left;
    const int nHeight = rcFrame.bottom - rcFrame.top;
    int nRight = rcCreated.right;
    // The created rectangle ends one pixel above the panel: the window ends on its top edge.
    int nBottom = rcCreated.bottom + 1;
    if (m_bBelowPanel && m_pPanel != nullptr && m_pPanel->IsWindow())
    {
        RECT rcPanel{};
        ::GetWindowRect(m_pPanel->m_hWnd, &rcPanel);
        nRight = rcPanel.right;
        nBottom = rcPanel.bottom + nHeight;
    }
    ::MoveWindow(m_hWnd, nRight - nWidth, nBottom - nHeight, nWidth, nHeight, TRUE);
}

LRESULT CCalendarWnd::OnSize(WPARAM, LPARAM)
{
    SetMsgHandled(false);
    if (m_calendar.IsWindow())
    {
        RECT rcClient{};
        ::GetClientRect(m_hWnd, &rcClient);
        ::SetWindowPos(m_calendar.m_hWnd, nullptr, 0, 0, rcClient.right, rcClient.bottom,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return 0;
}

LRESULT CCalendarWnd::OnClose(WPARAM, LPARAM)
{
    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimTime), m_dwHideFlags);
    SetMsgHandled(false); // the default destroys the window
    return 0;
}

int CCalendarWnd::MarkWeekendsAndHolidays(CCalendarCtrl* pCalendar, const CalendarDate& date)
{
    const AppSettings& settings = TheSettings();
    int crHoliday = -1;
    const auto* pLookup = dynamic_cast<const IHolidayLookup*>(AfxGetMainWnd());
    if (pLookup != nullptr && pLookup->FindHolidayColour(date.m_nYear, date.m_nMonth, date.m_nDay, crHoliday))
    {
        // "*" is no colour: such a holiday is drawn as a Sunday is.
        pCalendar->SetMarkedDateColour(crHoliday == -1 ? Colour(settings.RGB_SUNDAY)
                                                       : static_cast<COLORREF>(crHoliday));
        return 1;
    }
    switch (date.Weekday())
    {
    case 1:
        pCalendar->SetMarkedDateColour(Colour(settings.RGB_SUNDAY));
        return 1;
    case 7:
        pCalendar->SetMarkedDateColour(Colour(settings.RGB_SATURDAY));
        return 1;
    default:
        return 0;
    }
}
