// The configuration dialog end to end: CONFIG... from the panel's menu shows the settings with
// a live preview, the "Blue" scheme recolours it, and OK saves it. The dialog is the README's.
#include "tests/wine/e2e/ProgramWindows.h"

#include <commctrl.h>

namespace {

// The preview's face background, as the screen shows it.
COLORREF PreviewBackground(HWND hDialog)
{
    const RECT rc = WindowRect(::GetDlgItem(hDialog, IDC_PREVIEW));
    HDC hdc = ::GetDC(nullptr);
    const COLORREF cr = ::GetPixel(hdc, rc.left + 140, rc.top + 20);
    ::ReleaseDC(nullptr, hdc);
    return cr;
}

using ConfigDialog = ProgramTest;

} // namespace

TEST_F(ConfigDialog, TheMenusConfigShowsTheSettingsAndBlueIsSavedOnOk)
{
    // Ctrl+Alt+T: a key the hot key control can name, for the picture.
    Start(std::string(kPastTask) + kPastTask, "",
          "DRAW_SEC=250\r\n[NTP]\r\nSERVER1=ntp.example\r\nUSE_NTP=1\r\n",
          ('T' << 16) | HOTKEYF_CONTROL | HOTKEYF_ALT);
    ChooseFromPanelMenu(m_program, m_hMain, {VK_UP, VK_UP, VK_RETURN}); // CONFIG...
    HWND hDialog = WaitForDialog(m_program, "Tempiva 設定");
    ASSERT_NE(nullptr, hDialog);
    const RECT rcDialog = WindowRect(hDialog);
    EXPECT_NEAR(WorkArea().left + WorkArea().right, rcDialog.left + rcDialog.right, 1)
        << "centred: its owner is hidden";
    EXPECT_EQ("250", WindowText(::GetDlgItem(hDialog, IDC_DRAW_SEC)));
    EXPECT_EQ("ntp.example", WindowText(::GetDlgItem(hDialog, IDC_SERVER)));
    EXPECT_TRUE(WaitUntil([&] { return PreviewBackground(hDialog) == RGB(0xB3, 0xB7, 0x8B); }, kWaitMs));
    ScreenshotWhenStill(ClientOnScreen(hDialog), "config-dialog.png");

    HWND hScheme = ::GetDlgItem(hDialog, IDC_SCHEME);
    ::SendMessageA(hScheme, CB_SETCURSEL, 2, 0);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDC_SCHEME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hScheme));
    EXPECT_TRUE(WaitUntil([&] { return PreviewBackground(hDialog) == RGB(0, 0, 0); }, kWaitMs)) << "Blue's";
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
