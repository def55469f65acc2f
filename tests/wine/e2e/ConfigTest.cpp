// The configuration dialog end to end, from the panel's menu to the saved file.
#include "tests/wine/e2e/ProgramWindows.h"

#include <commctrl.h>

using ConfigDialog = ProgramTest;

TEST_F(ConfigDialog, TheMenusConfigShowsTheSettingsCentredAndBlueIsPreviewedAndSavedOnOk)
{
    Start("DRAW_SEC=250\r\n[NTP]\r\nSERVER1=ntp.example\r\nUSE_NTP=1\r\n", "", kPastReserved,
          ('T' << 16) | HOTKEYF_CONTROL | HOTKEYF_ALT); // Ctrl+Alt+T, which the hot key control can name
    ChooseFromPanelMenu({VK_UP, VK_UP, VK_RETURN}); // CONFIG...
    HWND hDialog = WaitForWindow("Tempiva 設定");
    ASSERT_NE(nullptr, hDialog);
    const RECT rcDialog = WindowRect(hDialog);
    EXPECT_NEAR(WorkArea().left + WorkArea().right, rcDialog.left + rcDialog.right, 1)
        << "centred: its owner is hidden";
    PictureWhenStill(hDialog, "config-dialog.png");

    HWND hScheme = ::GetDlgItem(hDialog, IDC_SCHEME);
    ::SendMessageA(hScheme, CB_SETCURSEL, 2, 0);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDC_SCHEME, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hScheme));
    const auto faceBackground = [&] {
        return CWindowPicture(::GetDlgItem(hDialog, IDC_PREVIEW), PictureSource::ScreenNow).At(140, 20);
    };
    EXPECT_TRUE(WaitUntil([&] { return faceBackground() == RGB(0, 0, 0); }, kWaitMs))
        << "Blue's, in the preview";
    ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDialog); }, kWaitMs));
    const auto file = [&] { return m_folder.Read("Tempiva.ini").value_or(""); }; // replaced whole
    EXPECT_TRUE(WaitUntil([&] { return file().find("RGB_BACK=000000\r\n") != std::string::npos; }, kWaitMs));
    for (const char* pszLine :
         {"RGB_ON=3FB5FF\r\n", "RGB_OFF=002249\r\n", "DRAW_SEC=250\r\n", "SERVER1=ntp.example\r\n"})
        EXPECT_NE(std::string::npos, file().find(pszLine)) << file();
}
