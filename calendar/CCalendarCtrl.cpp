#include "calendar/CCalendarCtrl.h"

#include "calendar/CBufferedDC.h"
#include "calendar/CMonthPickerWnd.h"
#include "framework/CWaitCursor.h"
#include "framework/CWinApp.h"
#include "framework/Exceptions.h"
#include "framework/Seams.h"
#include "framework/WndClass.h"

#include <commctrl.h>

#include <clocale>
#include <ctime>
#include <new>
#include <vector>

namespace {

constexpr UINT_PTR kPickerTimerId = 1001;
constexpr UINT kPickerTimerPeriodMs = 30;
constexpr UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr UINT kCellTextFlags = DT_SINGLELINE | DT_RIGHT | DT_BOTTOM | DT_NOPREFIX;

RECT ToRect(const CalendarRect& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

CalendarPoint ToPoint(POINT pt)
{
    return {pt.x, pt.y};
}

CalendarDate Today()
{
    const SYSTEMTIME st = Clock().GetLocalTime();
    return {st.wYear, st.wMonth, st.wDay};
}

void DrawLine(HDC hdc, CalendarPoint from, CalendarPoint to)
{
    ::MoveToEx(hdc, from.x, from.y, nullptr);
    ::LineTo(hdc, to.x, to.y);
}

void DrawArrow(HDC hdc, const CalendarArrow& arrow)
{
    for (int y = arrow.m_nFirstEndY; y <= arrow.m_nLastEndY; ++y)
        DrawLine(hdc, arrow.m_ptTip, {arrow.m_nEndX, y});
}

void DrawTextIn(HDC hdc, const std::string& strText, const RECT& rc, UINT nFlags)
{
    RECT rcText = rc;
    ::DrawTextA(hdc, strText.c_str(), static_cast<int>(strText.size()), &rcText, nFlags);
}

std::tm TimeOf(const CalendarDate& date)
{
    std::tm tm{};
    tm.tm_year = date.m_nYear - 1900;
    tm.tm_mon = date.m_nMonth - 1;
    tm.tm_mday = date.m_nDay;
    tm.tm_wday = date.Weekday() - 1;
    tm.tm_hour = 12;
    return tm;
}

// strftime gives 0 both for "did not fit" and for an empty result: grow a few times, then
// take the empty text.
std::string FormatDate(const char* pszFormat, const CalendarDate& date)
{
    const std::tm tm = TimeOf(date);
    for (size_t nSize = 64; nSize <= 4096; nSize *= 4)
    {
        std::vector<char> buffer(nSize);
        const size_t nLength = std::strftime(buffer.data(), buffer.size(), pszFormat, &tm);
        if (nLength > 0)
            return std::string(buffer.data(), nLength);
    }
    return std::string();
}

// Names come from the user's locale, as the rest of the desktop shows them.
void UseUserTimeLocale()
{
    std::setlocale(LC_TIME, "");
}

// Measures texts on a DC in the control's fonts, putting the DC's own font back at the end.
class CFontMeasurer : public ICalendarMeasurer
{
public:
    CFontMeasurer(HDC hdc, const std::array<CalendarFontSpec, kCalendarFontRoles>& fonts)
        : m_hdc(hdc), m_fonts(fonts), m_hOldFont(::GetCurrentObject(hdc, OBJ_FONT))
    {
    }
    ~CFontMeasurer() override { ::SelectObject(m_hdc, m_hOldFont); }
    CFontMeasurer(const CFontMeasurer&) = delete;
    CFontMeasurer& operator=(const CFontMeasurer&) = delete;

    CalendarSize Measure(CalendarFontRole role, const std::string& text) override
    {
        const CFont& font = m_fonts[static_cast<int>(role)].m_font;
        if (font)
            ::SelectObject(m_hdc, font);
        SIZE size{};
        ::GetTextExtentPoint32A(m_hdc, text.c_str(), static_cast<int>(text.size()), &size);
        return {size.cx, size.cy};
    }

private:
    HDC m_hdc;
    const std::array<CalendarFontSpec, kCalendarFontRoles>& m_fonts;
    HGDIOBJ m_hOldFont;
};

} // namespace

BEGIN_MSG_MAP(CCalendarCtrl, CWnd)
    MapPaint<&CCalendarCtrl::OnPaint>(),
    MapMessage<WM_PRINTCLIENT, &CCalendarCtrl::OnPrintClient>(),
    MapMessage<WM_ERASEBKGND, &CCalendarCtrl::OnEraseBkgnd>(),
    MapDestroy<&CCalendarCtrl::OnDestroy>(),
    MapMouse<WM_LBUTTONDOWN, &CCalendarCtrl::OnLButtonDown>(),
    MapMouse<WM_MOUSEMOVE, &CCalendarCtrl::OnMouseMove>(),
    MapMouse<WM_LBUTTONUP, &CCalendarCtrl::OnLButtonUp>(),
    MapMouse<WM_LBUTTONDBLCLK, &CCalendarCtrl::OnLButtonDblClk>(),
    MapMessage<WM_DEVMODECHANGE, &CCalendarCtrl::OnSystemChange<WM_DEVMODECHANGE>>(),
    MapMessage<WM_FONTCHANGE, &CCalendarCtrl::OnSystemChange<WM_FONTCHANGE>>(),
    MapMessage<WM_PALETTECHANGED, &CCalendarCtrl::OnSystemChange<WM_PALETTECHANGED>>(),
    MapMessage<WM_SETTINGCHANGE, &CCalendarCtrl::OnSystemChange<WM_SETTINGCHANGE>>(),
    MapMessage<WM_TIMECHANGE, &CCalendarCtrl::OnSystemChange<WM_TIMECHANGE>>(),
    MapMessage<WM_SYSCOLORCHANGE, &CCalendarCtrl::OnSystemChange<WM_SYSCOLORCHANGE>>(),
END_MSG_MAP()

CCalendarCtrl::CCalendarCtrl()
    : m_crBackground(::GetSysColor(COLOR_WINDOW)), m_crTitleBand(::GetSysColor(COLOR_BTNFACE))
{
    const CalendarDate today = Today();
    m_shown = {today.m_nMonth, today.m_nYear};

    const COLORREF crText = ::GetSysColor(COLOR_BTNTEXT);
    Spec(CalendarFontRole::Title).m_bBold = true;
    Spec(CalendarFontRole::Title).m_crColour = crText;
    Spec(CalendarFontRole::Weekday).m_crColour = crText;
    Spec(CalendarFontRole::Date).m_crColour = crText;
    Spec(CalendarFontRole::MarkedDate).m_bBold = true;
    Spec(CalendarFontRole::MarkedDate).m_crColour = crText;
    Spec(CalendarFontRole::OtherMonth).m_crColour = ::GetSysColor(COLOR_GRAYTEXT);

    UseUserTimeLocale();
    for (int m = 1; m <= 12; ++m)
        m_monthNames[m - 1] = FormatDate("%B", {2000, m, 1});

    // A one-digit answer; a failed call leaves the text empty, which reads as Sunday.
    char szFirstDay[20] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, szFirstDay, sizeof szFirstDay);
    SetWeekStart(WeekStartFromLocaleText(szFirstDay));
}

