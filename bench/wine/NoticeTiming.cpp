// A timed run under Wine: the mean cost of one step of a task notice's scrolling text (the
// timer's one-pixel move and the repaint it asks for), as a notice shows a two-line Japanese
// page in the default font.
// Usage: notice_timing
#include "framework/Gdi.h"
#include "framework/WndClass.h"
#include "timetable/CScrollerCtrl.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr int kRounds = 2000;

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
    if (!host.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 100, 100, 151,
                       40, nullptr, nullptr))
        return 1;
    CScrollerCtrl scroller;
    if (!scroller.Create({0, 0, 151, 40}, &host, WS_CHILD | WS_VISIBLE, 1))
        return 1;
    scroller.CreateTextFont("ＭＳ Ｐゴシック", 9, FW_BOLD);
    scroller.SetText("会議の時間です\n第三会議室へ");
    scroller.SetWrap(FALSE);
    scroller.SetScrollDelay(0);
    ::UpdateWindow(scroller.m_hWnd); // the text is measured once, before the clock starts
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < kRounds; ++i)
    {
        // The rest timer's message ends any rest and moves on, so every round is one step.
        scroller.SendMessage(WM_TIMER, kPauseTimerId, 0);
        ::UpdateWindow(scroller.m_hWnd);
    }
    ::GdiFlush();
    ::QueryPerformanceCounter(&t1);
    std::printf("notice step: %.1f us (mean of %d)\n", Seconds(t0, t1) * 1e6 / kRounds, kRounds);
    return 0;
}
