// The notice of a task: a pop-up as wide as the clock panel, three lines of the notice font
// high, stacked on the panel or on the notice before it, its text scrolling page by page.
// Owned by the clock panel, which closes it with WM_CLOSE and then deletes it.
#pragma once

#include "framework/CWnd.h"
#include "framework/Gdi.h"
#include "timetable/CScrollerCtrl.h"

#include <cstddef>
#include <string>
#include <vector>

struct TimeTask;

constexpr UINT kNoticeScrollerId = 1;

class CTaskNoticeWnd : public CWnd
{
public:
    CTaskNoticeWnd() = default;
    ~CTaskNoticeWnd() override;

    // rect: as wide as the panel, its bottom one pixel above what the notice stacks on; the
    // notice keeps the width, takes its own height and ends on the row just above that.
    // pPanel's window owns the pop-up. In the top corners (nCorner 0, 1) the notice hangs from the
    // rectangle's top, elsewhere it stands on the pixel below the rectangle's bottom.
    // The task is read during the call only. FALSE, and no window, for a text with no page.
    BOOL Create(CWnd* pPanel, const RECT& rect, DWORD dwShowFlags, DWORD dwHideFlags, int nCorner,
                int nAnimationMs, const TimeTask* pTask);

    CScrollerCtrl m_scroller;

protected:
    int OnCreate(CREATESTRUCT* pcs);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM);
    void OnScrolledOut();
    DECLARE_MSG_MAP()

private:
    int MeasureThreeLines() const;
    void SetUpScroller();

    CWnd* m_pPanel = nullptr; // its window owns ours
    const TimeTask* m_pTask = nullptr; // during Create only
    std::vector<std::string> m_pages;
    std::size_t m_nNextPage = 1;
    CFont m_font;
    CBrush m_brush; // the background: the frame around the scroller
    DWORD m_dwShowFlags = 0x40008;
    DWORD m_dwHideFlags = 0x50004;
    int m_nAnimTime = 500;
    bool m_bHangFromTop = false;
};
