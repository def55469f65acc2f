// The task notice and its scroller in real windows; scroll steps are sent as timer messages.
#include "app/AppSettings.h"
#include "framework/Gdi.h"
#include "framework/WndClass.h"
#include "tests/wine/support/FakeMessageBox.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/WindowPicture.h"
#include "timetable/CTaskNoticeWnd.h"
#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <tuple>

namespace {

constexpr COLORREF kTaskText = RGB(255, 255, 0);
constexpr COLORREF kTaskBack = RGB(0, 0, 128);
constexpr COLORREF kDefaultBack = RGB(179, 183, 139);
// The owner stands in for the panel; the rectangle is the one the panel gives a notice.
const RECT kPanel{700, 600, 857, 697};
const RECT kGiven{700, 600 - 1 - 49, 857, 600 - 1};

// The lowest row holding the colour, in the picture an animation asks for.
int LastRowWith(HWND hWnd, COLORREF cr)
{
    const CWindowPicture picture(hWnd, PictureSource::PrintClient);
    int y = picture.nHeight - 1;
    while (y >= 0 && picture.Count(cr, RECT{0, y, picture.nWidth, y + 1}) == 0)
        --y;
    return y;
}

void Step(CScrollerCtrl& scroller, UINT_PTR nTimerId)
{
    scroller.SendMessage(WM_TIMER, nTimerId);
    ::UpdateWindow(scroller.m_hWnd);
}

int StepUntilPageOrRest(CScrollerCtrl& scroller)
{
    const std::string strBefore = scroller.GetText();
    for (int n = 1; n <= 1000; ++n)
    {
        Step(scroller, kScrollTimerId);
        if (scroller.GetText() != strBefore || scroller.IsPaused())
            return n;
    }
    return -1;
}

// Worked out here from the points rather than asked of the notice.
int ThreeLinesHigh(int nPoints, const char* pszFace)
{
    CClientDC screen(nullptr);
    CFont font(::CreateFontA(-(::GetDeviceCaps(screen, LOGPIXELSY) * nPoints / 72), 0, 0, 0, 0, 0, 0, 0,
                             DEFAULT_CHARSET, 0, 0, 0, 0, pszFace));
    CSelectObject keep(screen, font);
    RECT rc{0, 0, 1000, 1000};
    return ::DrawTextA(screen, "1\n2\n3", -1, &rc, DT_CALCRECT | DT_NOPREFIX);
}

class TaskNotice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TheSettings() = AppSettings{};
        TheSettings().FONT_NAME = "Tahoma";
        ASSERT_TRUE(m_owner.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "panel", WS_POPUP | WS_VISIBLE,
                                     kPanel.left, kPanel.top, kPanel.right - kPanel.left,
                                     kPanel.bottom - kPanel.top, nullptr, nullptr));
    }
    void TearDown() override { EXPECT_TRUE(m_boxes.m_texts.empty()); }

    std::unique_ptr<CTaskNoticeWnd> Open(const std::string& strText, int crText = -1, int crBack = -1,
                                         BOOL bMade = TRUE)
    {
        TimeTask task;
        task.m_strText = strText;
        task.m_crText = crText;
        task.m_crBack = crBack;
        auto pNotice = std::make_unique<CTaskNoticeWnd>();
        EXPECT_EQ(bMade, pNotice->Create(&m_owner, kGiven, 0x40008, 0x50004, 3, 0, &task)) << strText;
        return pNotice;
    }

    CFakeMessageBox m_boxes;
    CWnd m_owner;
};

} // namespace

