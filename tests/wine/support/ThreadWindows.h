// The windows a call made (a notice, the calendar) among this thread's, and a message pump.
#pragma once

#include "framework/CWnd.h"

#include <functional>
#include <vector>

// This thread's top-level windows whose objects are of class T, in the system's order.
template <typename T> std::vector<T*> ThreadWindowsOf()
{
    std::vector<T*> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (auto* pWnd = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd)))
                reinterpret_cast<std::vector<T*>*>(lParam)->push_back(pWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

template <typename T> T* ShowingWindowOf()
{
    for (T* pWnd : ThreadWindowsOf<T>())
        if (::IsWindowVisible(pWnd->m_hWnd))
            return pWnd;
    return nullptr;
}

template <typename T> T& ControlOf(HWND hDialog, int nId)
{
    return *dynamic_cast<T*>(CWnd::FromHandlePermanent(::GetDlgItem(hDialog, nId)));
}

// Drops this thread's pending messages: a quit one test posted must not end the next test's loop.
inline void DiscardMessages()
{
    for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
        continue;
}

// Dispatches this thread's messages until done() holds or the time is up.
inline void PumpMessages(DWORD nMs, const std::function<bool()>& done = {})
{
    const ULONGLONG nEnd = ::GetTickCount64() + nMs;
    while (::GetTickCount64() < nEnd && !(done && done()))
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(5);
    }
}
