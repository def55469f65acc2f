// The About box end to end, the program started as a launcher might: by a name relative to another folder.
#include "tests/wine/e2e/ProgramWindows.h"

using AboutBox = ProgramTest;

TEST_F(AboutBox, ShowsTheProgramsVersionOnceAndTheSystemMenusBoxIsModal)
{
    Start("", "", kPastReserved, VK_F20 << 16, "programs\\Tempiva.exe");
    const auto aboutBoxes = [&] { return VisibleWindows("Tempivaのﾊﾞｰｼﾞｮﾝ情報"); };
    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    ASSERT_TRUE(WaitUntil([&] { return aboutBoxes().size() == 1; }, kWaitMs));
    const HWND hFirst = aboutBoxes()[0];
    EXPECT_EQ(TEMPIVA_PRODUCT_VERSION, WindowText(::GetDlgItem(hFirst, IDC_VERSION)));
    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hFirst) && aboutBoxes().size() == 1; }, kWaitMs))
        << "a second ABOUT replaces the box";

    ASSERT_TRUE(::PostMessageA(m_hMain, WM_SYSCOMMAND, IDM_ABOUTBOX, 0));
    EXPECT_TRUE(WaitUntil([&] { return aboutBoxes().size() == 2 && !::IsWindowEnabled(m_hMain); }, kWaitMs));
    // TearDown's EXIT finds both open.
}
