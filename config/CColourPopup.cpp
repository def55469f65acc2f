#include "config/CColourPopup.h"

#include "config/CColorButton.h"
#include "framework/CColorDialog.h"
#include "framework/WndClass.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// NONCLIENTMETRICSA without the padded border width: the size every Windows version takes.
constexpr UINT kClassicMetricsSize = 340;
// Cells are filled with palette-relative colours, so a palette device shows them exactly.
constexpr COLORREF kPaletteRelative = 0x02000000;

RECT ToRect(const PopupRect& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

PopupRect ToPopupRect(const RECT& rc)
{
    return {rc.left, rc.top, rc.right, rc.bottom};
}

int Margin()
{
    return ::GetSystemMetrics(SM_CXEDGE);
}

HFONT CreateMessageFont()
{
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = kClassicMetricsSize;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kClassicMetricsSize, &ncm, 0))
        return nullptr;
    return ::CreateFontIndirectA(&ncm.lfMessageFont);
}

HPALETTE CreateTablePalette()
{
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + (kColourCount - 1) * sizeof(PALETTEENTRY));
    auto* pPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pPalette->palVersion = 0x300;
    pPalette->palNumEntries = kColourCount;
    for (int i = 0; i < kColourCount; ++i)
    {
        const COLORREF cr = kColourTable[static_cast<size_t>(i)].crColour;
        pPalette->palPalEntry[i] = {GetRValue(cr), GetGValue(cr), GetBValue(cr), 0};
    }
    return ::CreatePalette(pPalette);
}

// The work area of the monitor that holds the button.
PopupRect WorkAreaOf(const RECT& rcButton)
{
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoA(::MonitorFromRect(&rcButton, MONITOR_DEFAULTTONEAREST), &mi))
        return ToPopupRect(mi.rcWork);
    RECT rcWork{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return ToPopupRect(rcWork);
}

} // namespace

BEGIN_MSG_MAP(CColourPopup, CWnd)
    MapPaint<&CColourPopup::OnPaint>(),
    MapMessage<WM_PRINTCLIENT, &CColourPopup::OnPrintClient>(),
    MapMouse<WM_MOUSEMOVE, &CColourPopup::OnMouseMove>(),
    MapMouse<WM_LBUTTONUP, &CColourPopup::OnLButtonUp>(),
    MapMessage<WM_KEYDOWN, &CColourPopup::OnKeyDown>(),
    MapMessage<WM_KILLFOCUS, &CColourPopup::OnKillFocus>(),
    MapMessage<WM_ACTIVATEAPP, &CColourPopup::OnActivateApp>(),
    MapMessage<WM_QUERYNEWPALETTE, &CColourPopup::OnQueryNewPalette>(),
    MapMessage<WM_PALETTECHANGED, &CColourPopup::OnPaletteChanged>(),
END_MSG_MAP()

BOOL CColourPopup::Open(CColorButton* pButton, POINT ptAt, COLORREF crColour, const std::string& strDefaultText,
                        const std::string& strCustomText)
{
    std::unique_ptr<CColourPopup> pPopup(new CColourPopup(pButton, crColour, strDefaultText, strCustomText));
    if (!pPopup->Create(ptAt))
        return FALSE;
    pPopup.release(); // PostNcDestroy deletes it
    return TRUE;
}

CColourPopup::CColourPopup(CColorButton* pButton, COLORREF crColour, std::string strDefaultText,
                           std::string strCustomText)
    : m_hButton(pButton->m_hWnd), m_crInitial(crColour), m_crCurrent(crColour),
      m_strDefaultText(std::move(strDefaultText)), m_strCustomText(std::move(strCustomText)),
      m_font(CreateMessageFont()), m_palette(CreateTablePalette())
{
    m_layout.boxes = {!m_strDefaultText.empty(), !m_strCustomText.empty()};
}

BOOL CColourPopup::Create(POINT ptAt)
{
    const char* pszClass =
        AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW, nullptr,
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!CreateEx(0, pszClass, "", WS_POPUP | WS_VISIBLE, ptAt.x, ptAt.y, 100, 100, m_hButton,
                  nullptr))
        return FALSE;
    m_bOwnsItself = true;
    LayoutWindow();
    AddCellTips();
    m_nInitialCell = MarkInitialCell(m_layout.boxes, m_crInitial);
    ::SetCapture(m_hWnd);
    return TRUE;
}

void CColourPopup::PostNcDestroy()
{
    // Destroyed under the colour dialog (its owner went): FinishSelection deletes us after it.
    if (m_bDialogOpen)
    {
        m_bWindowGone = true;
        return;
    }
    if (m_bOwnsItself)
        delete this;
}

