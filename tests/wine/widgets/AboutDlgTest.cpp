// The About box in-process: its version field, and the link line's pixels step by step.
#include "framework/Seams.h"
#include "res/resource.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/WindowPicture.h"
#include "widgets/CAboutDlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Verb, file, parameters, directory and show command of each call.
using CShellCall = std::tuple<std::string, std::string, const char*, const char*, int>;

class CRecordingShellOpener : public IShellOpener
{
public:
    HINSTANCE Execute(HWND, const char* pszVerb, const char* pszFile, const char* pszParameters,
                      const char* pszDirectory, int nShowCmd) override
    {
        m_calls.emplace_back(pszVerb, pszFile, pszParameters, pszDirectory, nShowCmd);
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33)); // success, as the shell says it
    }
    std::vector<CShellCall> m_calls;
};

class AboutBox : public ::testing::Test
{
public:
    void SetUp() override
    {
        ::SetCursorPos(1200, 1000);
        ASSERT_TRUE(m_dlg.Create(IDD_ABOUT));
        m_dlg.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_dlg.m_hWnd);
        ::UpdateWindow(m_dlg.m_hWnd);
    }

    CLinkStatic& Link() { return m_dlg.m_link; }
    const LinkArea& Area() { return Link().Line().TextArea(); }
    CWindowPicture Picture() { return CWindowPicture(Link().m_hWnd, PictureSource::ClientNow); }

    void Step(int nSteps)
    {
        for (int i = 0; i < nSteps; ++i)
        {
            Link().SendMessage(WM_TIMER, kLinkScrollTimerId);
            ::UpdateWindow(Link().m_hWnd);
        }
    }

    POINT MiddleOfTheFirstCopy()
    {
        const LinkCopy copy = Link().Line().Copies().front();
        const LinkItem& item = Link().Line().Item(copy.m_nItem);
        const int nLeft = std::max(copy.m_nX, Area().left);
        const int nRight = std::min(copy.m_nX + item.m_nWidth, Area().right);
        const int nTop = (Area().bottom - Area().top - item.m_nHeight) / 2;
        return POINT{(nLeft + nRight) / 2, nTop + item.m_nHeight / 2};
    }

    // The pointer really there (the leave tracking looks), and the move the control would get.
    void RestPointerAt(POINT ptClient)
    {
        POINT ptScreen = ptClient;
        ::ClientToScreen(Link().m_hWnd, &ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        Link().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }

    CAboutDlg m_dlg;
};

RECT SpanOf(const CLinkStatic& link, const LinkCopy& copy)
{
    const LinkArea& rc = link.Line().TextArea();
    return RECT{copy.m_nX, rc.top, copy.m_nX + link.Line().Item(copy.m_nItem).m_nWidth, rc.bottom};
}

} // namespace

TEST(VersionStatic, ShowsOneStringOfAVersionResourceOrKeepsItsText)
{
    CScratchFolder folder;
    folder.Write("plain.txt", "no resources here");
    const std::string strPlain = folder.PathOf("plain.txt");
    // The key, the file (nullptr: this program) and what shows (nullptr: "xx.xx.xx.xx" stays).
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"ProductVersion", nullptr, TEMPIVA_PRODUCT_VERSION},
        {"FileDescription", nullptr, "Tempiva デスクトップ時計"},
        {"NoSuchKey", nullptr, nullptr},
        {"ProductVersion", strPlain.c_str(), nullptr},
    };
    for (const auto& [pszKey, pszFile, pszShown] : cases)
    {
        SCOPED_TRACE(pszKey + std::string(" of ") + (pszFile ? pszFile : "this program"));
        CVersionStatic version;
        ASSERT_TRUE(version.SubclassWindow(::CreateWindowExA(0, "STATIC", "xx.xx.xx.xx", WS_POPUP, 0, 0, 100, 20,
                                                             nullptr, nullptr, nullptr, nullptr)));
        const BOOL bRead = version.SetVersionText(pszKey, pszFile);
        EXPECT_EQ(pszShown != nullptr, bRead != FALSE);
        EXPECT_EQ(pszShown != nullptr ? pszShown : "xx.xx.xx.xx", version.GetWindowText());
        // A failed read after a good one is a failure too, not the old text again.
        EXPECT_FALSE(bRead && version.SetVersionText("NoSuchKey"));
        ::DestroyWindow(version.UnsubclassWindow());
    }
}

