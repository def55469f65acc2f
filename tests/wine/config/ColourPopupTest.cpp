// The colour picker button and its popup in real windows.
#include "config/CColorButton.h"
#include "config/CColourPopup.h"
#include "framework/WndClass.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"
#include "tests/wine/support/WindowPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

namespace {

constexpr int kButtonId = 77;
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBrown = RGB(165, 42, 0);
constexpr COLORREF kUnlisted = RGB(179, 183, 139);

// The parent of the button: records every WMU_COLOUR_* as "NAME RRGGBB".
class CColourHost : public CWnd
{
public:
    std::vector<std::string> m_reports;
    bool m_bOnlyOwnId = true;
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        static const char* const kNames[] = {"CHANGE", "DROPDOWN", "CLOSEUP", "OK", "CANCEL"};
        if (uMsg >= WMU_COLOUR_CHANGE && uMsg <= WMU_COLOUR_CANCEL)
        {
            const auto cr = static_cast<COLORREF>(wParam);
            char szColour[16];
            std::snprintf(szColour, sizeof szColour, cr == kClrDefault ? "AUTO" : "%02X%02X%02X",
                          GetRValue(cr), GetGValue(cr), GetBValue(cr));
            m_reports.push_back(std::string(kNames[uMsg - WMU_COLOUR_CHANGE]) + " " + szColour);
            m_bOnlyOwnId = m_bOnlyOwnId && lParam == kButtonId;
        }
        return CWnd::WindowProc(uMsg, wParam, lParam);
    }
};

class ColourPopup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)),
                                    "host", WS_POPUP | WS_VISIBLE, 100, 100, 120, 40, nullptr, nullptr));
        HWND hButton = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 51,
                                         18, m_host, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
        ASSERT_TRUE(m_button.SubclassWindow(hButton));
    }

    CColourPopup* Open(COLORREF crColour)
    {
        m_button.SetColour(crColour);
        m_button.SendMessage(BM_CLICK);
        const std::vector<CColourPopup*> popups = ThreadWindowsOf<CColourPopup>();
        return popups.size() == 1 ? popups[0] : nullptr;
    }

    CColourHost m_host;
    CColorButton m_button;
};

} // namespace

TEST_F(ColourPopup, ShowsTheFortyColoursMarksTheOpeningOneAndReportsEachSelectionInOrder)
{
    using Inputs = std::vector<std::pair<UINT, int>>; // keys, or (WM_MOUSEMOVE, cell): to the cell's centre
    // The opening colour and its marked cell, the inputs, whether they open "More Colors...", the
    // reports, the colour after.
    const std::tuple<COLORREF, int, Inputs, bool, std::vector<std::string>, COLORREF> cases[] = {
        {kBlue, 13, Inputs{{WM_MOUSEMOVE, 0}, {WM_KEYDOWN, VK_RIGHT}, {WM_KEYDOWN, VK_ESCAPE}}, false,
         {"DROPDOWN 0000FF", "CHANGE 000000", "CHANGE A52A00", "CLOSEUP 0000FF", "CANCEL 0000FF"}, kBlue},
        {kUnlisted, kCustomCell, Inputs{{WM_MOUSEMOVE, 13}, {WM_KEYDOWN, VK_RETURN}}, false,
         {"DROPDOWN B3B78B", "CHANGE 0000FF", "CLOSEUP 0000FF", "OK 0000FF", "CHANGE 0000FF"}, kBlue},
        {kBrown, 1, Inputs{{WM_KEYDOWN, VK_UP}, {WM_KEYDOWN, VK_SPACE}}, false, // the automatic box
         {"DROPDOWN A52A00", "CHANGE AUTO", "CLOSEUP AUTO", "OK AUTO", "CHANGE AUTO"}, kClrDefault},
        {kBrown, 1, Inputs{{WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_RETURN}}, true,
         {"DROPDOWN A52A00", "CHANGE A52A00", "CLOSEUP A52A00", "CANCEL A52A00"}, kBrown},
    };
    for (const auto& [crOpening, nMarked, inputs, bCancelColourDialog, expected, crAfter] : cases)
    {
        SCOPED_TRACE(expected.back());
        m_host.m_reports.clear();
        CColourPopup* pPopup = Open(crOpening);
        ASSERT_NE(nullptr, pPopup);
        EXPECT_TRUE(m_button.IsPopupOpen());
        EXPECT_EQ(nMarked, pPopup->InitialCell());
        EXPECT_EQ(pPopup->m_hWnd, ::GetCapture());
        const CWindowPicture picture(pPopup->m_hWnd, PictureSource::PrintClient);
        picture.Save("colour-popup.png");
        for (int i = 0; i < kColourCount; ++i)
        {
            const PopupRect rc = CellRect(pPopup->Layout(), i);
            const COLORREF crCentre = picture.At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
            EXPECT_EQ(kColourTable[static_cast<size_t>(i)].crColour, crCentre) << "cell " << i;
            // Inside the cell's edge: the marked cell is lit, the others are plain.
            const COLORREF crEdge = ::GetSysColor(i == nMarked ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE);
            EXPECT_EQ(crEdge, picture.At(rc.left + 1, rc.top + 1)) << "cell " << i;
        }
        CTimerSteps answer({bCancelColourDialog ? AnswerDialog(IDCANCEL) : [] { return true; }});
        for (const auto& [uMsg, nValue] : inputs)
            if (uMsg == WM_MOUSEMOVE)
            {
                const PopupRect rc = CellRect(pPopup->Layout(), nValue);
                const int x = (rc.left + rc.right) / 2;
                pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, (rc.top + rc.bottom) / 2));
            }
            else
                pPopup->SendMessage(uMsg, static_cast<WPARAM>(nValue));
        EXPECT_EQ(expected, m_host.m_reports);
        EXPECT_TRUE(m_host.m_bOnlyOwnId);
        EXPECT_EQ(crAfter, m_button.GetColour());
        EXPECT_FALSE(m_button.IsPopupOpen());
        EXPECT_TRUE(ThreadWindowsOf<CColourPopup>().empty()) << "the popup must be gone";
    }
}

TEST_F(ColourPopup, APopupThatCannotBeMadeLeavesTheButtonUpAndTheFaceShowsAutomaticButNoSwatchWhenDisabled)
{
    const HOOKPROC refuseCreation = [](int nCode, WPARAM wParam, LPARAM lParam) -> LRESULT {
        return nCode == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    };
    HHOOK hHook = ::SetWindowsHookExA(WH_CBT, refuseCreation, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hHook);
    EXPECT_EQ(nullptr, Open(kBlue));
    ::UnhookWindowsHookEx(hHook);
    EXPECT_FALSE(m_button.IsPopupOpen());
    EXPECT_EQ((std::vector<std::string>{"DROPDOWN 0000FF", "CLOSEUP 0000FF"}), m_host.m_reports);
    CColourPopup* pPopup = Open(kBlue); // the next click opens one as usual
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);

    m_button.SetDefaultColour(RGB(12, 34, 56));
    m_button.SetColour(kClrDefault);
    const RECT rcSwatch{6, 6, 12, 10}; // inside the swatch whatever the edge sizes
    EXPECT_EQ(6 * 4, CWindowPicture(m_button.m_hWnd, PictureSource::PrintClient).Count(RGB(12, 34, 56), rcSwatch));
    ::EnableWindow(m_button.m_hWnd, FALSE);
    const CWindowPicture disabled(m_button.m_hWnd, PictureSource::PrintClient);
    EXPECT_EQ(0, disabled.Count(RGB(12, 34, 56), m_button.GetClientRect()));
}
