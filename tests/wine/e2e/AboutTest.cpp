// The About box end to end: ABOUT... shows the program's own version, also when its first
// command-line argument names no file; a second ABOUT replaces the box; the system menu's item
// runs one modally; EXIT ends the program cleanly with either open.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kWaitMs = 10000;
const char* const kAboutCaption = "Tempivaのﾊﾞｰｼﾞｮﾝ情報";
const char* const kPastTask = "2020  1  1  *  0  0  *  *      *      *  \"\"\r\n";

class AboutBox : public ::testing::Test
{
protected:
    // Started as a launcher might start it: by a name relative to some other folder.
    void Start()
    {
        m_folder.Write("TimeTable.ini", std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + kPastTask +
                                            "[TIMETABLE]\r\n");
        m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F19 << 16) + "\r\n");
        ASSERT_TRUE(m_program.Start(ExeBesideMe("Tempiva.exe"), "programs\\Tempiva.exe"));
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
    }
    // The one About box on the screen, once there is exactly one and it is not hNot.
    HWND WaitForOneBox(HWND hNot = nullptr) const
    {
        std::vector<HWND> boxes;
        WaitUntil(
            [&] {
                boxes.clear();
                for (HWND hWnd : m_program.Windows())
                    if (::IsWindowVisible(hWnd) && WindowText(hWnd) == kAboutCaption)
                        boxes.push_back(hWnd);
                return boxes.size() == 1 && boxes[0] != hNot;
            },
            kWaitMs);
        return boxes.size() == 1 && boxes[0] != hNot ? boxes[0] : nullptr;
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};

} // namespace

TEST_F(AboutBox, AboutShowsTheProgramsVersionAndASecondOneReplacesTheBox)
{
    ::SetCursorPos(1200, 1000);
    Start();
    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    const HWND hFirst = WaitForOneBox();
    ASSERT_NE(nullptr, hFirst);
    EXPECT_EQ(TEMPIVA_PRODUCT_VERSION, WindowText(::GetDlgItem(hFirst, IDC_VERSION)));
    ::Sleep(4000); // the first link text wholly in
    RECT rcClient{};
    ::GetClientRect(hFirst, &rcClient);
    ::MapWindowPoints(hFirst, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcClient), 2);
    Screenshot(rcClient, "about.png");

    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    const HWND hSecond = WaitForOneBox(hFirst);
    ASSERT_NE(nullptr, hSecond);
    EXPECT_FALSE(::IsWindow(hFirst));
    // TearDown's EXIT finds the box open and must still end with 0.
}

TEST_F(AboutBox, TheSystemMenuItemRunsAModalBoxThatOkAndExitBothEnd)
{
    Start();
    for (bool bExit : {false, true})
    {
        SCOPED_TRACE(bExit ? "EXIT" : "OK");
        ASSERT_TRUE(::PostMessageA(m_hMain, WM_SYSCOMMAND, IDM_ABOUTBOX, 0));
        const HWND hBox = WaitForOneBox();
        ASSERT_NE(nullptr, hBox);
        EXPECT_FALSE(::IsWindowEnabled(m_hMain)) << "modal";
        if (bExit)
            break; // TearDown sends EXIT while the box runs
        ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hBox) && ::IsWindowEnabled(m_hMain); }, kWaitMs));
    }
}