TEST_F(AboutBox, TheLineStepsAPixelLeftInItsFrameStopsInRedUnderThePointerWhereAClickOpensTheHomePage)
{
    CRecordingShellOpener opener;
    CShellOpenerScope scope(opener);
    ::KillTimer(Link().m_hWnd, kLinkScrollTimerId); // only the test's steps move it
    const LinkItem& item = Link().Line().Item(0);
    EXPECT_LT(item.m_nWidth + 10, Area().right - Area().left) << "the text fits the line";
    Step(item.m_nWidth + 5); // the first text wholly on the line
    const CWindowPicture before = Picture();
    before.Save("about-link-line.png");
    Step(1);
    const CWindowPicture after = Picture();

    EXPECT_GT(before.Count(kBlue, SpanOf(Link(), Link().Line().Copies().front())), 50) << "links are blue";
    int nMoved = 0;
    int nOther = 0;
    for (int y = 0; y < after.nHeight; ++y)
        for (int x = 0; x + 1 < after.nWidth; ++x)
        {
            const bool bText =
                y >= Area().top && y < Area().bottom && x >= Area().left && x + 1 < Area().right;
            const COLORREF crExpected = before.At(bText ? x + 1 : x, y);
            (bText ? nMoved : nOther) += after.At(x, y) != crExpected;
        }
    EXPECT_EQ(0, nMoved) << "every pixel of the text area is its right neighbour's of one step before";
    EXPECT_EQ(0, nOther) << "the frame stays";
    EXPECT_NE(before.pixels, after.pixels);
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), after.At(0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), after.At(1, 1));

    ::SetTimer(Link().m_hWnd, kLinkScrollTimerId, kLinkScrollPeriodMs, nullptr);
    const POINT pt = MiddleOfTheFirstCopy();
    RestPointerAt(POINT{1, 1});
    Link().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    Link().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(opener.m_calls.empty()) << "a click on the frame while the line moves";
    const RECT rcSpan = SpanOf(Link(), Link().Line().Copies().front());
    RestPointerAt(pt);
    ASSERT_TRUE(Link().IsHovering());
    const CWindowPicture resting = Picture();
    resting.Save("about-link-hover.png");
    EXPECT_EQ(0, resting.Count(kBlue, rcSpan));
    // The underline: one row red across nearly the whole text.
    int nWidestRow = 0;
    for (int y = rcSpan.top; y < rcSpan.bottom; ++y)
        nWidestRow = std::max(nWidestRow, resting.Count(kRed, RECT{rcSpan.left, y, rcSpan.right, y + 1}));
    EXPECT_GT(nWidestRow, (rcSpan.right - rcSpan.left) * 9 / 10);
    PumpMessages(300); // twenty steps, were it running
    EXPECT_TRUE(Link().IsHovering());
    EXPECT_EQ(resting.pixels, Picture().pixels) << "the line stands still under the pointer";
    Link().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    Link().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ((std::vector<CShellCall>{{"open", kTempivaHomePage, nullptr, nullptr, SW_SHOW}}), opener.m_calls);

    // Moving off the links, or out of the control, resumes it.
    for (const bool bOutOfTheControl : {false, true})
    {
        SCOPED_TRACE(bOutOfTheControl ? "out of the control" : "onto the frame");
        RestPointerAt(MiddleOfTheFirstCopy());
        ASSERT_TRUE(Link().IsHovering());
        const CWindowPicture still = Picture();
        if (bOutOfTheControl)
            ::SetCursorPos(1200, 1000);
        else
            RestPointerAt(POINT{1, 1});
        PumpMessages(2000, [&] { return !Link().IsHovering() && Picture().pixels != still.pixels; });
        EXPECT_FALSE(Link().IsHovering());
        EXPECT_NE(still.pixels, Picture().pixels) << "scrolling again";
    }

    // OK destroys the modeless box with its timer and fonts: a hidden box would tick on for nobody.
    const HFONT hBold = Link().BoldFont();
    const HFONT hHover = Link().HoverFont();
    for (const HFONT hFont : {hBold, hHover})
        EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hFont));
    const HWND hLink = Link().m_hWnd;
    m_dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_FALSE(::IsWindow(hLink));
    EXPECT_FALSE(m_dlg.IsWindow());
    for (const HFONT hFont : {hBold, hHover})
        EXPECT_EQ(0u, ::GetObjectType(hFont)) << "deleted with the box";
}