TEST_F(TaskNotice, IsThreeLinesOfItsFontHighEndsAboveWhatItStacksOnAndDrawsInTheTaskOrSettingsColours)
{
    // What, the font's points, the task's colours, RGB_ON, and the colours drawn.
    const std::tuple<const char*, int, int, int, std::uint32_t, COLORREF, COLORREF> cases[] = {
        {"task", 9, static_cast<int>(kTaskText), static_cast<int>(kTaskBack), 0, kTaskText, kTaskBack},
        {"defaults", 15, -1, -1, 0, RGB(0, 0, 0), kDefaultBack},
        {"settings", 9, -1, -1, 0x0000C0, RGB(192, 0, 0), kDefaultBack},
    };
    for (const auto& [pszWhat, nPoints, crTaskText, crTaskBack, nSettingsOn, crText, crBack] : cases)
    {
        SCOPED_TRACE(pszWhat);
        TheSettings().FONT_SIZE = nPoints;
        TheSettings().RGB_ON = nSettingsOn;
        const auto pNotice = Open("Wide WWW|two", crTaskText, crTaskBack);
        ASSERT_TRUE(pNotice->IsWindow());
        const RECT rcClient = pNotice->GetClientRect();
        EXPECT_EQ(ThreeLinesHigh(nPoints, "Tahoma") + 4, rcClient.bottom);
        RECT rcFramed = rcClient;
        ::AdjustWindowRectEx(&rcFramed, WS_POPUP | WS_DLGFRAME, FALSE, 0x188);
        const RECT rc = pNotice->GetWindowRect();
        EXPECT_EQ(kGiven.left, rc.left);
        EXPECT_EQ(kGiven.right, rc.right);
        EXPECT_EQ(kPanel.top, rc.bottom) << "the last row is the one just above the panel";
        EXPECT_EQ(rcFramed.bottom - rcFramed.top, rc.bottom - rc.top);
        RECT rcScroller = pNotice->m_scroller.GetWindowRect();
        ::MapWindowPoints(HWND_DESKTOP, pNotice->m_hWnd, reinterpret_cast<POINT*>(&rcScroller), 2);
        EXPECT_EQ(std::make_tuple(5, 2, rcClient.right - 5, rcClient.bottom - 2),
                  std::make_tuple(rcScroller.left, rcScroller.top, rcScroller.right, rcScroller.bottom));

        const int w = rcClient.right;
        const int h = rcClient.bottom;
        RECT rcScreen = rcClient;
        ::MapWindowPoints(pNotice->m_hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcScreen), 2);
        std::unique_ptr<CWindowPicture> p; // on the screen, framed in the settings' background
        PumpMessages(2000, [&] {
            p = std::make_unique<CWindowPicture>(rcScreen);
            return p->At(w / 2, h - 4) == crBack && p->Count(crText, RECT{0, 0, w, h}) > 40;
        });
        p->Save(std::string("notice-colours-") + pszWhat + ".png");
        const POINT frame[] = {{0, 0}, {4, h / 2}, {w - 1, h - 1}, {w / 2, 1}, {w / 2, h - 2}};
        for (const POINT pt : frame)
            EXPECT_EQ(kDefaultBack, p->At(pt.x, pt.y)) << pt.x << "," << pt.y;
        EXPECT_EQ(crBack, p->At(5, 2));
        EXPECT_EQ(crBack, p->At(w - 6, h - 3));
        EXPECT_GT(p->Count(crText, RECT{0, 0, w, h}), 40);
    }
}

TEST_F(TaskNotice, APageRestsRisesOutTheNextComesInFromBelowPagesComeRoundAndEndingTheNoticeIsSafe)
{
    const auto pRising = Open("one|1\n2\n3\n4\n5");
    CScrollerCtrl& scroller = pRising->m_scroller;
    const int nHeight = scroller.GetClientRect().bottom;
    const int nLine = scroller.GetTextHeight();
    ASSERT_EQ(3 * nLine, nHeight);
    Step(scroller, kScrollTimerId);
    EXPECT_EQ(0, scroller.GetOffset()) << "it opens resting: the scroll timer moves nothing";
    const int nLastRow = LastRowWith(scroller.m_hWnd, RGB(0, 0, 0));
    Step(scroller, kPauseTimerId);
    for (int i = 0; i < 4; ++i)
        Step(scroller, kScrollTimerId);
    EXPECT_EQ(-5, scroller.GetOffset());
    EXPECT_EQ(nLastRow - 5, LastRowWith(scroller.m_hWnd, RGB(0, 0, 0))) << "the picture rose";

    // Gone once its last row has left (nLine + 1 steps in all), the next page enters from below.
    EXPECT_EQ(nLine + 1 - 5, StepUntilPageOrRest(scroller));
    EXPECT_EQ("1\n2\n3\n4\n5", scroller.GetText());
    EXPECT_EQ(nHeight, scroller.GetOffset());
    EXPECT_EQ(nHeight, StepUntilPageOrRest(scroller));
    EXPECT_EQ(0, scroller.GetOffset());
    EXPECT_EQ(5 * nLine, scroller.GetTextHeight());

    Step(scroller, kPauseTimerId);
    const ULONGLONG nStart = ::GetTickCount64();
    PumpMessages(5000, [&] { return scroller.GetOffset() <= -20; });
    EXPECT_LE(scroller.GetOffset(), -20);
    EXPECT_LT(::GetTickCount64() - nStart, 20u * 80u) << "no faster than at the default delay";

    const auto pNotice = Open("|one|two||three");
    std::string strSeen = pNotice->m_scroller.GetText();
    const LPARAM lScroller = reinterpret_cast<LPARAM>(pNotice->m_scroller.m_hWnd);
    for (int i = 0; i < 3; ++i) // the scroller tells its notice that the page has scrolled out
    {
        pNotice->SendMessage(WM_COMMAND, MAKEWPARAM(1, 0), lScroller);
        strSeen += "," + pNotice->m_scroller.GetText();
    }
    EXPECT_EQ("one,two,three,one", strSeen);
    for (const char* pszText : {"", "||"})
        EXPECT_EQ(nullptr, Open(pszText, -1, -1, FALSE)->m_hWnd);

    Open("one")->SendMessage(WM_CLOSE); // then deleted
    auto pOpen = Open("one");
    const HWND hOpen = pOpen->m_hWnd;
    const HWND hScroller = pOpen->m_scroller.m_hWnd;
    pOpen.reset();
    EXPECT_FALSE(::IsWindow(hOpen));
    EXPECT_FALSE(::IsWindow(hScroller));

    m_owner.DestroyWindow();
    EXPECT_FALSE(pNotice->IsWindow()) << "an owner that goes first takes its notice with it";
}
