// Acting inside a modal loop that a call is about to enter (a dialog's own, the system colour
// or font dialog's): a thread timer runs the steps in order while that loop waits. A step
// returns false to be tried again at the next tick (its window is not there yet); a step
// posts what would open a further modal loop, so it never blocks the ones after it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CTimerSteps
{
public:
    explicit CTimerSteps(std::vector<std::function<bool()>> steps, UINT nPeriodMs = 20)
        : m_steps(std::move(steps))
    {
        s_pActive = this;
        m_nTimer = ::SetTimer(nullptr, 0, nPeriodMs, &CTimerSteps::Tick);
    }
    ~CTimerSteps()
    {
        ::KillTimer(nullptr, m_nTimer);
        s_pActive = nullptr;
    }
    CTimerSteps(const CTimerSteps&) = delete;
    CTimerSteps& operator=(const CTimerSteps&) = delete;

    bool AllDone() const { return m_nNext == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        CTimerSteps* pSelf = s_pActive;
        if (pSelf == nullptr || pSelf->m_bInStep || pSelf->AllDone())
            return;
        pSelf->m_bInStep = true;
        if (pSelf->m_steps[pSelf->m_nNext]())
            ++pSelf->m_nNext;
        pSelf->m_bInStep = false;
    }

    inline static CTimerSteps* s_pActive = nullptr;
    std::vector<std::function<bool()>> m_steps;
    size_t m_nNext = 0;
    bool m_bInStep = false;
    UINT_PTR m_nTimer = 0;
};

// A visible dialog window of this thread other than hExcept, or none.
inline HWND FindThreadDialog(HWND hExcept = nullptr)
{
    struct Search
    {
        HWND hExcept;
        HWND hFound;
    } search{hExcept, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            char szClass[16] = {};
            ::GetClassNameA(hWnd, szClass, sizeof szClass);
            if (hWnd == pSearch->hExcept || std::string(szClass) != "#32770" || !::IsWindowVisible(hWnd))
                return TRUE;
            pSearch->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// A step that answers the next dialog of this thread (other than hExcept) with a button.
inline std::function<bool()> AnswerDialog(int nButtonId, HWND hExcept = nullptr)
{
    return [nButtonId, hExcept] {
        HWND hDialog = FindThreadDialog(hExcept);
        if (hDialog == nullptr)
            return false;
        ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nButtonId, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nButtonId)));
        return true;
    };
}