CCalendarCtrl::~CCalendarCtrl()
{
    ClosePicker();
    // While the fonts and the picker's owner still exist for the messages of the destruction.
    if (IsWindow())
        DestroyWindow();
}

BOOL CCalendarCtrl::Create(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId)
{
    const char* pszClass = AfxDefaultChildClass();
    if (*pszClass == '\0')
        return FALSE;
    return CreateEx(0, pszClass, "", dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, hParent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)));
}

void CCalendarCtrl::ShowMonth(int nMonth, int nYear)
{
    ::ShowMonth(m_shown, nMonth, nYear);
}

void CCalendarCtrl::SetFont(CalendarFontRole role, const char* pszFace, int nPointSize, BOOL bBold,
                            BOOL bItalic, BOOL bUnderline, COLORREF crColour)
{
    if (!IsAcceptedFontSpec(pszFace, nPointSize))
        return;
    CalendarFontSpec& spec = Spec(role);
    spec.m_strFace = pszFace;
    spec.m_nPointSize = nPointSize;
    spec.m_bBold = bBold != FALSE;
    spec.m_bItalic = bItalic != FALSE;
    spec.m_bUnderline = bUnderline != FALSE;
    spec.m_crColour = crColour;
    spec.m_font.DeleteObject();
    m_bFontsRealized = false;
}