void CColourPopup::LayoutWindow()
{
    SIZE szText{0, 0};
    {
        CClientDC dc(m_hWnd);
        CSelectObject keep(dc, m_font ? static_cast<HGDIOBJ>(m_font) : ::GetStockObject(DEFAULT_GUI_FONT));
        for (const std::string* pText : {&m_strCustomText, &m_strDefaultText})
        {
            SIZE sz{0, 0};
            ::GetTextExtentPoint32A(dc, pText->c_str(), static_cast<int>(pText->size()), &sz);
            szText.cx = std::max(szText.cx, sz.cx);
            szText.cy = std::max(szText.cy, sz.cy);
        }
    }
    const RECT rcNow = GetWindowRect();
    m_layout = LayoutPopup(rcNow.left, rcNow.top, Margin(), szText.cx, szText.cy, m_layout.boxes);
    RECT rcButton{};
    ::GetWindowRect(m_hButton, &rcButton);
    m_layout.rcWindow =
        FitPopupToArea(m_layout.rcWindow, WorkAreaOf(rcButton), rcButton.bottom - rcButton.top);
    const PopupRect& rc = m_layout.rcWindow;
    ::MoveWindow(m_hWnd, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CColourPopup::AddCellTips()
{
    if (!m_toolTip.Create(this))
        return; // the popup works without its tips
    for (int i = 0; i < kColourCount; ++i)
        m_toolTip.AddTool(this, kColourTable[static_cast<size_t>(i)].pszName, ToRect(CellRect(m_layout, i)),
                          static_cast<UINT_PTR>(i) + 1);
}

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg)
{
    m_toolTip.RelayEvent(pMsg);
    // A capture lost on the way (a tooltip, a focus change) is taken back while tracking.
    if (!m_bDialogOpen && ::GetCapture() != m_hWnd)
        ::SetCapture(m_hWnd);
    return FALSE;
}

void CColourPopup::SetHotCell(int nCell)
{
    if (nCell > kColourCount)
        nCell = kCustomCell;
    const int nOld = m_nHotCell;
    m_nHotCell = nCell;
    {
        CClientDC dc(m_hWnd);
        PaintCell(dc, nOld);
        PaintCell(dc, nCell);
    }
    COLORREF crReport = m_crInitial;
    if (nCell == kDefaultCell)
        m_crCurrent = crReport = kClrDefault;
    else if (nCell >= 0 && nCell < kColourCount)
        m_crCurrent = crReport = kColourTable[static_cast<size_t>(nCell)].crColour;
    ::SendMessageA(m_hButton, WMU_COLOUR_CHANGE, crReport, 0);
}

void CColourPopup::FinishSelection(bool bOk)
{
    ::ReleaseCapture();
    if (bOk && m_nHotCell == kCustomCell)
    {
        m_bDialogOpen = true;
        CColorDialog dialog(m_crInitial, CC_FULLOPEN | CC_ANYCOLOR, m_hWnd);
        if (dialog.DoModal() == IDOK)
            m_crCurrent = dialog.GetColor();
        else
            bOk = false;
        m_bDialogOpen = false;
        if (m_bWindowGone)
        {
            delete this;
            return;
        }
    }
    if (!bOk)
        m_crCurrent = m_crInitial;
    ::SendMessageA(m_hButton, bOk ? WMU_COLOUR_OK : WMU_COLOUR_CANCEL, m_crCurrent, 0);
    // A deactivation while the colour dialog runs lands here too; the outer call destroys.
    if (!m_bDialogOpen)
        DestroyWindow();
}

void CColourPopup::OnMouseMove(UINT, POINT pt)
{
    const int nCell = CellAtPoint(m_layout, pt.x, pt.y);
    if (nCell != kNoCell && nCell != m_nHotCell)
        SetHotCell(nCell);
}

void CColourPopup::OnLButtonUp(UINT, POINT)
{
    const DWORD dwPos = ::GetMessagePos();
    const POINT pt{static_cast<short>(LOWORD(dwPos)), static_cast<short>(HIWORD(dwPos))};
    const RECT rc = GetWindowRect();
    FinishSelection(::PtInRect(&rc, pt) != FALSE);
}

LRESULT CColourPopup::OnKeyDown(WPARAM wParam, LPARAM)
{
    switch (wParam)
    {
    case VK_DOWN:
        SetHotCell(CellAfterKey(m_layout.boxes, m_nHotCell, PopupKey::Down));
        break;
    case VK_UP:
        SetHotCell(CellAfterKey(m_layout.boxes, m_nHotCell, PopupKey::Up));
        break;
    case VK_RIGHT:
        SetHotCell(CellAfterKey(m_layout.boxes, m_nHotCell, PopupKey::Right));
        break;
    case VK_LEFT:
        SetHotCell(CellAfterKey(m_layout.boxes, m_nHotCell, PopupKey::Left));
        break;
    case VK_ESCAPE:
        m_crCurrent = m_crInitial;
        FinishSelection(false);
        break;
    case VK_RETURN:
    case VK_SPACE:
        FinishSelection(true);
        break;
    default:
        SetMsgHandled(false);
        break;
    }
    return 0;
}

LRESULT CColourPopup::OnKillFocus(WPARAM, LPARAM)
{
    ::ReleaseCapture();
    SetMsgHandled(false);
    return 0;
}

LRESULT CColourPopup::OnActivateApp(WPARAM wParam, LPARAM)
{
    if (wParam == FALSE)
        FinishSelection(false);
    else
        SetMsgHandled(false);
    return 0;
}

LRESULT CColourPopup::OnQueryNewPalette(WPARAM, LPARAM)
{
    Invalidate();
    SetMsgHandled(false);
    return 0;
}

LRESULT CColourPopup::OnPaletteChanged(WPARAM wParam, LPARAM)
{
    if (reinterpret_cast<HWND>(wParam) != m_hWnd)
        Invalidate();
    SetMsgHandled(false);
    return 0;
}

void CColourPopup::OnPaint()
{
    CPaintDC dc(m_hWnd);
    Paint(dc);
}

LRESULT CColourPopup::OnPrintClient(WPARAM wParam, LPARAM)
{
    // A picture of the whole popup, background included, for whoever asks (tests, effects).
    HDC hdc = reinterpret_cast<HDC>(wParam);
    const RECT rc = GetClientRect();
    ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    Paint(hdc);
    return 0;
}

void CColourPopup::Paint(HDC hdc) const
{
    PaintCell(hdc, kDefaultCell);
    for (int i = 0; i < kColourCount; ++i)
        PaintCell(hdc, i);
    PaintCell(hdc, kCustomCell);
    RECT rc = GetClientRect();
    ::DrawEdge(hdc, &rc, EDGE_RAISED, BF_RECT);
}

void CColourPopup::PaintCell(HDC hdc, int nCell) const
{
    const bool bExists = nCell == kDefaultCell  ? m_layout.boxes.bDefault
                         : nCell == kCustomCell ? m_layout.boxes.bCustom
                                                : nCell >= 0 && nCell < kColourCount;
    if (!bExists)
        return;
    const RECT rc = ToRect(CellRect(m_layout, nCell));
    if (nCell < 0)
        PaintTextBox(hdc, nCell, rc);
    else
        PaintColourCell(hdc, nCell, rc);
}

void CColourPopup::DrawCellEdge(HDC hdc, int nCell, RECT rc) const
{
    if (nCell == m_nHotCell)
        ::DrawEdge(hdc, &rc, BDR_RAISEDINNER, BF_RECT);
    else if (nCell == m_nInitialCell)
        ::DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT);
}

