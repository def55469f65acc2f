// The configuration dialog in-process. (Choosing "Blue" is tested end to end.)
#include "app/AppSettings.h"
#include "config/CColourPopup.h"
#include "config/CConfigDlg.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <set>
#include <tuple>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0); // cell 16 of the popup
// Where the LCD face shows its background and the dash of the date (Tempiva's bitmaps).
constexpr POINT kFaceBackground{140, 20};
constexpr POINT kDateDash{63, 13};
const char* const kRangeMessage = "0 から 10000 までの整数を入力してください。";

class ConfigDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().FONT_NAME = "ＭＳ Ｐゴシック";
        TheSettings().HOTKEY = static_cast<int>(VK_F14 << 16);
        TheSettings().SERVER[0] = "ntp.example";
    }

    INT_PTR Run(std::function<void()> action)
    {
        CTimerSteps timer({[&] { return ::IsWindowVisible(m_dlg.m_hWnd) && (action(), true); }});
        const INT_PTR nResult = m_dlg.DoModal();
        EXPECT_TRUE(timer.AllDone()) << "the dialog ended before the steps ran";
        return nResult;
    }

    HWND Item(int nId) const { return m_dlg.GetDlgItem(nId); }
    std::string Text(int nId) const
    {
        char sz[300] = {};
        ::GetWindowTextA(Item(nId), sz, sizeof sz);
        return sz;
    }
    bool Checked(int nId) const { return ::IsDlgButtonChecked(m_dlg.m_hWnd, nId) == BST_CHECKED; }
    COLORREF PreviewAt(POINT pt) const
    {
        return CWindowPicture(Item(IDC_PREVIEW), PictureSource::PrintClient).At(pt.x, pt.y);
    }

    CWinApp m_app;
    CFakeMessageBox m_box;
    CConfigDlg m_dlg{nullptr};
};

} // namespace

TEST_F(ConfigDialog, ShowsTheSettingsAndWritesThemBackOnOk)
{
    AppSettings& s = TheSettings();
    s.SHOWSTYLE = 5; // roll, vertical
    s.DRAW_SEC = 250;
    s.HOTKEY = (0x54 << 16) | HOTKEYF_CONTROL | HOTKEYF_ALT;
    s.RGB_BACK = 0x000000;
    s.RGB_ON = 0xFFB53F;
    s.RGB_OFF = 0x492200;
    s.FONT_SIZE = 11;
    s.SERVER = {"", "b.example", "c.example"};
    s.PORT = 10123;
    s.USE_NTP = 1;
    const AppSettings before = s;
    EXPECT_EQ(IDOK, Run([this] {
        EXPECT_TRUE(Checked(IDC_ROLL));
        EXPECT_TRUE(Checked(IDC_VERTICAL));
        EXPECT_EQ("250", Text(IDC_DRAW_SEC));
        EXPECT_EQ(MAKEWORD(0x54, HOTKEYF_CONTROL | HOTKEYF_ALT),
                  ::SendMessageA(Item(IDC_HOTKEY), HKM_GETHOTKEY, 0, 0));
        EXPECT_EQ(2, ::SendMessageA(Item(IDC_SCHEME), CB_GETCURSEL, 0, 0)) << "Blue";
        EXPECT_EQ(0xFFB53Fu, ControlOf<CColorButton>(m_dlg.m_hWnd, IDC_COLOUR_ON).GetColour());
        EXPECT_EQ("b.example", Text(IDC_SERVER)) << "the first server that is set";
        EXPECT_EQ(2, ::SendMessageA(Item(IDC_SERVER), CB_GETCOUNT, 0, 0));
        EXPECT_EQ("10123", Text(IDC_PORT));
        EXPECT_TRUE(Checked(IDC_USE_NTP));
        EXPECT_TRUE(::IsWindowEnabled(Item(IDC_SERVER)));
        EXPECT_EQ(0x000000u, PreviewAt(kFaceBackground));
        EXPECT_EQ(0xFFB53Fu, PreviewAt(kDateDash));
        ::SetWindowTextA(Item(IDC_SERVER), "C.EXAMPLE");
        // A hot key another program holds keeps the dialog open and stores nothing.
        ASSERT_TRUE(::RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 0x54));
        m_dlg.SendMessage(WM_COMMAND, IDOK);
        ::UnregisterHotKey(nullptr, 9);
        EXPECT_EQ(std::vector<std::string>{kHotKeyRefusedText}, m_box.m_texts);
        EXPECT_TRUE(::IsWindowVisible(m_dlg.m_hWnd));
        EXPECT_EQ("c.example", TheSettings().SERVER[2]);
        m_dlg.SendMessage(WM_COMMAND, IDOK);
    }));
    const std::array<std::string, kServerCount> servers = {"C.EXAMPLE", "b.example"};
    EXPECT_EQ(servers, s.SERVER) << "SERVER1 was empty; the typed name replaces c.example, whatever its case";
    const auto kept = [](const AppSettings& a) {
        return std::tie(a.SHOWSTYLE, a.DRAW_SEC, a.HOTKEY, a.RGB_BACK, a.RGB_ON, a.RGB_OFF, a.FONT_SIZE, a.FONT_NAME,
                        a.PORT, a.USE_NTP);
    };
    EXPECT_EQ(kept(before), kept(s));
}

