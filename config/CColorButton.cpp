#include "config/CColorButton.h"

#include "config/CColourPopup.h"
#include "framework/Gdi.h"

BEGIN_MSG_MAP(CColorButton, CButton)
    MapReflectedControl<BN_CLICKED, &CColorButton::OnClicked>(),
    MapMessage<WMU_COLOUR_OK, &CColorButton::OnPopupOk>(),
    MapMessage<WMU_COLOUR_CANCEL, &CColorButton::OnPopupCancel>(),
    MapMessage<WMU_COLOUR_CHANGE, &CColorButton::OnPopupChange>(),
END_MSG_MAP()

CColorButton::CColorButton() : m_crDefault(::GetSysColor(COLOR_APPWORKSPACE))
{
}

void CColorButton::SetColour(COLORREF crColour)
{
    m_crColour = crColour;
    if (IsWindow())
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CColorButton::PreSubclassWindow()
{
    // The button draws itself, whatever kind of push button the template declared.
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CColorButton::NotifyParent(UINT uMsg, COLORREF crColour) const
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
        ::SendMessageA(hParent, uMsg, crColour, ::GetDlgCtrlID(m_hWnd));
}

void CColorButton::DrawArrow(HDC hdc, const RECT& rc, bool bDisabled) const
{
    // A triangle pointing down, 4 pixels wide and 2 high, by the right edge.
    const int nLeft = rc.right - ::GetSystemMetrics(SM_CXEDGE) / 2 - 4;
    const int nRight = nLeft + 4;
    const int nCentre = (rc.top + rc.bottom) / 2;
    const POINT points[3] = {
        {nLeft, nCentre - 1}, {nRight, nCentre - 1}, {(nLeft + nRight) / 2, nCentre + 1}};
    const COLORREF crArrow = bDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0);
    CPen pen(::CreatePen(PS_SOLID, 1, crArrow));
    CBrush brush(::CreateSolidBrush(crArrow));
    CSelectObject keepPen(hdc, pen);
    CSelectObject keepBrush(hdc, brush);
    const int nOldFill = ::SetPolyFillMode(hdc, WINDING);
    ::Polygon(hdc, points, 3);
    ::SetPolyFillMode(hdc, nOldFill);
}

void CColorButton::DrawItem(DRAWITEMSTRUCT* pDis)
{
    HDC hdc = pDis->hDC;
    RECT rc = pDis->rcItem;
    UINT nState = pDis->itemState;
    // While the popup is open the button stays down.
    if (m_bPopupOpen)
        nState |= ODS_SELECTED | ODS_FOCUS;
    const bool bSelected = (nState & ODS_SELECTED) != 0;
    const bool bDisabled = (nState & ODS_DISABLED) != 0;

    UINT nFrame = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (bSelected)
        nFrame |= DFCS_PUSHED;
    if (bDisabled)
        nFrame |= DFCS_INACTIVE;
    ::DrawFrameControl(hdc, &rc, DFC_BUTTON, nFrame);
    if (bSelected)
        ::OffsetRect(&rc, 1, 1);
    if (nState & ODS_FOCUS)
    {
        RECT rcFocus = rc;
        --rcFocus.right;
        ::DrawFocusRect(hdc, &rcFocus);
    }

    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    ::InflateRect(&rc, -cxEdge, -::GetSystemMetrics(SM_CYEDGE));
    DrawArrow(hdc, rc, bDisabled);
    // The etched separator between the swatch and the arrow.
    rc.right = rc.right - cxEdge / 2 - 4 - cxEdge / 2;
    ::DrawEdge(hdc, &rc, EDGE_ETCHED, BF_RIGHT);
    rc.right -= 2 * cxEdge + 1;
    // A disabled button shows no swatch.
    if (!bDisabled)
    {
        CBrush swatch(::CreateSolidBrush(GetShownColour()));
        ::FillRect(hdc, &rc, swatch);
        ::FrameRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
}

void CColorButton::OnClicked()
{
    m_bPopupOpen = true;
    Invalidate();
    const RECT rc = GetWindowRect();
    const BOOL bOpened =
        CColourPopup::Open(this, {rc.left, rc.bottom}, m_crColour, m_strDefaultText, m_strCustomText);
    NotifyParent(WMU_COLOUR_DROPDOWN, m_crColour);
    if (!bOpened)
    {
        // No popup will ever report an end: the button must not stay down waiting for one.
        m_bPopupOpen = false;
        Invalidate();
        NotifyParent(WMU_COLOUR_CLOSEUP, m_crColour);
    }
}

LRESULT CColorButton::OnPopupOk(WPARAM wParam, LPARAM)
{
    const COLORREF crOld = m_crColour;
    const auto crColour = static_cast<COLORREF>(wParam);
    m_bPopupOpen = false;
    SetColour(crColour);
    NotifyParent(WMU_COLOUR_CLOSEUP, crColour);
    NotifyParent(WMU_COLOUR_OK, crColour);
    if (crColour != crOld)
        NotifyParent(WMU_COLOUR_CHANGE, crColour);
    return 1;
}

LRESULT CColorButton::OnPopupCancel(WPARAM wParam, LPARAM)
{
    const auto crColour = static_cast<COLORREF>(wParam);
    m_bPopupOpen = false;
    SetColour(crColour);
    NotifyParent(WMU_COLOUR_CLOSEUP, crColour);
    NotifyParent(WMU_COLOUR_CANCEL, crColour);
    return 1;
}

LRESULT CColorButton::OnPopupChange(WPARAM wParam, LPARAM)
{
    // The button's own colour does not follow the highlight; only the parent hears of it.
    NotifyParent(WMU_COLOUR_CHANGE, static_cast<COLORREF>(wParam));
    return 1;
}
