// The About box end to end, the program started as a launcher might start it, by a name
// relative to some other folder: ABOUT... shows the program's own version all the same and a
// second ABOUT replaces the box; the system menu's item runs a modal one beside it; EXIT ends
// the program with 0 while both are open.
#include "tests/wine/e2e/ProgramWindows.h"

namespace {

class AboutBox : public ProgramTest
{
protected:
    std::vector<HWND> Boxes() const
    {
        std::vector<HWND> boxes;
        for (HWND hWnd : m_program.Windows())
            if (::IsWindowVisible(hWnd) && WindowText(hWnd) == "Tempivaのﾊﾞｰｼﾞｮﾝ情報")
                boxes.push_back(hWnd);
        return boxes;
    }
};

} // namespace

TEST_F(AboutBox, ShowsTheProgramsVersionOnceAndTheSystemMenusBoxIsModal)
{
    m_folder.Write("TimeTable.ini", std::string("[TIMETABLE_RESERVE]\r\n") + kPastTask + kPastTask);
    m_folder.Write("Tempiva.ini", "[TEMPIVA]\r\nHOTKEY=" + std::to_string(VK_F20 << 16) + "\r\n");
    ASSERT_TRUE(m_program.Start(ExeBesideMe("Tempiva.exe"), "programs\\Tempiva.exe"));
    ASSERT_NE(nullptr, m_hMain = m_program.WaitForMainDialog(kWaitMs));

    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    ASSERT_TRUE(WaitUntil([&] { return Boxes().size() == 1; }, kWaitMs));
    const HWND hFirst = Boxes()[0];
    EXPECT_EQ(TEMPIVA_PRODUCT_VERSION, WindowText(::GetDlgItem(hFirst, IDC_VERSION)));
    ASSERT_TRUE(m_program.SendCommand(ID_APP_ABOUT));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hFirst) && Boxes().size() == 1; }, kWaitMs))
        << "a second ABOUT replaces the box";

    ASSERT_TRUE(::PostMessageA(m_hMain, WM_SYSCOMMAND, IDM_ABOUTBOX, 0));
    EXPECT_TRUE(WaitUntil([&] { return Boxes().size() == 2 && !::IsWindowEnabled(m_hMain); }, kWaitMs));
    // TearDown's EXIT finds both open.
}
