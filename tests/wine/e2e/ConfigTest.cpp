// The configuration dialog end to end: CONFIG... from the panel's menu shows the settings,
// "Blue" recolours the preview and is saved on OK, and EXIT from the menu while the dialog
// runs ends the program cleanly. The dialog and its open colour popup are the README's.
#include "res/resource.h"
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "tests/wine/support/Screenshot.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr DWORD kWaitMs = 10000;
const char* const kTimed = "   *  *  *  * 12 00  *  *      *      *  \"\"\r\n";
// Where the LCD face shows its background, from the preview's top left.
constexpr POINT kFaceBackground{140, 20};

// The colour popup: a top-level pop-up of the program's own classes that is no tool window.
HWND FindColourPopup(const CProgramUnderTest& program)
{
    for (HWND hWnd : program.Windows())
        if (::IsWindowVisible(hWnd) && WindowClass(hWnd).rfind("Tempiva:", 0) == 0 &&
            (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) == 0 &&
            (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0)
            return hWnd;
    return nullptr;
}

// The client area on the screen: without a window manager nobody draws the caption.
RECT ClientOnScreen(HWND hWnd)
{
    RECT rc{};
    ::GetClientRect(hWnd, &rc);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

COLORREF ScreenPixel(int x, int y)
{
    HDC hdc = ::GetDC(nullptr);
    const COLORREF cr = ::GetPixel(hdc, x, y);
    ::ReleaseDC(nullptr, hdc);
    return cr;
}

class ConfigEndToEnd : public ::testing::Test
{
protected:
    void Start(const std::string& strSettings, int nHotKey = VK_F21 << 16)
    {
        m_folder.Write("TimeTable.ini",
                       std::string("[TIMETABLE_RESERVE]\r\n") + kTimed + kTimed + "[TIMETABLE]\r\n");
        m_folder.Write("Tempiva.ini",
                       "[TEMPIVA]\r\nHOTKEY=" + std::to_string(nHotKey) + "\r\n" + strSettings);
        ASSERT_TRUE(m_program.Start());
        m_hMain = m_program.WaitForMainDialog(kWaitMs);
        ASSERT_NE(nullptr, m_hMain);
    }
    // Opens the panel with the hot key, right-clicks it and works its menu by keys.
    void ChooseFromPanelMenu(const std::vector<UINT>& keyDowns, char chMnemonic = 0)
    {
        ::PostMessageA(m_hMain, WM_HOTKEY, 1, 0);
        HWND hPanel = WaitForPanel(m_program);
        ASSERT_NE(nullptr, hPanel);
        ::PostMessageA(hPanel, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hPanel), MAKELPARAM(400, 400));
        HWND hMenu = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (hMenu = FindWindowOf(m_program, "#32768", "")) != nullptr; }, kWaitMs));
        for (const UINT nKey : keyDowns)
            ::PostMessageA(hMenu, WM_KEYDOWN, nKey, 0);
        if (chMnemonic != 0)
            ::PostMessageA(hMenu, WM_CHAR, static_cast<WPARAM>(chMnemonic), 0);
    }
    // The preview's face background, as the screen shows it.
    static COLORREF PreviewBackground(HWND hDialog)
    {
        const RECT rc = WindowRect(::GetDlgItem(hDialog, IDC_PREVIEW));
        return ScreenPixel(rc.left + kFaceBackground.x, rc.top + kFaceBackground.y);
    }
    void TearDown() override { ExitProgram(m_program, kWaitMs); }

    CScratchFolder m_folder;
    CProgramUnderTest m_program{m_folder};
    HWND m_hMain = nullptr;
};

} // namespace

