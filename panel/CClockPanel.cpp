#include "panel/CClockPanel.h"

#include "app/AppSettings.h"
#include "calendar/CCalendarWnd.h"
#include "framework/Seams.h"
#include "framework/WndClass.h"
#include "res/resource.h"
#include "timetable/CTaskNoticeWnd.h"
#include "timetable/TimeTask.h"

#include <shellapi.h>

namespace {

constexpr DWORD kPanelStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kPanelExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr int kClockId = 0xFFFF;

PanelRect ToPanelRect(const RECT& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

RECT ToRect(const PanelRect& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

} // namespace

BEGIN_MSG_MAP(CClockPanel, CWnd)
    MapCreate<&CClockPanel::OnCreate>(),
    MapTimer<&CClockPanel::OnTimer>(),
    MapMessage<WM_CLOSE, &CClockPanel::OnClose>(),
    MapMessage<WM_SIZE, &CClockPanel::OnSize>(),
    MapMessage<WM_CONTEXTMENU, &CClockPanel::OnContextMenu>(),
END_MSG_MAP()

CClockPanel::~CClockPanel()
{
    CloseAll();
}

BOOL CClockPanel::Create(CWnd* pOwner, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner, int nAnimationMs,
                         const TimeTask* pTask)
{
    m_pOwner = pOwner;
    m_dwShowFlags = dwShowFlags;
    m_dwHideFlags = dwHideFlags;
    m_nCorner = nCorner;
    m_nAnimationMs = nAnimationMs;
    m_pTask = pTask;
    const char* pszClass =
        AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1)), nullptr);
    const BOOL bCreated = CreateEx(kPanelExStyle, pszClass, "", kPanelStyle, 0, 0, 100, 100,
                                   pOwner != nullptr ? pOwner->m_hWnd : nullptr, nullptr);
    // Read during the creation only: the time table dialog's OK may replace the task later.
    m_pTask = nullptr;
    return bCreated;
}

int CClockPanel::OnCreate(CREATESTRUCT*)
{
    if (!m_clock.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, kLcdFaceWidth, kLcdFaceHeight,
                          m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kClockId))))
    {
        AfxMessageBox("Error: Create ClockST", MB_OK);
        return -1;
    }
    const AppSettings& settings = TheSettings();
    m_clock.SetColours(settings.RGB_BACK, settings.RGB_ON, settings.RGB_OFF);
    m_clock.Start(IDB_LCD_FACE, IDB_LCD_LARGE, IDB_LCD_SMALL);

    RECT rcWindow{0, 0, kLcdFaceWidth, kLcdFaceHeight};
    ::AdjustWindowRectEx(&rcWindow, kPanelStyle, FALSE, kPanelExStyle);
    const RECT rc = PlacePanel(rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, rcWindow);
    ::SetWindowPos(m_hWnd, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOACTIVATE);
    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimationMs), m_dwShowFlags);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);

    // Not range-checked on purpose: a show time of -1 gives a period of about 49 days (the
    // panel stays), and 0 the platform's shortest period (it hides at the first test).
    m_nAutoHidePeriodMs = m_pTask != nullptr ? ShowPeriodMs(m_pTask->m_nShowSeconds) : 10000u;
    SetTimer(kAutoHideTimerId, m_nAutoHidePeriodMs);

    if (m_pTask == nullptr)
        OpenCalendar();
    else if (!m_pTask->m_strText.empty())
        AddNotice(m_pTask);
    return 0;
}

RECT CClockPanel::PlacePanel(int nWidth, int nHeight, const RECT& rcUnplaced) const
{
    return ToRect(PlaceInCorner(ToPanelRect(WorkArea()), nWidth, nHeight, m_nCorner, ToPanelRect(rcUnplaced)));
}

RECT CClockPanel::WorkArea()
{
    RECT rcWork{};
    // Without a taskbar to go by, the primary monitor's work area.
    if (!GetWorkArea(rcWork))
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}

BOOL CClockPanel::GetWorkArea(RECT& rcWork)
{
    APPBARDATA abd{};
    abd.cbSize = sizeof abd;
    if (!::SHAppBarMessage(ABM_GETTASKBARPOS, &abd))
        return FALSE;
    HMONITOR hMonitor = ::MonitorFromRect(&abd.rc, MONITOR_DEFAULTTONULL);
    if (hMonitor == nullptr)
        return FALSE;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(hMonitor, &mi))
        return FALSE;
    rcWork = mi.rcWork;
    HWND hBar = reinterpret_cast<HWND>(::SHAppBarMessage(ABM_GETAUTOHIDEBAR, &abd));
    RECT rcBar{};
    if (hBar != nullptr && ::GetWindowRect(hBar, &rcBar))
        rcWork = ToRect(CutByAutoHideBar(ToPanelRect(rcWork), ToPanelRect(rcBar), static_cast<BarEdge>(abd.uEdge)));
    return TRUE;
}

