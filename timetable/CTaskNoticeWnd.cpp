#include "timetable/CTaskNoticeWnd.h"

#include "app/AppSettings.h"
#include "framework/PointFont.h"
#include "framework/Seams.h"
#include "framework/WndClass.h"
#include "timetable/ScrollerModel.h"
#include "timetable/TimeTask.h"

#include <cstdint>
#include <optional>

namespace {

constexpr DWORD kNoticeStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kNoticeExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE;
constexpr UINT kMeasureFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_CALCRECT | DT_NOCLIP;
// The frame of background colour around the scroller.
constexpr int kMarginX = 5;
constexpr int kMarginY = 2;
constexpr int kNoticePauseMs = 2000;

RECT ScrollerRect(RECT rc)
{
    ::InflateRect(&rc, -kMarginX, -kMarginY);
    return rc;
}

// A task colour of -1 stands for the settings' colour.
COLORREF TaskColour(int nTaskColour, std::uint32_t nDefault)
{
    return static_cast<COLORREF>(nTaskColour == -1 ? nDefault : static_cast<std::uint32_t>(nTaskColour));
}

} // namespace

BEGIN_MSG_MAP(CTaskNoticeWnd, CWnd)
    MapCreate<&CTaskNoticeWnd::OnCreate>(),
    MapMessage<WM_SIZE, &CTaskNoticeWnd::OnSize>(),
    MapMessage<WM_CLOSE, &CTaskNoticeWnd::OnClose>(),
    MapMessage<WM_ERASEBKGND, &CTaskNoticeWnd::OnEraseBkgnd>(),
    MapCommand<kNoticeScrollerId, &CTaskNoticeWnd::OnScrolledOut>(),
END_MSG_MAP()

CTaskNoticeWnd::~CTaskNoticeWnd()
{
    // Destroyed here, not by CWnd, while the scroller, the font and the class brush still
    // exist for the messages of the destruction.
    if (IsWindow())
        DestroyWindow();
}

BOOL CTaskNoticeWnd::Create(CWnd* pPanel, const RECT& rect, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner,
                            int nAnimationMs, const TimeTask* pTask)
{
    // In a top corner the notices stack downwards: this one hangs from the rectangle's top.
    m_bHangFromTop = nCorner == 0 || nCorner == 1;
    if (m_hWnd != nullptr || pTask == nullptr)
        return FALSE;
    m_pPanel = pPanel;
    m_dwShowFlags = dwShowFlags;
    m_dwHideFlags = dwHideFlags;
    m_nAnimTime = nAnimationMs;
    m_pages = SplitPages(pTask->m_strText);
    if (m_pages.empty())
        return FALSE;
    m_brush.Attach(::CreateSolidBrush(static_cast<COLORREF>(TheSettings().RGB_BACK)));
    // The window paints its own background with m_brush: a class per brush would outlive the
    // notice, its brush and all, for the life of the process.
    const char* pszClass = AfxRegisterWndClass(0);
    if (*pszClass == '\0')
        return FALSE;
    m_pTask = pTask;
    const BOOL bCreated =
        CreateEx(kNoticeExStyle, pszClass, "", kNoticeStyle, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, pPanel != nullptr ? pPanel->m_hWnd : nullptr, nullptr);
    m_pTask = nullptr; // the caller's task may go away; the pages are ours
    return bCreated;
}

int CTaskNoticeWnd::OnCreate(CREATESTRUCT* pcs)
{
    if (DefWindowProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(pcs)) == -1)
        return -1;
    const AppSettings& settings = TheSettings();
    m_font.Attach(CreatePointFont(settings.FONT_SIZE * 10, settings.FONT_NAME));
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);

    RECT rcClient = GetClientRect();
    rcClient.bottom = rcClient.top + MeasureThreeLines() + 2 * kMarginY;
    if (!m_scroller.Create(ScrollerRect(rcClient), this, WS_CHILD | WS_VISIBLE, kNoticeScrollerId))
    {
        AfxMessageBox("Error: Create ClockST", MB_OK);
        return -1;
    }
    SetUpScroller();

    // The frame around the new client area, moved so that the notice ends on the row just
    // above what it was stacked on (the given rectangle ends one row higher still).
    const RECT rcCreated = GetWindowRect();
    RECT rc = rcClient;
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rc), 2);
    ::AdjustWindowRectEx(&rc, kNoticeStyle, FALSE, kNoticeExStyle);
    if (m_bHangFromTop)
        ::OffsetRect(&rc, 0, rcCreated.top - rc.top);
    else
        ::OffsetRect(&rc, 0, rcCreated.bottom + 1 - rc.bottom);
    ::SetWindowPos(m_hWnd, HWND_TOP, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOACTIVATE);

    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimTime), m_dwShowFlags);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    return 0;
}

int CTaskNoticeWnd::MeasureThreeLines() const
{
    CClientDC dc(m_hWnd);
    CSelectObject keep(dc, m_font);
    RECT rc = GetClientRect();
    return ::DrawTextA(dc, "1\n2\n3", -1, &rc, kMeasureFlags);
}

void CTaskNoticeWnd::SetUpScroller()
{
    const AppSettings& settings = TheSettings();
    m_scroller.SetTextFont(m_font);
    m_scroller.SetText(m_pages.front());
    m_scroller.SetWrap(FALSE);
    m_scroller.SetScrollDelay(0);
    m_scroller.SetPauseTime(kNoticePauseMs);
    m_scroller.SetBkColor(TaskColour(m_pTask->m_crBack, settings.RGB_BACK));
    m_scroller.SetTextColor(TaskColour(m_pTask->m_crText, settings.RGB_ON));
}

LRESULT CTaskNoticeWnd::OnSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefWindowProc(WM_SIZE, wParam, lParam);
    if (m_scroller.IsWindow())
    {
        const RECT rc = ScrollerRect(GetClientRect());
        ::SetWindowPos(m_scroller.m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOACTIVATE | SWP_NOZORDER);
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return lResult;
}

LRESULT CTaskNoticeWnd::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    const RECT rc = GetClientRect();
    ::FillRect(reinterpret_cast<HDC>(wParam), &rc, m_brush ? m_brush.Get() : ::GetSysColorBrush(COLOR_MENU));
    return TRUE;
}

LRESULT CTaskNoticeWnd::OnClose(WPARAM, LPARAM)
{
    ::AnimateWindow(m_hWnd, static_cast<DWORD>(m_nAnimTime), m_dwHideFlags);
    SetMsgHandled(false); // the default destroys the window
    return 0;
}

void CTaskNoticeWnd::OnScrolledOut()
{
    if (const std::optional<std::size_t> nPage = TurnPage(m_nNextPage, m_pages.size()))
        m_scroller.SetText(m_pages[*nPage]);
}
