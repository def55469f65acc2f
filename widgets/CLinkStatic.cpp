#include "widgets/CLinkStatic.h"

#include "framework/Seams.h"

#include <commctrl.h>

#include <new>

namespace {

constexpr UINT kTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kPlainColour = RGB(0, 0, 0);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);

} // namespace

BEGIN_MSG_MAP(CLinkStatic, CWnd)
    MapTimer<&CLinkStatic::OnTimer>(),
    MapMouse<WM_MOUSEMOVE, &CLinkStatic::OnMouseMove>(),
    MapMessage<WM_MOUSELEAVE, &CLinkStatic::OnMouseLeave>(),
    MapMessage<kReflectBase + WM_COMMAND, &CLinkStatic::OnReflectedCommand>(),
    MapMessage<WM_SIZE, &CLinkStatic::OnSize>(),
    MapMessage<WM_ERASEBKGND, &CLinkStatic::OnEraseBkgnd>(),
    MapPaint<&CLinkStatic::OnPaint>(),
    MapDestroy<&CLinkStatic::OnDestroy>(),
END_MSG_MAP()

CLinkStatic::CLinkStatic() : m_crBack(::GetSysColor(COLOR_BTNFACE))
{
}

CLinkStatic::~CLinkStatic()
{
    // The window may outlive us as a plain static: it must not go on ticking for nobody.
    if (IsWindow())
        KillTimer(kLinkScrollTimerId);
}

BOOL CLinkStatic::AddLink(const std::string& strText, const std::string& strTarget)
{
    try
    {
        m_line.AddItem(strText, strTarget);
    }
    catch (const std::bad_alloc&)
    {
        return FALSE;
    }
    return TRUE;
}

BOOL CLinkStatic::StartScrolling(BOOL bRestart)
{
    if (m_line.ItemCount() == 0 || !IsWindow())
        return FALSE;
    KillTimer(kLinkScrollTimerId);
    if (bRestart)
    {
        CClientDC dc(m_hWnd);
        CSelectObject keep(dc, m_fontBold);
        for (size_t i = 0; i < m_line.ItemCount(); ++i)
        {
            const std::string& strText = m_line.Item(i).m_strText;
            SIZE size{};
            ::GetTextExtentPoint32A(dc, strText.c_str(), static_cast<int>(strText.size()), &size);
            m_line.SetMeasure(i, size.cx, size.cy);
        }
        m_line.Restart();
        Invalidate(TRUE);
    }
    SetTimer(kLinkScrollTimerId, kLinkScrollPeriodMs);
    return TRUE;
}

void CLinkStatic::PreSubclassWindow()
{
    CreateFonts();
    ComputeRects();
}

void CLinkStatic::CreateFonts()
{
    LOGFONTA lf{};
    const auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == nullptr || ::GetObjectA(hFont, sizeof lf, &lf) == 0)
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.Attach(::CreateFontIndirectA(&lf));
    lf.lfUnderline = TRUE;
    m_fontHover.Attach(::CreateFontIndirectA(&lf));
}

void CLinkStatic::ComputeRects()
{
    m_rcOuter = GetClientRect();
    m_rcText = m_rcOuter;
    ::InflateRect(&m_rcText, -2, -2);
    m_line.SetTextArea({m_rcText.left, m_rcText.top, m_rcText.right, m_rcText.bottom});
}

void CLinkStatic::DrawCopy(HDC hdc, const LinkCopy& copy) const
{
    const std::string& strText = m_line.Item(copy.m_nItem).m_strText;
    RECT rc{copy.m_nX, m_rcText.top, m_rcText.right, m_rcText.bottom};
    ::DrawTextA(hdc, strText.c_str(), static_cast<int>(strText.size()), &rc, kTextFlags);
}

