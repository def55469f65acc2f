// The pop-up that holds the month calendar beside the clock panel: today selected, the
// program's colours and font, holidays and weekends marked. It slides in and out with the
// panel and is made afresh each time the panel opens without a task. Owned by the panel.
#pragma once

#include "calendar/CCalendarCtrl.h"
#include "framework/CWnd.h"

struct TimeTask;

constexpr UINT kCalendarCtrlId = 32999;

class CCalendarWnd : public CWnd
{
public:
    CCalendarWnd() = default;
    ~CCalendarWnd() override;

    // rect: a square as wide as the panel, its bottom one pixel above the panel's top. The
    // window takes its size from the calendar and keeps the rectangle's lower right; in the
    // top corners (nCorner 0, 1), where above would be off the screen, it goes below the
    // panel instead. The task is accepted for the panel's sake and not used.
    BOOL CreatePopup(CWnd* pPanel, const RECT& rect, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner,
                     int nAnimationMs, const TimeTask* pTask);

    // The calendar's mark callback: holidays first, then Sundays and Saturdays.
    static int MarkWeekendsAndHolidays(CCalendarCtrl* pCalendar, const CalendarDate& date);

    CCalendarCtrl m_calendar;

protected:
    int OnCreate(CREATESTRUCT* pcs);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM, LPARAM);
    // The system tells only top-level windows that the time, fonts or colours changed; the
    // calendar must hear it too, so that today's frame moves when the clock is set.
    template <UINT Msg> LRESULT OnSystemChange(WPARAM wParam, LPARAM lParam)
    {
        if (m_calendar.IsWindow())
            m_calendar.SendMessage(Msg, wParam, lParam);
        SetMsgHandled(false);
        return 0;
    }
    DECLARE_MSG_MAP()

private:
    void FitAroundCalendar();

    CWnd* m_pPanel = nullptr;
    DWORD m_dwShowFlags = 0x40008;
    DWORD m_dwHideFlags = 0x50004;
    int m_nAnimTime = 500;
    bool m_bBelowPanel = false;
};