void CCalendarCtrl::SetTitleFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                                 COLORREF crColour)
{
    SetFont(CalendarFontRole::Title, pszFace, nPointSize, bBold, bItalic, bUnderline, crColour);
}

void CCalendarCtrl::SetWeekdayFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                                   BOOL bUnderline, COLORREF crColour)
{
    SetFont(CalendarFontRole::Weekday, pszFace, nPointSize, bBold, bItalic, bUnderline, crColour);
}

void CCalendarCtrl::SetDateFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                                COLORREF crColour)
{
    SetFont(CalendarFontRole::Date, pszFace, nPointSize, bBold, bItalic, bUnderline, crColour);
}

void CCalendarCtrl::SetMarkedDateFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                                      BOOL bUnderline, COLORREF crColour)
{
    SetFont(CalendarFontRole::MarkedDate, pszFace, nPointSize, bBold, bItalic, bUnderline, crColour);
}

void CCalendarCtrl::SetOtherMonthFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                                      BOOL bUnderline, COLORREF crColour)
{
    SetFont(CalendarFontRole::OtherMonth, pszFace, nPointSize, bBold, bItalic, bUnderline, crColour);
}

void CCalendarCtrl::SetWeekStart(int nDay)
{
    if (nDay < 1 || nDay > 7)
        return;
    m_nWeekStart = nDay;
    UseUserTimeLocale();
    CalendarDate date = Today();
    while (date.Weekday() != nDay)
        date = date.AddDays(1);
    for (std::string& strTitle : m_weekdayTitles)
    {
        strTitle = TwoByteTitle(FormatDate("%A", date));
        date = date.AddDays(1);
    }
}

void CCalendarCtrl::SetMonthTitle(int nIndex, const std::string& strText)
{
    if (nIndex >= 1 && nIndex <= 12)
        m_monthNames[nIndex - 1] = strText;
}

void CCalendarCtrl::SelectDate(const CalendarDate& date)
{
    m_selection.m_dtStart = date;
    m_selection.m_dtEnd = date;
}

void CCalendarCtrl::SetMarkCallback(MarkDateCallback pfnCallback)
{
    m_pfnMark = pfnCallback;
}

void CCalendarCtrl::SetMarkedDateColour(COLORREF crColour)
{
    Spec(CalendarFontRole::MarkedDate).m_crColour = crColour;
}

void CCalendarCtrl::SetBackgroundColour(COLORREF crColour)
{
    m_crBackground = crColour;
}

void CCalendarCtrl::SetTitleBandColour(COLORREF crColour)
{
    m_crTitleBand = crColour;
}

void CCalendarCtrl::SetTitleTextColour(COLORREF crColour)
{
    Spec(CalendarFontRole::Title).m_crColour = crColour;
}

void CCalendarCtrl::SetOtherMonthColour(COLORREF crColour)
{
    Spec(CalendarFontRole::OtherMonth).m_crColour = crColour;
}

std::string CCalendarCtrl::MonthTitle(int nIndex) const
{
    return nIndex >= 1 && nIndex <= 12 ? m_monthNames[nIndex - 1] : std::string();
}

std::string CCalendarCtrl::WeekdayTitle(int nIndex) const
{
    return nIndex >= 1 && nIndex <= 7 ? m_weekdayTitles[nIndex - 1] : std::string();
}

BOOL CCalendarCtrl::IsMarked(const CalendarDate& date)
{
    if (m_pfnMark == nullptr)
        return FALSE;
    // The owner's callback runs inside our paint: whatever it throws must not end the paint,
    // and the date is simply drawn unmarked.
    try
    {
        return m_pfnMark(this, date) != 0;
    }
    catch (CException* pException)
    {
        pException->Delete();
    }
    catch (...)
    {
    }
    return FALSE;
}

