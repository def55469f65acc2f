// The framework's windows and dialogs in real windows: typed maps, the handled flag,
// reflection to controls, subclassing, and modal loops that other commands end.
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/ModulePath.h"
#include "framework/WndClass.h"
#include "tests/wine/support/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr UINT kTestDialog = 900;
constexpr UINT kChildButton = 1001;
constexpr UINT WM_APP_PROBE = WM_APP + 1;

class CProbeWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    bool m_bRefuseCreate = false;
    bool m_bPassProbe = false;

    int OnCreate(CREATESTRUCT* pcs)
    {
        m_log.push_back(std::string("create:") + pcs->lpszName);
        return m_bRefuseCreate ? -1 : 0;
    }
    void OnTimer(UINT_PTR nId) { m_log.push_back("timer:" + std::to_string(nId)); }
    LRESULT OnProbe(WPARAM w, LPARAM)
    {
        m_log.push_back("probe");
        if (m_bPassProbe)
            SetMsgHandled(false);
        return static_cast<LRESULT>(w) * 2;
    }
    void OnCommandRange(UINT nId) { m_log.push_back("range:" + std::to_string(nId)); }
    void OnExact() { m_log.push_back("exact"); }

    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CProbeWnd, CWnd)
    MapCreate<&CProbeWnd::OnCreate>(),
    MapTimer<&CProbeWnd::OnTimer>(),
    MapMessage<WM_APP_PROBE, &CProbeWnd::OnProbe>(),
    MapCommand<200, &CProbeWnd::OnExact>(),
    MapCommandRange<200, 210, &CProbeWnd::OnCommandRange>(),
END_MSG_MAP()

// A derived window whose own entry comes before its base's.
class CDerivedProbe : public CProbeWnd
{
public:
    void OnExactHere() { m_log.push_back("derived"); }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CDerivedProbe, CProbeWnd)
    MapCommand<200, &CDerivedProbe::OnExactHere>(),
END_MSG_MAP()

BOOL CreateProbe(CWnd& wnd, const char* pszTitle)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), pszTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
}

// A button that answers its own click through reflection.
class CReflectingButton : public CWnd
{
public:
    int m_nClicks = 0;
    LRESULT OnReflectedCommand(WPARAM w, LPARAM)
    {
        if (HIWORD(w) == BN_CLICKED)
            ++m_nClicks;
        return 0;
    }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CReflectingButton, CWnd)
    MapMessage<kReflectBase + WM_COMMAND, &CReflectingButton::OnReflectedCommand>(),
END_MSG_MAP()

class CTestDialog : public CDialog
{
public:
    CTestDialog() : CDialog(kTestDialog) {}
    int m_nInits = 0;
    int m_nChildClicks = 0;
    UINT_PTR m_nTimerToPost = 0;
    CReflectingButton m_child;

protected:
    BOOL OnInitDialog() override
    {
        ++m_nInits;
        m_child.SubclassDlgItem(kChildButton, m_hWnd);
        if (m_nTimerToPost != 0)
            SetTimer(m_nTimerToPost, 10);
        return TRUE;
    }
    void OnTimer(UINT_PTR nId)
    {
        KillTimer(nId);
        RunAction();
    }

public:
    void (*m_pfnAction)(CTestDialog&) = nullptr;
    void RunAction()
    {
        if (m_pfnAction != nullptr)
            m_pfnAction(*this);
    }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CTestDialog, CDialog)
    MapTimer<&CTestDialog::OnTimer>(),
END_MSG_MAP()

} // namespace

TEST(WindowFramework, CreationReachesWmCreateAndARefusalFailsCleanly)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd, "probe"));
    ASSERT_EQ(1u, wnd.m_log.size());
    EXPECT_EQ("create:probe", wnd.m_log[0]);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    CProbeWnd refused;
    refused.m_bRefuseCreate = true;
    EXPECT_FALSE(CreateProbe(refused, "refused"));
    EXPECT_EQ(nullptr, refused.m_hWnd);
}

TEST(WindowFramework, MapsDispatchTypedAndFallThroughWhenNotHandled)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd, "maps"));
    EXPECT_EQ(42, wnd.SendMessage(WM_APP_PROBE, 21));
    wnd.m_bPassProbe = true;
    // Not handled: the default procedure answers, which gives 0 for an unknown message.
    EXPECT_EQ(0, wnd.SendMessage(WM_APP_PROBE, 21));

    wnd.m_log.clear();
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(200, 0));
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(211, 0));
    // A control notification other than a click is not a command.
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, EN_CHANGE));
    wnd.SendMessage(WM_TIMER, 7);
    const std::vector<std::string> expected = {"range:205", "exact", "timer:7"};
    EXPECT_EQ(expected, wnd.m_log);

    CDerivedProbe derived;
    ASSERT_TRUE(CreateProbe(derived, "derived"));
    derived.m_log.clear();
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(200, 0));
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(201, 0));
    const std::vector<std::string> expectedDerived = {"derived", "range:201"};
    EXPECT_EQ(expectedDerived, derived.m_log);
}

namespace {

// A window that owns itself and destroys itself from its own handler. Its memory stays
// reserved and poisoned after the delete, so a write into the dead object shows.
class CSelfDeletingWnd : public CWnd
{
public:
    static void* operator new(size_t) { return s_block; }
    static void operator delete(void* p)
    {
        std::memset(p, 0xDD, sizeof(CSelfDeletingWnd));
        s_bDeleted = true;
    }
    LRESULT OnProbe(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 7;
    }
    alignas(std::max_align_t) static inline unsigned char s_block[256];
    static inline bool s_bDeleted = false;

protected:
    void PostNcDestroy() override { delete this; }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CSelfDeletingWnd, CWnd)
    MapMessage<WM_APP_PROBE, &CSelfDeletingWnd::OnProbe>(),
END_MSG_MAP()

} // namespace

