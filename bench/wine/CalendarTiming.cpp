// A timed run under Wine: the mean cost of one whole calendar paint (Draw of the control into a
// memory DC, marks asked for every cell) as the calendar window shows it: 10-point bold dates,
// Sundays and Saturdays marked.
// Usage: calendar_timing
#include "calendar/CCalendarCtrl.h"
#include "framework/Gdi.h"
#include "framework/WndClass.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr int kRounds = 2000;

int MarkWeekends(CCalendarCtrl* pCalendar, const CalendarDate& date)
{
    const int nWeekday = date.Weekday();
    if (nWeekday != 1 && nWeekday != 7)
        return 0;
    pCalendar->SetMarkedDateColour(nWeekday == 1 ? RGB(255, 0, 0) : RGB(0, 0, 255));
    return 1;
}

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

} // namespace

int main()
{
    CWnd host;
    if (!host.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 100, 100, 300, 300,
                       nullptr, nullptr))
        return 1;
    CCalendarCtrl calendar;
    calendar.SetMarkCallback(&MarkWeekends);
    calendar.SetDateFont("Tahoma", 10, TRUE, FALSE, FALSE, RGB(0, 0, 0));
    calendar.SetMarkedDateFont("Tahoma", 10, TRUE, FALSE, FALSE, RGB(255, 0, 0));
    calendar.SelectDate({2026, 12, 16});
    if (!calendar.Create(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, host, 32999))
        return 1;
    calendar.ResizeToFit();
    const RECT rc = calendar.GetClientRect();

    CClientDC screen(calendar);
    CMemoryDC dc(screen);
    CBitmap bitmap(::CreateCompatibleBitmap(screen, rc.right, rc.bottom));
    CSelectObject keep(dc, bitmap);
    calendar.Draw(dc); // fonts and metrics are made once, before the clock starts
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < kRounds; ++i)
        calendar.Draw(dc);
    ::GdiFlush();
    ::QueryPerformanceCounter(&t1);
    std::printf("calendar Draw (%ldx%ld): %.1f us (mean of %d)\n", rc.right, rc.bottom,
                Seconds(t0, t1) * 1e6 / kRounds, kRounds);
    return 0;
}