void CLinkStatic::ScrollStep()
{
    m_line.Step();
    // A static control draws on its parent's DC: the clip keeps the text off the frame.
    CClientDC dc(m_hWnd);
    if (dc == nullptr)
        return;
    ::IntersectClipRect(dc, m_rcText.left, m_rcText.top, m_rcText.right, m_rcText.bottom);
    CSelectObject keep(dc, m_fontBold);
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, m_crBack);
    for (const LinkCopy& copy : m_line.Copies())
    {
        const LinkItem& item = m_line.Item(copy.m_nItem);
        ::SetTextColor(dc, item.m_strTarget.empty() ? kPlainColour : kLinkColour);
        DrawCopy(dc, copy);
        // The opaque text covers only itself: the column it has just left is erased.
        const int nEnd = copy.m_nX + item.m_nWidth;
        const RECT rcLeft{nEnd, m_rcText.top, nEnd + 1, m_rcText.bottom};
        ::InvalidateRect(m_hWnd, &rcLeft, TRUE);
    }
}

void CLinkStatic::OnTimer(UINT_PTR nIdEvent)
{
    if (nIdEvent != kLinkScrollTimerId)
    {
        SetMsgHandled(false);
        return;
    }
    ScrollStep();
}

void CLinkStatic::ResumeScrolling()
{
    m_bHovering = false;
    SetTimer(kLinkScrollTimerId, kLinkScrollPeriodMs);
}

void CLinkStatic::OnMouseMove(UINT, POINT pt)
{
    const std::optional<LinkCopy> hit = m_line.HitTest(pt.x, pt.y);
    m_nHoverItem = hit ? static_cast<int>(hit->m_nItem) : -1;
    if (!m_bHovering && hit)
    {
        KillTimer(kLinkScrollTimerId);
        m_bHovering = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::_TrackMouseEvent(&tme);
        if (!m_line.Item(hit->m_nItem).m_strTarget.empty())
        {
            CClientDC dc(m_hWnd);
            ::IntersectClipRect(dc, m_rcText.left, m_rcText.top, m_rcText.right, m_rcText.bottom);
            CSelectObject keep(dc, m_fontHover);
            ::SetBkMode(dc, OPAQUE);
            ::SetBkColor(dc, m_crBack);
            ::SetTextColor(dc, kHoverColour);
            DrawCopy(dc, *hit);
        }
    }
    else if (m_bHovering && !hit)
    {
        ResumeScrolling();
    }
    SetMsgHandled(false);
}

LRESULT CLinkStatic::OnMouseLeave(WPARAM, LPARAM)
{
    // The next step draws the hovered copy in its plain colours again.
    ResumeScrolling();
    return 0;
}

LRESULT CLinkStatic::OnReflectedCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != STN_CLICKED)
    {
        SetMsgHandled(false);
        return 0;
    }
    // Only a link standing still under the pointer can be aimed at.
    if (m_bHovering && m_nHoverItem >= 0)
    {
        const std::string& strTarget = m_line.Item(static_cast<size_t>(m_nHoverItem)).m_strTarget;
        // The result is not looked at: the shell tells the user itself when nothing opens it.
        if (!strTarget.empty())
            ShellOpener().Execute(nullptr, "open", strTarget.c_str(), nullptr, nullptr, SW_SHOW);
    }
    return 0;
}

LRESULT CLinkStatic::OnSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefWindowProc(WM_SIZE, wParam, lParam);
    ComputeRects();
    return lResult;
}

LRESULT CLinkStatic::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    FillSolidRect(reinterpret_cast<HDC>(wParam), m_rcText, m_crBack);
    return TRUE;
}

void CLinkStatic::OnPaint()
{
    // The texts are drawn by the scroll and hover steps alone.
    CPaintDC dc(m_hWnd);
    RECT rcInner = m_rcOuter;
    ::InflateRect(&rcInner, -1, -1);
    Draw3dRect(dc, rcInner, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    Draw3dRect(dc, m_rcOuter, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CLinkStatic::OnDestroy()
{
    KillTimer(kLinkScrollTimerId);
    m_bHovering = false;
    m_fontBold.DeleteObject();
    m_fontHover.DeleteObject();
    SetMsgHandled(false);
}
