// The panel in-process: its context menu, SET TIME greyed by the settings; how long it stays.
#include "app/AppSettings.h"
#include "framework/WndClass.h"
#include "panel/CClockPanel.h"
#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the main dialog: records the menu it is shown and closes it.
class CMenuOwner : public CWnd
{
public:
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM)
    {
        const HMENU hMenu = reinterpret_cast<HMENU>(wParam);
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[64] = {};
            ::GetMenuStringA(hMenu, i, szText, sizeof szText, MF_BYPOSITION);
            const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
            const std::string strGrey = (nState & MF_GRAYED) ? " (grey)" : "";
            m_items.push_back((nState & MF_SEPARATOR) ? "-" : szText + strGrey);
        }
        SetTimer(1, 50);
        return 0;
    }
    void OnTimer(UINT_PTR nId)
    {
        KillTimer(nId);
        ::EndMenu();
    }
    std::vector<std::string> m_items;

    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CMenuOwner, CWnd)
    MapMessage<WM_INITMENUPOPUP, &CMenuOwner::OnInitMenuPopup>(),
    MapTimer<&CMenuOwner::OnTimer>(),
END_MSG_MAP()

class ClockPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().SERVER[0] = "ntp.example";
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }

    CMenuOwner m_owner;
};

} // namespace

TEST_F(ClockPanel, TheMenuGreysSetTimeWithoutTimeSyncAndTheAutoHidePeriodFollowsTheTask)
{
    for (const int nUseNtp : {0, 1})
    {
        TheSettings().USE_NTP = nUseNtp;
        m_owner.m_items.clear();
        CClockPanel panel;
        ASSERT_TRUE(panel.Create(&m_owner, 0x40008, 0x50004, 3, 0, nullptr));
        panel.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel.m_hWnd), MAKELPARAM(500, 500));
        EXPECT_EQ((std::vector<std::string>{"ABOUT...", "-", nUseNtp ? "SET TIME" : "SET TIME (grey)", "-",
                                            "TIME TABLE...", "CONFIG...", "-", "&EXIT"}),
                  m_owner.m_items);
    }
    // -1 seconds stays open for about 49 days; the hot key's panel, without a task, ten seconds.
    for (const auto& [nSeconds, nPeriodMs] : {std::pair{30, 30000u}, {-1, 4294966296u}, {0, 10000u}})
    {
        TimeTask task;
        task.m_nShowSeconds = nSeconds;
        CClockPanel panel;
        ASSERT_TRUE(panel.Create(&m_owner, 0x40008, 0x50004, 3, 0, nSeconds != 0 ? &task : nullptr));
        EXPECT_EQ(nPeriodMs, panel.m_nAutoHidePeriodMs) << nSeconds;
    }
}