TEST_F(ConfigDialog, SwitchesGovernTheirGroupsAndTypedFieldsSurviveSchemeAndColourChangesTillOkChecksThem)
{
    TheSettings().USE_NTP = 1;
    const AppSettings before = TheSettings();
    EXPECT_EQ(IDOK, Run([&] {
        ::SetWindowTextA(Item(IDC_DRAW_SEC), "10001");
        ::SetWindowTextA(Item(IDC_PORT), "555");
        ::SendMessageA(Item(IDC_HORIZONTAL), BM_CLICK, 0, 0);
        ::SendMessageA(Item(IDC_FADE), BM_CLICK, 0, 0);
        for (const int nId : {IDC_DIRECTION_GROUP, IDC_HORIZONTAL, IDC_VERTICAL})
            EXPECT_FALSE(::IsWindowEnabled(Item(nId))) << nId;
        ::SendMessageA(Item(IDC_ROLL), BM_CLICK, 0, 0);
        ::SendMessageA(Item(IDC_USE_NTP), BM_CLICK, 0, 0);
        std::set<std::string> disabled;
        for (HWND hChild = ::GetWindow(m_dlg.m_hWnd, GW_CHILD); hChild;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            if (::IsWindowEnabled(hChild))
                continue;
            char szText[32] = {};
            ::GetWindowTextA(hChild, szText, sizeof szText);
            const int nId = ::GetDlgCtrlID(hChild);
            disabled.insert(nId == IDC_STATIC || nId == 0xFFFF ? std::string(szText) : std::to_string(nId));
        }
        EXPECT_EQ((std::set<std::string>{"1021", "1023", "NTP Server:"}), disabled);
        ::SendMessageA(Item(IDC_SCHEME), CB_SETCURSEL, 3, 0); // "Green"
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SCHEME, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(Item(IDC_SCHEME)));
        EXPECT_EQ("10001", Text(IDC_DRAW_SEC));
        EXPECT_EQ("555", Text(IDC_PORT));
        EXPECT_TRUE(Checked(IDC_HORIZONTAL));

        ::SendMessageA(Item(IDC_COLOUR_ON), BM_CLICK, 0, 0);
        const std::vector<CColourPopup*> popups = ThreadWindowsOf<CColourPopup>();
        ASSERT_EQ(1u, popups.size());
        const PopupRect rc = CellRect(popups[0]->Layout(), 16);
        popups[0]->SendMessage(WM_MOUSEMOVE, 0,
                               MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
        popups[0]->SendMessage(WM_KEYDOWN, VK_RETURN);
        EXPECT_EQ(kRed, PreviewAt(kDateDash)) << "the preview takes the picked colour";
        EXPECT_TRUE(m_box.m_texts.empty()) << "picking a colour checks no field";
        EXPECT_EQ("10001", Text(IDC_DRAW_SEC));
        // "Automatic" for the background: the grey its swatch shows is what counts.
        ::SendMessageA(Item(IDC_COLOUR_BACK), BM_CLICK, 0, 0);
        ThreadWindowsOf<CColourPopup>().at(0)->SendMessage(WM_KEYDOWN, VK_UP);
        ThreadWindowsOf<CColourPopup>().at(0)->SendMessage(WM_KEYDOWN, VK_SPACE);
        EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), PreviewAt(kFaceBackground));

        m_dlg.SendMessage(WM_COMMAND, IDOK);
        ::SetWindowTextA(Item(IDC_DRAW_SEC), "-1");
        m_dlg.SendMessage(WM_COMMAND, IDOK);
        EXPECT_EQ((std::vector<std::string>{kRangeMessage, "正の整数を入力してください。"}), m_box.m_texts);
        EXPECT_TRUE(::IsWindowVisible(m_dlg.m_hWnd));
        EXPECT_EQ(before.RGB_ON, TheSettings().RGB_ON) << "nothing is stored before the fields are right";
        ::SetWindowTextA(Item(IDC_DRAW_SEC), " 10000 ");
        m_dlg.SendMessage(WM_COMMAND, IDOK);
    }));
    // Roll with the direction kept while fade disabled it; Green's "off" colour; and the automatic
    // background's grey: no file can hold CLR_DEFAULT.
    const AppSettings& s = TheSettings();
    EXPECT_EQ(std::make_tuple(0, 10000, 555, 1, kRed, 0x1E6700u, ::GetSysColor(COLOR_APPWORKSPACE)),
              std::tie(s.USE_NTP, s.DRAW_SEC, s.PORT, s.SHOWSTYLE, s.RGB_ON, s.RGB_OFF, s.RGB_BACK));
}