TEST_F(ConfigEndToEnd, TheMenusConfigShowsTheSettingsAndBlueIsSavedOnOk)
{
    ::SetCursorPos(0, 0);
    // Ctrl+Alt+T: a key the hot key control can name, for the picture.
    Start("DRAW_SEC=250\r\n[NTP]\r\nSERVER1=ntp.example\r\nUSE_NTP=1\r\n",
          ('T' << 16) | HOTKEYF_CONTROL | HOTKEYF_ALT);
    ChooseFromPanelMenu({VK_UP, VK_UP, VK_RETURN}); // from the end: &EXIT, then CONFIG...
    HWND hDialog = WaitForConfigDialog(m_program);
    ASSERT_NE(nullptr, hDialog);
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const RECT rcDialog = WindowRect(hDialog);
    EXPECT_NEAR(rcWork.left + rcWork.right, rcDialog.left + rcDialog.right, 1)
        << "centred: its owner is hidden";
    EXPECT_EQ("250", WindowText(::GetDlgItem(hDialog, IDC_DRAW_SEC)));
    EXPECT_EQ("Default", WindowText(::GetDlgItem(hDialog, IDC_SCHEME)));
    EXPECT_EQ("ntp.example", WindowText(::GetDlgItem(hDialog, IDC_SERVER)));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(::GetDlgItem(hDialog, IDC_USE_NTP), BM_GETCHECK, 0, 0));
    EXPECT_EQ(MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_ALT),
              ::SendMessageA(::GetDlgItem(hDialog, IDC_HOTKEY), HKM_GETHOTKEY, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return PreviewBackground(hDialog) == RGB(0xB3, 0xB7, 0x8B); }, kWaitMs));
    ::Sleep(1000); // the controls' first paint
    Screenshot(ClientOnScreen(hDialog), "config-dialog.png");

    HWND hScheme = ::GetDlgItem(hDialog, IDC_SCHEME);
    ::SendMessageA(hScheme, CB_SETCURSEL, 2, 0);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDC_SCHEME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hScheme));
    EXPECT_TRUE(WaitUntil([&] { return PreviewBackground(hDialog) == RGB(0, 0, 0); }, kWaitMs))
        << "Blue's background";

    ::PostMessageA(::GetDlgItem(hDialog, IDC_COLOUR_ON), BM_CLICK, 0, 0);
    HWND hPopup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hPopup = FindColourPopup(m_program)) != nullptr; }, kWaitMs));
    ::Sleep(500); // its first paint
    RECT rcBoth = ClientOnScreen(hDialog);
    const RECT rcPopup = WindowRect(hPopup);
    rcBoth.right = std::max(rcBoth.right, rcPopup.right);
    rcBoth.bottom = std::max(rcBoth.bottom, rcPopup.bottom);
    Screenshot(rcBoth, "config-colour-popup.png");
    ::PostMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hPopup); }, kWaitMs));

    ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDialog); }, kWaitMs));
    // The save follows the dialog's end.
    std::string strFile;
    const auto saved = [&] {
        strFile = m_folder.Read("Tempiva.ini").value_or("");
        for (const char* pszLine :
             {"RGB_BACK=000000\r\n", "RGB_ON=3FB5FF\r\n", "RGB_OFF=002249\r\n", "DRAW_SEC=250\r\n"})
            if (strFile.find(pszLine) == std::string::npos)
                return false;
        return true;
    };
    EXPECT_TRUE(WaitUntil(saved, kWaitMs)) << strFile;
}

TEST_F(ConfigEndToEnd, ExitFromThePanelMenuWhileTheDialogRunsEndsTheProgramCleanly)
{
    ::SetCursorPos(0, 0);
    Start("");
    ASSERT_TRUE(m_program.SendCommand(ID_CONFIG));
    HWND hDialog = WaitForConfigDialog(m_program);
    ASSERT_NE(nullptr, hDialog);
    ChooseFromPanelMenu({}, 'E');
    EXPECT_EQ(std::optional<DWORD>(0), m_program.WaitForExit(kWaitMs));
    EXPECT_NE(std::string::npos, m_folder.Read("Tempiva.ini").value_or("").find("USE_NTP=0\r\n"))
        << "saved at the end";
}
