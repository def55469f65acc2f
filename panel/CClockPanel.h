// The pop-up that carries the LCD clock in a corner of the work area, with its companions:
// the calendar above it (hot key) or columns of task notices above it. It animates in and
// out and hides itself when the pointer is elsewhere. Owned by the main dialog.
#pragma once

#include "framework/CWnd.h"
#include "panel/CClockST.h"
#include "panel/PanelLayout.h"

#include <memory>
#include <vector>

struct TimeTask;

constexpr UINT_PTR kAutoHideTimerId = 19671;

class CClockPanel : public CWnd
{
public:
    CClockPanel() = default;
    ~CClockPanel() override;

    // pTask: the task the panel opens for, or none (the hot key: the calendar opens).
    BOOL Create(CWnd* pOwner, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner, int nAnimationMs,
                const TimeTask* pTask);
    BOOL AddNotice(const TimeTask* pTask);
    // Closes the notices, the calendar and the panel, each with its exit animation.
    void CloseAll();

    // The work area of the monitor with the taskbar, less an auto-hide bar on its edge.
    static BOOL GetWorkArea(RECT& rcWork);
    static bool IsCursorOver(HWND hWnd);

    CClockST m_clock;
    UINT m_nAutoHidePeriodMs = 0;

protected:
    int OnCreate(CREATESTRUCT* pcs);
    void OnTimer(UINT_PTR nIdEvent);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM, LPARAM);
    DECLARE_MSG_MAP()

private:
    void OpenCalendar();
    RECT PlacePanel(int nWidth, int nHeight, const RECT& rcUnplaced) const;
    // GetWorkArea's, else the primary monitor's: the panel and its notices share it.
    static RECT WorkArea();

    CWnd* m_pOwner = nullptr;
    DWORD m_dwShowFlags = 0x40008;
    DWORD m_dwHideFlags = 0x50004;
    int m_nCorner = 3;
    int m_nAnimationMs = 500;
    const TimeTask* m_pTask = nullptr; // during Create only
    // Filled by the notice and calendar windows; each closes through CloseAll.
    std::vector<std::unique_ptr<CWnd>> m_notices;
    std::unique_ptr<CWnd> m_pCalendar;
};
