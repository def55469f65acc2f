// The self-drawn month calendar: a title band with arrows, the weekday row and a 6 x 7 grid
// with today framed, the selected date inverted and marked dates in the colour their owner's
// callback gives. Paging, selecting and the month picker come from the mouse. Owned as a
// member by the window that holds it (the calendar window).
#pragma once

#include "calendar/CalendarCellStyle.h"
#include "calendar/CalendarDate.h"
#include "calendar/CalendarFont.h"
#include "calendar/CalendarGeometry.h"
#include "calendar/CalendarGrid.h"
#include "calendar/CalendarMetrics.h"
#include "calendar/CalendarPaging.h"
#include "framework/CWnd.h"
#include "framework/Gdi.h"

#include <array>
#include <memory>
#include <string>

class CCalendarCtrl;
class CMonthPickerWnd;

// Returns non-zero for a marked date, after setting the marked-date colour with
// SetMarkedDateColour; the control reads it right after the call, for that one date.
using MarkDateCallback = int (*)(CCalendarCtrl* pCalendar, const CalendarDate& date);

// Cells and hit rectangles as last drawn: the mouse hits what the user saw.
struct CalendarMonthBlock
{
    CalendarGeometry m_geometry;
    CalendarGridDates m_dates{};
};

class CCalendarCtrl : public CWnd
{
public:
    CCalendarCtrl();
    ~CCalendarCtrl() override;

    // A child window of the framework's default child class (it takes double clicks).
    BOOL Create(DWORD dwStyle, const RECT& rect, HWND hParent, UINT nId);

    // Configuration: bad values are ignored and the previous ones stay. None of these repaints;
    // a host that changes fonts calls ResizeToFit.
    void ShowMonth(int nMonth, int nYear);
    void SetTitleFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                      COLORREF crColour);
    void SetWeekdayFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                        COLORREF crColour);
    void SetDateFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                     COLORREF crColour);
    void SetMarkedDateFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                           COLORREF crColour);
    void SetOtherMonthFont(const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic, BOOL bUnderline,
                           COLORREF crColour);
    // 1 = Sunday ... 7 = Saturday; the weekday titles follow.
    void SetWeekStart(int nDay);
    void SetMonthTitle(int nIndex, const std::string& strText);
    // An invalid date empties the selection.
    void SelectDate(const CalendarDate& date);
    void SetMarkCallback(MarkDateCallback pfnCallback);
    // The colour of the marked-date spec; the mark callback sets it per date.
    void SetMarkedDateColour(COLORREF crColour);
    void SetBackgroundColour(COLORREF crColour);
    void SetTitleBandColour(COLORREF crColour);
    // The title spec's colour; the font is kept.
    void SetTitleTextColour(COLORREF crColour);
    // The other-month spec's colour; the font is kept.
    void SetOtherMonthColour(COLORREF crColour);

    // Queries.
    std::string MonthTitle(int nIndex) const;
    std::string WeekdayTitle(int nIndex) const;
    BOOL IsMarked(const CalendarDate& date);
    BOOL IsInSelection(const CalendarDate& date) const;
    BOOL IsCurrentDay(const CalendarDate& date) const;
    CalendarMonth DisplayedMonth() const { return m_shown; }
    int WeekStart() const { return m_nWeekStart; }
    const CalendarSelection& Selection() const { return m_selection; }
    const CalendarMetrics& Metrics() const { return m_metrics; }
    const CalendarMonthBlock& MonthBlock() const { return m_block; }
    const CalendarFontSpec& FontSpec(CalendarFontRole role) const { return Spec(role); }
    // The date font, realised on first use; the month picker draws in it.
    HFONT DateFont();
    BOOL IsPickerOpen() const { return m_bPickerOpen; }
    CMonthPickerWnd* Picker() const { return m_pPicker.get(); }

    // Sizes and drawing.
    void MeasureMonth();
    // Measures again; the size of the whole control.
    SIZE MeasureTotal();
    void ResizeToFit();
    void BuildFonts();
    void Draw(HDC hdc);

    // Paging and notifications.
    void StepBack();
    void StepForward();
    void NotifyParent(UINT nCode);

    // Hands the picker its pointer movements and timer ticks while it is open.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, POINT pt);
    void OnMouseMove(UINT nFlags, POINT pt);
    void OnLButtonUp(UINT nFlags, POINT pt);
    void OnLButtonDblClk(UINT nFlags, POINT pt);
    // Fonts, colours, the time or the palette changed: show them at once.
    template <UINT Msg> LRESULT OnSystemChange(WPARAM wParam, LPARAM lParam)
    {
        const LRESULT lResult = DefWindowProc(Msg, wParam, lParam);
        Redraw();
        return lResult;
    }
    DECLARE_MSG_MAP()

private:
    CalendarFontSpec& Spec(CalendarFontRole role) { return m_fonts[static_cast<int>(role)]; }
    const CalendarFontSpec& Spec(CalendarFontRole role) const { return m_fonts[static_cast<int>(role)]; }
    void SetFont(CalendarFontRole role, const char* pszFace, int nPointSize, BOOL bBold, BOOL bItalic,
                 BOOL bUnderline, COLORREF crColour);
    HWND MeasuringWindow() const;
    void DrawTitle(HDC hdc);
    void DrawWeekdays(HDC hdc);
    void DrawDays(HDC hdc);
    void OpenPicker();
    void ClosePicker();
    void Redraw() const;

    CalendarMonth m_shown;
    std::array<CalendarFontSpec, kCalendarFontRoles> m_fonts;
    bool m_bFontsRealized = false;
    COLORREF m_crBackground;
    COLORREF m_crTitleBand;
    std::array<std::string, 12> m_monthNames;
    std::array<std::string, 7> m_weekdayTitles;
    int m_nWeekStart = 1;
    CalendarMetrics m_metrics;
    CalendarGeometry m_geometry; // from m_metrics
    bool m_bMetricsComputed = false;
    CalendarMonthBlock m_block;
    CalendarSelection m_selection;
    MarkDateCallback m_pfnMark = nullptr;

    bool m_bArrowHeld = false;
    bool m_bDragging = false;
    bool m_bPickerOpen = false;
    std::unique_ptr<CMonthPickerWnd> m_pPicker;
    UINT_PTR m_nPickerTimer = 0;
};
