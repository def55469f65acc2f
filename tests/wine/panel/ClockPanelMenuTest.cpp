// The panel's context menu in-process: its items in order, SET TIME greyed by the settings,
// and the chosen command sent to the owner.
#include "app/AppSettings.h"
#include "framework/WndClass.h"
#include "panel/CClockPanel.h"
#include "res/resource.h"
#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the main dialog: records the menu it is shown and answers it with a key.
class CMenuOwner : public CWnd
{
public:
    std::vector<std::string> m_items;
    std::vector<UINT> m_commands;
    WPARAM m_nKey = 0; // a mnemonic to choose, or 0 to close the menu

    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM)
    {
        HMENU hMenu = reinterpret_cast<HMENU>(wParam);
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[64] = {};
            MENUITEMINFOA mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING;
            mii.dwTypeData = szText;
            mii.cch = sizeof szText;
            ::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &mii);
            if (mii.fType & MFT_SEPARATOR)
                m_items.push_back("-");
            else
                m_items.push_back(std::string(szText) + ((mii.fState & MFS_GRAYED) ? " (grey)" : ""));
        }
        SetTimer(1, 50);
        return 0;
    }
    void OnTimer(UINT_PTR nId)
    {
        KillTimer(nId);
        if (m_nKey != 0)
            ::PostMessageA(m_hWnd, WM_CHAR, m_nKey, 0);
        else
            ::EndMenu();
    }
    LRESULT OnCommand(WPARAM wParam, LPARAM)
    {
        m_commands.push_back(LOWORD(wParam));
        return 0;
    }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CMenuOwner, CWnd)
    MapMessage<WM_INITMENUPOPUP, &CMenuOwner::OnInitMenuPopup>(),
    MapTimer<&CMenuOwner::OnTimer>(),
    MapMessage<WM_COMMAND, &CMenuOwner::OnCommand>(),
END_MSG_MAP()

class ClockPanelMenu : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().SERVER[0] = "ntp.example";
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void OpenMenu()
    {
        ASSERT_TRUE(m_panel.Create(&m_owner, 0x40008, 0x50004, 3, 0, nullptr));
        m_panel.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_panel.m_hWnd), MAKELPARAM(500, 500));
    }

    CMenuOwner m_owner;
    CClockPanel m_panel;
};

} // namespace

TEST_F(ClockPanelMenu, ListsTheFiveCommandsWithSetTimeGreyWithoutTimeSync)
{
    for (const int nUseNtp : {0, 1})
    {
        TheSettings().USE_NTP = nUseNtp;
        m_owner.m_items.clear();
        OpenMenu();
        EXPECT_EQ((std::vector<std::string>{"ABOUT...", "-", nUseNtp ? "SET TIME" : "SET TIME (grey)", "-",
                                            "TIME TABLE...", "CONFIG...", "-", "&EXIT"}),
                  m_owner.m_items);
        m_panel.DestroyWindow();
    }
}

TEST_F(ClockPanelMenu, TheChosenCommandGoesToTheOwner)
{
    m_owner.m_nKey = 'e';
    OpenMenu();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    const std::vector<UINT> expected = {ID_APP_EXIT};
    EXPECT_EQ(expected, m_owner.m_commands);
}

TEST_F(ClockPanelMenu, TheAutoHidePeriodFollowsTheTask)
{
    TimeTask task;
    task.m_nShowSeconds = 30;
    ASSERT_TRUE(m_panel.Create(&m_owner, 0x40008, 0x50004, 3, 0, &task));
    EXPECT_EQ(30000u, m_panel.m_nAutoHidePeriodMs);
    CClockPanel forever;
    task.m_nShowSeconds = -1;
    ASSERT_TRUE(forever.Create(&m_owner, 0x40008, 0x50004, 3, 0, &task));
    EXPECT_EQ(4294966296u, forever.m_nAutoHidePeriodMs) << "-1 seconds stays open for about 49 days";
    CClockPanel hotKey;
    ASSERT_TRUE(hotKey.Create(&m_owner, 0x40008, 0x50004, 3, 0, nullptr));
    EXPECT_EQ(10000u, hotKey.m_nAutoHidePeriodMs);
}