void CColourPopup::PaintColourCell(HDC hdc, int nCell, RECT rc) const
{
    HPALETTE hOldPalette = nullptr;
    if ((::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) && m_palette)
    {
        hOldPalette = ::SelectPalette(hdc, m_palette, FALSE);
        ::RealizePalette(hdc);
    }
    const bool bMarked = nCell == m_nInitialCell && nCell != m_nHotCell;
    ::FillRect(hdc, &rc, ::GetSysColorBrush(bMarked ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    DrawCellEdge(hdc, nCell, rc);

    const int nInset = Margin() + 1;
    ::InflateRect(&rc, -nInset, -nInset);
    {
        CBrush swatch(
            ::CreateSolidBrush(kPaletteRelative | kColourTable[static_cast<size_t>(nCell)].crColour));
        CPen outline(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        CSelectObject keepBrush(hdc, swatch);
        CSelectObject keepPen(hdc, outline);
        ::Rectangle(hdc, rc.left, rc.top, rc.right, rc.bottom);
    }
    if (hOldPalette != nullptr)
        ::SelectPalette(hdc, hOldPalette, FALSE);
}

void CColourPopup::PaintTextBox(HDC hdc, int nCell, RECT rc) const
{
    const int m = Margin();
    const bool bMarked = nCell == m_nInitialCell && nCell != m_nHotCell;
    if (nCell == kCustomCell)
    {
        // A separator of two lines across the box's top, then the area below it.
        const RECT rcBox = rc;
        rc.top += 2 * m;
        ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        const RECT rcShadow{rcBox.left + 2 * m, rcBox.top, rcBox.right - 2 * m, rcBox.top + 1};
        const RECT rcLight{rcShadow.left, rcShadow.top + 1, rcShadow.right, rcShadow.bottom + 1};
        ::FillRect(hdc, &rcShadow, ::GetSysColorBrush(COLOR_BTNSHADOW));
        ::FillRect(hdc, &rcLight, ::GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    }
    else
    {
        ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    ::InflateRect(&rc, -1, -1);
    ::FillRect(hdc, &rc, ::GetSysColorBrush(bMarked ? COLOR_3DLIGHT : COLOR_BTNFACE));
    if (nCell == kDefaultCell)
    {
        // The automatic box frames an empty swatch inside it.
        CPen outline(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        CSelectObject keepPen(hdc, outline);
        CSelectObject keepBrush(hdc, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(hdc, rc.left + 2 * m, rc.top + 2 * m, rc.right - 2 * m, rc.bottom - 2 * m);
    }
    DrawCellEdge(hdc, nCell, rc);

    const std::string& strText = nCell == kDefaultCell ? m_strDefaultText : m_strCustomText;
    CSelectObject keepFont(hdc, m_font ? static_cast<HGDIOBJ>(m_font) : ::GetStockObject(DEFAULT_GUI_FONT));
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    ::DrawTextA(hdc, strText.c_str(), static_cast<int>(strText.size()), &rc,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SetBkMode(hdc, nOldMode);
}
