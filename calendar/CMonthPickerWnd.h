// The pop-up list of months that opens while the button is held on the calendar's title: the
// row level with the pointer is highlighted and picked on release, and the list scrolls when
// the pointer is held beyond its top or bottom. Owned by the calendar for one press; the
// calendar keeps the mouse and hands the pointer's messages on through TrackCursor.
#pragma once

#include "calendar/MonthPickerModel.h"
#include "framework/CWnd.h"

#include <string>

class CCalendarCtrl;

class CMonthPickerWnd : public CWnd
{
public:
    CMonthPickerWnd();
    ~CMonthPickerWnd() override;

    // Odd and at least 3, else ignored.
    void SetRowCount(int nRows);
    int RowCount() const { return m_nRows; }
    // Taken when none (nullptr) or when the calendar's window exists; it supplies the month
    // names and the date font.
    void SetOwnerCalendar(CCalendarCtrl* pCalendar);
    // Month and year taken independently when in range, as ShowMonth does.
    void SetCentreMonth(int nMonth, int nYear);
    CalendarMonth CentreMonth() const { return m_scroll.m_centre; }
    // The row level with the pointer at the last paint; the current month before any.
    CalendarMonth HighlightedMonth() const { return m_highlighted; }

    // Sizes the list for its texts and centres it on where the current message happened.
    void PlaceAtCursor();
    // Auto-scrolls on the pointer's movements and the calendar's ticks; other messages pass.
    void TrackCursor(const MSG* pMsg);
    void ScrollEarlier(int n);
    void ScrollLater(int n);

    // The height of a row, measured in the owner's date font.
    int RowHeight();

protected:
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    DECLARE_MSG_MAP()

private:
    std::string MonthName(int nMonth) const;
    HFONT Font() const;
    void Paint(HDC hdc);

    static constexpr COLORREF kBackground = RGB(255, 255, 255);
    static constexpr COLORREF kText = RGB(0, 0, 0);

    int m_nRows = kDefaultPickerRows;
    CalendarMonth m_highlighted;
    CCalendarCtrl* m_pOwner = nullptr; // not owned
    MonthPickerScroll m_scroll;
};