BOOL CCalendarCtrl::IsInSelection(const CalendarDate& date) const
{
    return ::IsInSelection(m_selection, date);
}

BOOL CCalendarCtrl::IsCurrentDay(const CalendarDate& date) const
{
    return date == Today();
}

HWND CCalendarCtrl::MeasuringWindow() const
{
    if (m_hWnd != nullptr)
        return m_hWnd;
    // Before the control has a window, the main window's DC (or the screen's) has the same
    // resolution.
    const CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr ? pMain->m_hWnd : nullptr;
}

void CCalendarCtrl::BuildFonts()
{
    CClientDC dc(MeasuringWindow());
    if (dc == nullptr)
        AfxThrowMemoryException();
    for (CalendarFontRole role : {CalendarFontRole::Title, CalendarFontRole::Weekday, CalendarFontRole::Date,
                                  CalendarFontRole::MarkedDate, CalendarFontRole::OtherMonth})
        Spec(role).Realize(dc);
    m_bFontsRealized = true;
}

HFONT CCalendarCtrl::DateFont()
{
    if (!m_bFontsRealized)
        BuildFonts();
    return Spec(CalendarFontRole::Date).m_font;
}

void CCalendarCtrl::MeasureMonth()
{
    if (!m_bFontsRealized)
        BuildFonts();
    CClientDC dc(MeasuringWindow());
    if (dc == nullptr)
        AfxThrowMemoryException();
    CFontMeasurer measurer(dc, m_fonts);
    m_metrics = MeasureCalendarMetrics(measurer, m_monthNames, m_shown.m_nYear);
    m_geometry = ComputeCalendarGeometry(m_metrics);
    m_bMetricsComputed = true;
}

SIZE CCalendarCtrl::MeasureTotal()
{
    MeasureMonth();
    return {m_metrics.m_nBlockWidth, m_metrics.m_nBlockHeight};
}

void CCalendarCtrl::ResizeToFit()
{
    if (!IsWindow())
        return;
    const SIZE size = MeasureTotal();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE);
}

void CCalendarCtrl::Draw(HDC hdc)
{
    if (!m_bFontsRealized)
        BuildFonts();
    if (!m_bMetricsComputed)
        MeasureMonth();
    CBufferedDC dc(hdc);
    const HGDIOBJ hOldFont = ::GetCurrentObject(dc, OBJ_FONT);

    const RECT rcClient = m_hWnd != nullptr ? GetClientRect() : RECT{0, 0, m_metrics.m_nBlockWidth,
                                                                       m_metrics.m_nBlockHeight};
    FillSolidRect(dc, rcClient, m_crBackground);
    ::SetBkMode(dc, TRANSPARENT);
    DrawTitle(dc);
    DrawWeekdays(dc);
    DrawDays(dc);
    ::SelectObject(dc, hOldFont);
}

void CCalendarCtrl::DrawTitle(HDC hdc)
{
    const RECT rcBand = ToRect(m_geometry.m_rcTitleBand);
    FillSolidRect(hdc, rcBand, m_crTitleBand);
    Draw3dRect(hdc, rcBand, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNSHADOW));
    // The Shift-JIS year mark, as the rest of the program's Japanese texts.
    const std::string strTitle = std::to_string(m_shown.m_nYear) + "年 " + MonthTitle(m_shown.m_nMonth);
    const CalendarFontSpec& title = Spec(CalendarFontRole::Title);
    ::SelectObject(hdc, title.m_font);
    ::SetTextColor(hdc, title.m_crColour);
    DrawTextIn(hdc, strTitle, ToRect(m_geometry.m_rcTitleText), DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    // The arrows in the buffer's own pen: black.
    DrawArrow(hdc, m_geometry.m_back);
    DrawArrow(hdc, m_geometry.m_forward);
}

