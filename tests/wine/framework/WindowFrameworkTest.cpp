// The framework's windows and dialogs in real windows, and the Wine session's code page.
// (Reflection to controls is proven by the colour button, the check group box and the link line.)
#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/ModulePath.h"
#include "framework/WndClass.h"
#include "tests/wine/support/TimerSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr UINT WM_APP_PROBE = WM_APP + 1;

class CProbeWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    bool m_bRefuseCreate = false;
    bool m_bPassProbe = false;
    bool m_bEndOnProbe = false; // destroys itself and ends its object in PostNcDestroy

    int OnCreate(CREATESTRUCT* pcs)
    {
        m_log.push_back(std::string("create:") + pcs->lpszName);
        return m_bRefuseCreate ? -1 : 0;
    }
    void OnTimer(UINT_PTR nId) { m_log.push_back("timer:" + std::to_string(nId)); }
    LRESULT OnProbe(WPARAM w, LPARAM)
    {
        SetMsgHandled(!m_bPassProbe);
        if (m_bEndOnProbe)
            DestroyWindow();
        return static_cast<LRESULT>(w) * 2;
    }
    void OnCommandRange(UINT nId) { m_log.push_back("range:" + std::to_string(nId)); }
    void OnExact() { m_log.push_back("exact"); }
    DECLARE_MSG_MAP()

protected:
    // The object's bytes are poisoned, so a write into the dead object shows.
    void PostNcDestroy() override
    {
        if (!m_bEndOnProbe)
            return;
        this->~CProbeWnd();
        std::memset(static_cast<void*>(this), 0xDD, sizeof(CProbeWnd));
    }
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

} // namespace

TEST(WindowFramework, CreationReachesWmCreateMapsDispatchTypedAndFallThroughAndTheMainWindowEndsTheLoop)
{
    CWinApp app;
    CProbeWnd wnd;
    ASSERT_TRUE(CreateProbe(wnd, "probe"));
    EXPECT_EQ(std::vector<std::string>{"create:probe"}, wnd.m_log);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(42, wnd.SendMessage(WM_APP_PROBE, 21));
    wnd.m_bPassProbe = true;
    // Not handled: the default procedure answers, which gives 0 for an unknown message.
    EXPECT_EQ(0, wnd.SendMessage(WM_APP_PROBE, 21));

    wnd.m_log.clear();
    for (const WPARAM wParam : {MAKEWPARAM(205, 0), MAKEWPARAM(200, 0), MAKEWPARAM(211, 0),
                                MAKEWPARAM(205, EN_CHANGE)}) // a notification other than a click is no command
        wnd.SendMessage(WM_COMMAND, wParam);
    wnd.SendMessage(WM_TIMER, 7);
    EXPECT_EQ((std::vector<std::string>{"range:205", "exact", "timer:7"}), wnd.m_log);

    CDerivedProbe derived;
    ASSERT_TRUE(CreateProbe(derived, "derived"));
    derived.m_log.clear();
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(200, 0));
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(201, 0));
    EXPECT_EQ((std::vector<std::string>{"derived", "range:201"}), derived.m_log);

    HWND hWnd = wnd.m_hWnd;
    app.m_pMainWnd = &wnd;
    wnd.PostMessage(WM_CLOSE);
    EXPECT_EQ(0, app.Run());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CProbeWnd refused;
    refused.m_bRefuseCreate = true;
    EXPECT_FALSE(CreateProbe(refused, "refused"));
    EXPECT_EQ(nullptr, refused.m_hWnd);
}

TEST(WindowFramework, AWindowMayDeleteItsObjectFromItsOwnHandler)
{
    alignas(CProbeWnd) unsigned char block[sizeof(CProbeWnd)];
    auto* pWnd = new (block) CProbeWnd;
    pWnd->m_bEndOnProbe = true;
    ASSERT_TRUE(CreateProbe(*pWnd, "self"));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(42, ::SendMessageA(hWnd, WM_APP_PROBE, 21, 0));
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(sizeof block, static_cast<size_t>(std::count(block, block + sizeof block, 0xDD)))
        << "ended in PostNcDestroy, and the framework wrote nothing into the dead object after";
}

TEST(WindowFramework, AModalDialogEndsByEndDialogCloseOrQuit)
{
    const std::tuple<void (*)(CDialog&), INT_PTR, bool> rows[] = { // and a quit left for the outer loop
        {[](CDialog& d) { d.EndDialog(IDRETRY); }, IDRETRY, false},
        {[](CDialog& d) { d.SendMessage(WM_CLOSE); }, IDCANCEL, false},
        {[](CDialog&) { ::PostQuitMessage(5); }, IDCANCEL, true},
    };
    for (const auto& [pfnAction, nResult, bQuit] : rows)
    {
        CDialog dlg(900);
        CTimerSteps steps({[&] { return dlg.IsWindow() && (pfnAction(dlg), true); }});
        EXPECT_EQ(nResult, dlg.DoModal());
        EXPECT_FALSE(dlg.IsWindow());
        MSG msg{};
        EXPECT_EQ(bQuit, ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE);
        EXPECT_EQ(bQuit ? 5u : 0u, msg.wParam);
    }
}

TEST(WindowFramework, RunsOnCodePage932AndPathsSkipTrailBytesOfDoubleByteCharacters)
{
    EXPECT_EQ(932u, ::GetACP());
    EXPECT_STREQ("\x8E\x9E\x8C\x76", "時計");
    // "表" is 0x95 0x5C: its trail byte looks like a backslash.
    EXPECT_EQ(2u, FindLastPathSeparator("C:\\表"));
    EXPECT_EQ(5u, FindLastPathSeparator("C:\\表\\a.exe"));
    EXPECT_EQ(std::string::npos, FindLastPathSeparator("表"));
}
