// The About box's scrolling line of link texts: a static control whose text it draws itself,
// one pixel further left every 15 ms. Resting the pointer on a copy stops the line and shows
// that link underlined in red; a click then opens it. Owned by the About dialog as a member.
#pragma once

#include "framework/CWnd.h"
#include "framework/Gdi.h"
#include "widgets/LinkLine.h"

#include <string>

constexpr UINT_PTR kLinkScrollTimerId = 2025;
constexpr UINT kLinkScrollPeriodMs = 15;

class CLinkStatic : public CWnd
{
public:
    CLinkStatic();
    ~CLinkStatic() override;

    // FALSE only when the item cannot be stored.
    BOOL AddLink(const std::string& strText, const std::string& strTarget);
    // Restart: measure every text and start again with item 0 at the right edge. FALSE
    // without items or without the window.
    BOOL StartScrolling(BOOL bRestart);

    const LinkLine& Line() const { return m_line; }
    bool IsHovering() const { return m_bHovering; }
    HFONT BoldFont() const { return m_fontBold; }
    HFONT HoverFont() const { return m_fontHover; }

protected:
    void PreSubclassWindow() override;
    void OnTimer(UINT_PTR nIdEvent);
    void OnMouseMove(UINT nFlags, POINT pt);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnReflectedCommand(WPARAM wParam, LPARAM);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM);
    void OnPaint();
    void OnDestroy();
    DECLARE_MSG_MAP()

private:
    void ComputeRects();
    void CreateFonts();
    void ScrollStep();
    void DrawCopy(HDC hdc, const LinkCopy& copy) const;
    void ResumeScrolling();

    LinkLine m_line;
    RECT m_rcOuter{};
    RECT m_rcText{}; // the outer rectangle less the 2-pixel frame
    // Made from the control's font for its window, deleted with it.
    CFont m_fontBold;
    CFont m_fontHover;
    COLORREF m_crBack;
    bool m_bHovering = false;
    int m_nHoverItem = -1;
};
