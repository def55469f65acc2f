// The scrolling text of a task notice: draws its text off-screen, moves it up a pixel a step,
// rests at the top (and at the end of a tall text), and tells its parent with WM_COMMAND when
// the text has gone at the top. Owned as a member by the window that creates it.
#pragma once

#include "framework/CWnd.h"
#include "framework/Gdi.h"
#include "timetable/ScrollerModel.h"

#include <string>

constexpr UINT_PTR kScrollTimerId = 1;
constexpr UINT_PTR kPauseTimerId = 2;

class CScrollerCtrl : public CWnd
{
public:
    CScrollerCtrl() = default;
    ~CScrollerCtrl() override;

    // A child of pParent with the id nId; the scroll timer runs from here on, starting
    // with a rest.
    BOOL Create(const RECT& rect, CWnd* pParent, DWORD dwStyle, UINT nId);

    // The new text is measured at the next paint; it goes on from where the old one was.
    void SetText(const std::string& strText);
    void SetBkColor(COLORREF crBack);
    void SetTextColor(COLORREF crText);
    // TRUE: the text repeats below itself and starts again at the top; FALSE: it comes
    // back in from below.
    void SetWrap(BOOL bWrap);
    // Milliseconds a step; 0 is the platform's shortest timer, a negative value the default.
    void SetScrollDelay(int nDelayMs);
    // Takes effect at the next rest.
    void SetPauseTime(int nPauseMs);
    // A bold copy of hFont (borrowed). A new font, like a new text, is measured at the next paint.
    void SetTextFont(HFONT hFont);
    void CreateTextFont(const std::string& strFace, int nPoints, int nWeight);

    const std::string& GetText() const { return m_strText; }
    int GetOffset() const { return m_nOffset; }
    int GetTextHeight() const { return m_nTextHeight; }
    BOOL IsPaused() const { return m_bPaused; }

    // Draws the picture of now into hdcTarget: the paint, and WM_PRINTCLIENT for animations.
    void Paint(HDC hdcTarget);

protected:
    // Fits the buffer and the text's measure to the client size; the buffer is made
    // compatible with hdcTarget.
    virtual void PrepareBuffer(HDC hdcTarget);
    virtual void DrawBackground(HDC hdc);
    // Draws the text with its top at y, or only measures it; returns its height.
    virtual int DrawTextBlock(HDC hdc, int y, BOOL bDraw);

    void OnTimer(UINT_PTR nIdEvent);
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    DECLARE_MSG_MAP()

private:
    HFONT TextFont() const;
    // The text or its font changed: measure again at the next paint.
    void ForgetMeasure();
    void StartPause();
    void NotifyScrolledOut() const;

    BOOL m_bPaused = TRUE;
    COLORREF m_crBack = RGB(255, 255, 255);
    COLORREF m_crText = RGB(0, 0, 0);
    CFont m_font; // none: the stock system font
    std::string m_strText;
    CBitmap m_bitmap; // the off-screen picture, of the client size
    int m_nWidth = 0; // 0: measure again at the next paint
    int m_nHeight = 0;
    int m_nTextHeight = 0; // the whole text, wrapped at the client width
    int m_nOffset = 0;     // the text's top from the client's top; negative once it has risen
    BOOL m_bWrap = TRUE;
    int m_nScrollDelay = kDefaultScrollDelayMs;
    int m_nPauseTime = 3000;
    UINT_PTR m_nPauseTimer = kPauseTimerId;
};