bool CClockPanel::IsCursorOver(HWND hWnd)
{
    POINT pt{};
    RECT rc{};
    return ::GetCursorPos(&pt) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, pt);
}

BOOL CClockPanel::AddNotice(const TimeTask* pTask)
{
    NoticeNeighbours around{ToPanelRect(WorkArea()), ToPanelRect(GetWindowRect()), {}, {}};
    // The newest notice still on screen; one whose window could not be made has no rectangle.
    for (auto it = m_notices.rbegin(); it != m_notices.rend(); ++it)
        if (*it != nullptr && (*it)->IsWindow())
        {
            around.newest = ToPanelRect((*it)->GetWindowRect());
            break;
        }
    if (m_pCalendar != nullptr && m_pCalendar->IsWindow())
        around.calendar = ToPanelRect(m_pCalendar->GetWindowRect());
    const RECT rcNotice = ToRect(PlaceNotice(around, m_nCorner));

    auto pNotice = std::make_unique<CTaskNoticeWnd>();
    pNotice->Create(this, rcNotice, m_dwShowFlags, m_dwHideFlags, m_nCorner, m_nAnimationMs, pTask);
    // Kept also when it failed: CloseAll deals with every entry alike.
    m_notices.push_back(std::move(pNotice));
    return TRUE;
}

void CClockPanel::OpenCalendar()
{
    // The calendar's entrance animation must not count against the auto-hide period.
    KillTimer(kAutoHideTimerId);
    RECT rcPanel{};
    ::GetWindowRect(m_hWnd, &rcPanel);
    RECT rcCalendar{rcPanel.left, 0, rcPanel.right, rcPanel.top - 1};
    rcCalendar.top = rcCalendar.bottom - (rcPanel.right - rcPanel.left);
    m_pCalendar.reset();
    auto pCalendar = std::make_unique<CCalendarWnd>();
    pCalendar->CreatePopup(this, rcCalendar, m_dwShowFlags, m_dwHideFlags, m_nCorner, m_nAnimationMs, nullptr);
    m_pCalendar = std::move(pCalendar);
    SetTimer(kAutoHideTimerId, 10000);
}

void CClockPanel::CloseAll()
{
    for (auto it = m_notices.rbegin(); it != m_notices.rend(); ++it)
        if (*it != nullptr && (*it)->IsWindow())
            (*it)->SendMessage(WM_CLOSE);
    m_notices.clear();
    if (m_pCalendar != nullptr)
    {
        if (m_pCalendar->IsWindow())
            m_pCalendar->SendMessage(WM_CLOSE);
        m_pCalendar.reset();
    }
    if (IsWindow())
        SendMessage(WM_CLOSE);
}

void CClockPanel::OnTimer(UINT_PTR nIdEvent)
{
    SetMsgHandled(false);
    if (nIdEvent != kAutoHideTimerId)
        return;
    if (IsWindow() && IsCursorOver(m_hWnd))
        return;
    for (auto it = m_notices.rbegin(); it != m_notices.rend(); ++it)
        if (*it != nullptr && (*it)->IsWindow() && IsCursorOver((*it)->m_hWnd))
            return;
    if (m_pCalendar != nullptr && m_pCalendar->IsWindow() && IsCursorOver(m_pCalendar->m_hWnd))
        return;
    KillTimer(kAutoHideTimerId);
    CloseAll();
}

LRESULT CClockPanel::OnClose(WPARAM, LPARAM)
{
    KillTimer(kAutoHideTimerId);
    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimationMs), m_dwHideFlags);
    SetMsgHandled(false); // the default destroys the window
    return 0;
}

LRESULT CClockPanel::OnSize(WPARAM, LPARAM)
{
    SetMsgHandled(false);
    if (m_clock.IsWindow())
    {
        const RECT rc = GetClientRect();
        ::SetWindowPos(m_clock.m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
}

LRESULT CClockPanel::OnContextMenu(WPARAM, LPARAM)
{
    HMENU hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_POPUP));
    if (hMenu == nullptr)
        return 0;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    HWND hOwner = m_pOwner != nullptr ? m_pOwner->m_hWnd : nullptr;
    if (hPopup != nullptr && hOwner != nullptr)
    {
        const AppSettings& settings = TheSettings();
        if (settings.USE_NTP == 0 || settings.SERVER[0].empty())
            ::EnableMenuItem(hPopup, ID_SETTIME, MF_BYCOMMAND | MF_GRAYED);
        POINT pt{};
        ::GetCursorPos(&pt);
        // The chosen command goes to the main dialog, which carries out every menu command.
        ::TrackPopupMenu(hPopup, 0, pt.x, pt.y, 0, hOwner, nullptr);
        ::PostMessageA(hOwner, WM_NULL, 0, 0);
    }
    ::DestroyMenu(hMenu);
    return 0;
}