void CCalendarCtrl::DrawWeekdays(HDC hdc)
{
    ::SelectObject(hdc, Spec(CalendarFontRole::Weekday).m_font);
    // The weekday spec's own colour is not used: the titles read as part of the dates.
    ::SetTextColor(hdc, Spec(CalendarFontRole::Date).m_crColour);
    for (int k = 1; k <= 7; ++k)
        DrawTextIn(hdc, WeekdayTitle(k), ToRect(WeekdayTitleRect(m_geometry, k - 1)), kCellTextFlags);
    CPen shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    if (!shadow)
        AfxThrowMemoryException();
    CSelectObject keep(hdc, shadow);
    DrawLine(hdc, m_geometry.m_ptSeparatorFrom, m_geometry.m_ptSeparatorTo);
}

void CCalendarCtrl::DrawDays(HDC hdc)
{
    const CalendarGridDates dates = BuildCalendarGrid(m_shown.m_nMonth, m_shown.m_nYear, m_nWeekStart);
    const CalendarDate today = Today();
    CalendarColours colours;
    colours.m_crDate = Spec(CalendarFontRole::Date).m_crColour;
    colours.m_crOtherMonth = Spec(CalendarFontRole::OtherMonth).m_crColour;
    colours.m_crBackground = m_crBackground;
    CBrush todayFrame;

    for (int nCell = 0; nCell < kGridCells; ++nCell)
    {
        const CalendarDate& date = dates[nCell];
        CalendarCellFacts facts;
        if (date.IsValid())
        {
            facts.m_bMarked = IsMarked(date) != FALSE;
            facts.m_crMarked = Spec(CalendarFontRole::MarkedDate).m_crColour;
            facts.m_bToday = date == today;
        }
        const CalendarCellStyle style =
            DecideCellStyle(date, m_shown.m_nMonth, m_shown.m_nYear, m_selection, facts, colours);
        if (!style.m_bDrawn)
            continue;
        const RECT rcFill = ToRect(CellFillRect(m_geometry, nCell));
        if (style.m_bFill)
            FillSolidRect(hdc, rcFill, style.m_crFill);
        ::SelectObject(hdc, Spec(style.m_role).m_font);
        ::SetTextColor(hdc, style.m_crText);
        DrawTextIn(hdc, std::to_string(date.m_nDay), ToRect(CellTextRect(m_geometry, nCell)), kCellTextFlags);
        if (style.m_bFrameToday)
        {
            if (!todayFrame)
                todayFrame.Attach(::CreateSolidBrush(style.m_crFrame));
            if (!todayFrame)
                AfxThrowMemoryException();
            ::FrameRect(hdc, &rcFill, todayFrame);
        }
    }
    m_block.m_geometry = m_geometry;
    m_block.m_dates = dates;
}

void CCalendarCtrl::Redraw() const
{
    if (m_hWnd != nullptr)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, kRedrawFlags);
}

void CCalendarCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Draw(dc);
}

LRESULT CCalendarCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    Draw(reinterpret_cast<HDC>(wParam));
    return 0;
}

LRESULT CCalendarCtrl::OnEraseBkgnd(WPARAM, LPARAM)
{
    return FALSE; // the paint covers every pixel: erasing would only flicker
}

void CCalendarCtrl::OnDestroy()
{
    // The window can go before the object (with its parent): the picker goes with it.
    ClosePicker();
    SetMsgHandled(false);
}

void CCalendarCtrl::StepBack()
{
    {
        CWaitCursor wait;
        StepMonthBack(m_shown);
    }
    Redraw();
}

void CCalendarCtrl::StepForward()
{
    {
        CWaitCursor wait;
        StepMonthForward(m_shown);
    }
    Redraw();
}

void CCalendarCtrl::NotifyParent(UINT nCode)
{
    NMHDR nmhdr{};
    nmhdr.hwndFrom = m_hWnd;
    nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    nmhdr.code = nCode;
    // What the parent answers means nothing to a click.
    ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, nmhdr.idFrom, reinterpret_cast<LPARAM>(&nmhdr));
}

