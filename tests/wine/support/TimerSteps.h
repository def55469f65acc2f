// Steps run by a thread timer inside the modal loop a call enters. A step returns false to be tried
// again (its window is not there yet), and posts what opens a further loop, so as not to block the rest.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

class CTimerSteps
{
public:
    explicit CTimerSteps(std::vector<std::function<bool()>> steps) : m_steps(std::move(steps))
    {
        s_pActive = this;
        m_nTimer = ::SetTimer(nullptr, 0, 20, &CTimerSteps::Tick);
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
        pSelf->m_nNext += pSelf->m_steps[pSelf->m_nNext]() ? 1 : 0;
        pSelf->m_bInStep = false;
    }

    inline static CTimerSteps* s_pActive = nullptr;
    std::vector<std::function<bool()>> m_steps;
    size_t m_nNext = 0;
    bool m_bInStep = false;
    UINT_PTR m_nTimer = 0;
};

// A step that answers the first visible dialog window of this thread with a button.
inline std::function<bool()> AnswerDialog(int nButtonId)
{
    return [nButtonId] {
        HWND hFound = nullptr;
        const auto look = [](HWND hWnd, LPARAM lParam) -> BOOL {
            char szClass[8] = {};
            ::GetClassNameA(hWnd, szClass, sizeof szClass);
            const bool bDialog = ::IsWindowVisible(hWnd) && std::string_view(szClass) == "#32770";
            if (bDialog)
                *reinterpret_cast<HWND*>(lParam) = hWnd;
            return !bDialog;
        };
        ::EnumThreadWindows(::GetCurrentThreadId(), look, reinterpret_cast<LPARAM>(&hFound));
        if (hFound != nullptr)
            ::PostMessageA(hFound, WM_COMMAND, MAKEWPARAM(nButtonId, BN_CLICKED), 0);
        return hFound != nullptr;
    };
}