TEST(WindowFramework, AWindowMayDeleteItsObjectFromItsOwnHandler)
{
    static_assert(sizeof(CSelfDeletingWnd) <= sizeof(CSelfDeletingWnd::s_block));
    auto* pWnd = new CSelfDeletingWnd;
    ASSERT_TRUE(CreateProbe(*pWnd, "self"));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(7, ::SendMessageA(hWnd, WM_APP_PROBE, 0, 0));
    EXPECT_TRUE(CSelfDeletingWnd::s_bDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));
    const size_t nSize = sizeof(CSelfDeletingWnd);
    EXPECT_EQ(nSize, static_cast<size_t>(
                         std::count(CSelfDeletingWnd::s_block, CSelfDeletingWnd::s_block + nSize, 0xDD)))
        << "the framework wrote into the deleted object";
}

TEST(WindowFramework, ModalDialogEndsByEndDialogFromATimer)
{
    CTestDialog dlg;
    dlg.m_nTimerToPost = 1;
    dlg.m_pfnAction = [](CTestDialog& d) {
        // The click goes through the parent, which reflects it to the subclassed button.
        ::SendMessageA(d.GetDlgItem(kChildButton), BM_CLICK, 0, 0);
        d.EndDialog(IDRETRY);
    };
    EXPECT_EQ(IDRETRY, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInits);
    EXPECT_EQ(1, dlg.m_child.m_nClicks);
    EXPECT_FALSE(dlg.IsWindow());
}

TEST(WindowFramework, CloseEndsAModalDialogAsCancelled)
{
    CTestDialog dlg;
    dlg.m_nTimerToPost = 2;
    dlg.m_pfnAction = [](CTestDialog& d) { d.SendMessage(WM_CLOSE); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

TEST(WindowFramework, AQuitDuringAModalDialogCancelsItAndReachesTheOuterLoop)
{
    CTestDialog dlg;
    dlg.m_nTimerToPost = 3;
    dlg.m_pfnAction = [](CTestDialog&) { ::PostQuitMessage(5); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(5u, msg.wParam);
}

TEST(WindowFramework, DestroyingTheMainWindowEndsTheLoop)
{
    CWinApp app;
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd, "main"));
    app.m_pMainWnd = &wnd;
    wnd.PostMessage(WM_CLOSE);
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST(WindowFramework, PathSeparatorSkipsTrailBytesOfDoubleByteCharacters)
{
    // "表" is 0x95 0x5C: its trail byte looks like a backslash.
    EXPECT_EQ(2u, FindLastPathSeparator("C:\\表"));
    EXPECT_EQ(5u, FindLastPathSeparator("C:\\表\\a.exe"));
    EXPECT_EQ(std::string::npos, FindLastPathSeparator("表"));
}

namespace {

class CExchangeDialog : public CDialog
{
public:
    CExchangeDialog() : CDialog(901) {}
    UINT m_nTimeMs = 300;
    std::string m_strName = "名前";
    int m_nMethod = 2;
    int m_nChecked = 1;
    std::vector<std::string> m_inputs; // typed into 1002, one per OK press
    std::vector<std::string> m_seenAtInit;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 1002, m_nTimeMs);
        DDV_MinMaxUInt(pDX, m_nTimeMs, 0, 10000);
        DDX_Text(pDX, 1003, m_strName);
        DDX_Radio(pDX, 1010, m_nMethod);
        DDX_Check(pDX, 1020, m_nChecked);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_seenAtInit = {CWndText(1002), CWndText(1003)};
        m_seenAtInit.push_back(::IsDlgButtonChecked(m_hWnd, 1012) ? "c" : "-");
        SetTimer(1, 1);
        return TRUE;
    }
    void OnTimer(UINT_PTR)
    {
        if (m_inputs.empty())
            return;
        KillTimer(1);
        for (const std::string& input : m_inputs)
        {
            ::SetDlgItemTextA(m_hWnd, 1002, input.c_str());
            ::CheckRadioButton(m_hWnd, 1010, 1012, 1011);
            SendMessage(WM_COMMAND, IDOK);
        }
        m_inputs.clear();
    }
    std::string CWndText(int nId) const
    {
        char sz[64] = {};
        ::GetDlgItemTextA(m_hWnd, nId, sz, sizeof sz);
        return sz;
    }
    DECLARE_MSG_MAP()
};

BEGIN_MSG_MAP(CExchangeDialog, CDialog)
    MapTimer<&CExchangeDialog::OnTimer>(),
END_MSG_MAP()

} // namespace

TEST(DataExchange, FillsTheControlsAndRefusesBadInputUntilItIsRight)
{
    CWinApp app;
    CFakeMessageBox box;
    CExchangeDialog dlg;
    dlg.m_inputs = {"abc", "20000", "-1", " 250 "};
    EXPECT_EQ(IDOK, dlg.DoModal());
    const std::vector<std::string> atInit = {"300", "名前", "c"};
    EXPECT_EQ(atInit, dlg.m_seenAtInit);
    const std::vector<std::string> messages = {"正の整数を入力してください。", "0 から 10000 までの整数を入力してください。",
                                               "正の整数を入力してください。"};
    EXPECT_EQ(messages, box.m_texts);
    EXPECT_EQ(250u, dlg.m_nTimeMs);
    EXPECT_EQ(1, dlg.m_nMethod);
    EXPECT_EQ(1, dlg.m_nChecked);
}