void CCalendarCtrl::OpenPicker()
{
    ClosePicker();
    m_pPicker.reset(new (std::nothrow) CMonthPickerWnd);
    if (!m_pPicker)
        AfxThrowMemoryException();
    const char* pszClass = AfxRegisterWndClass(CS_BYTEALIGNCLIENT | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    m_nPickerTimer = SetTimer(kPickerTimerId, kPickerTimerPeriodMs);
    m_pPicker->SetCentreMonth(m_shown.m_nMonth, m_shown.m_nYear);
    m_pPicker->SetOwnerCalendar(this);
    // The low style bits belong to no class of ours and change nothing; the list is created
    // empty and placed by PlaceAtCursor.
    constexpr DWORD kPickerStyle = WS_POPUP | WS_BORDER | 0x0108;
    m_pPicker->CreateEx(0, pszClass, "", kPickerStyle, 0, 0, 0, 0, m_hWnd, nullptr);
    m_pPicker->PlaceAtCursor();
    m_pPicker->ShowWindow(SW_SHOWNORMAL);
    ::SetCapture(m_hWnd);
    m_bPickerOpen = true;
}

void CCalendarCtrl::ClosePicker()
{
    m_pPicker.reset();
    if (m_nPickerTimer != 0 && m_hWnd != nullptr)
        KillTimer(m_nPickerTimer);
    m_nPickerTimer = 0;
    m_bPickerOpen = false;
}

void CCalendarCtrl::OnLButtonDown(UINT, POINT pt)
{
    ::SetFocus(m_hWnd);
    const CalendarPoint p = ToPoint(pt);
    // Before the first paint the block is empty and nothing is hit.
    const CalendarGeometry& geometry = m_block.m_geometry;
    if (PtInCalendarRect(geometry.m_back.m_rcHit, p))
    {
        m_bArrowHeld = true;
        StepBack();
    }
    else if (PtInCalendarRect(geometry.m_forward.m_rcHit, p))
    {
        m_bArrowHeld = true;
        StepForward();
    }
    else if (PtInCalendarRect(geometry.m_rcTitleHit, p))
    {
        OpenPicker();
    }
    else if (const std::optional<CalendarDate> date = SelectableDayAt(geometry, m_block.m_dates, p))
    {
        SelectDate(*date);
        ::SetCapture(m_hWnd);
        m_bDragging = true;
        Redraw();
    }
    SetMsgHandled(false);
}

void CCalendarCtrl::OnMouseMove(UINT, POINT pt)
{
    const CalendarPoint p = ToPoint(pt);
    if (m_bDragging)
    {
        if (const std::optional<CalendarDate> date = SelectableDayAt(m_block.m_geometry, m_block.m_dates, p))
        {
            SelectDate(*date);
            Redraw();
        }
    }
    else if (m_bArrowHeld)
    {
        // Every move over an arrow pages once more: there is no repeat timer.
        if (PtInCalendarRect(m_block.m_geometry.m_back.m_rcHit, p))
            StepBack();
        else if (PtInCalendarRect(m_block.m_geometry.m_forward.m_rcHit, p))
            StepForward();
    }
    SetMsgHandled(false);
}

void CCalendarCtrl::OnLButtonUp(UINT, POINT)
{
    if (m_bDragging)
    {
        ::ReleaseCapture();
        m_bDragging = false;
        Redraw();
        NotifyParent(static_cast<UINT>(NM_CLICK));
    }
    else if (m_bArrowHeld)
    {
        m_bArrowHeld = false;
        Redraw();
    }
    else if (m_bPickerOpen)
    {
        if (m_pPicker && m_pPicker->IsWindow())
        {
            const CalendarMonth picked = m_pPicker->HighlightedMonth();
            ShowMonth(picked.m_nMonth, picked.m_nYear);
        }
        ClosePicker();
        ::ReleaseCapture();
        Redraw();
    }
    SetMsgHandled(false);
}

void CCalendarCtrl::OnLButtonDblClk(UINT, POINT pt)
{
    if (const std::optional<CalendarDate> date = SelectableDayAt(m_block.m_geometry, m_block.m_dates, ToPoint(pt)))
    {
        SelectDate(*date);
        Redraw();
        NotifyParent(static_cast<UINT>(NM_DBLCLK));
    }
    SetMsgHandled(false);
}

BOOL CCalendarCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_bPickerOpen && m_pPicker && m_pPicker->IsWindow())
        m_pPicker->TrackCursor(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}
