// The colour picker's drop-down: an "Automatic" box, the 40 named colours with tooltips and a
// "More Colors..." box that opens the system colour dialog. It opens below its CColorButton
// with the mouse captured, reports the highlighted colour and the end of the selection to the
// button, and owns itself: the object goes when its window is destroyed.
#pragma once

#include "config/ColourPopupModel.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWnd.h"
#include "framework/Gdi.h"

#include <string>

class CColorButton;

class CColourPopup : public CWnd
{
public:
    // Opens a popup for pButton at ptAt (screen) on crColour; the window owns the object from
    // then on. FALSE when no window could be made: nothing is shown and nothing is reported.
    static BOOL Open(CColorButton* pButton, POINT ptAt, COLORREF crColour, const std::string& strDefaultText,
                     const std::string& strCustomText);

    const PopupLayout& Layout() const { return m_layout; }
    int HotCell() const { return m_nHotCell; }
    int InitialCell() const { return m_nInitialCell; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    void OnMouseMove(UINT, POINT pt);
    void OnLButtonUp(UINT, POINT);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnActivateApp(WPARAM wParam, LPARAM);
    LRESULT OnQueryNewPalette(WPARAM, LPARAM);
    LRESULT OnPaletteChanged(WPARAM wParam, LPARAM);
    void PostNcDestroy() override;
    DECLARE_MSG_MAP()

private:
    CColourPopup(CColorButton* pButton, COLORREF crColour, std::string strDefaultText,
                 std::string strCustomText);
    BOOL Create(POINT ptAt);
    void LayoutWindow();
    void AddCellTips();
    void SetHotCell(int nCell);
    // Ends the selection: reports to the button, then destroys the window (and this object).
    // The caller must return at once.
    void FinishSelection(bool bOk);

    void Paint(HDC hdc) const;
    void PaintCell(HDC hdc, int nCell) const;
    void PaintColourCell(HDC hdc, int nCell, RECT rc) const;
    void PaintTextBox(HDC hdc, int nCell, RECT rc) const;
    void DrawCellEdge(HDC hdc, int nCell, RECT rc) const;

    // The button by its window: a report to a button that is gone goes nowhere.
    HWND m_hButton;
    COLORREF m_crInitial;
    COLORREF m_crCurrent;
    std::string m_strDefaultText;
    std::string m_strCustomText;
    PopupLayout m_layout;
    int m_nHotCell = kNoCell;
    int m_nInitialCell = kNoCell;
    CFont m_font;
    CPalette m_palette;
    CToolTipCtrl m_toolTip;
    // The window deletes the object only once it exists.
    bool m_bOwnsItself = false;
    // While "More Colors..." runs its dialog, FinishSelection is on the stack and owns the object.
    bool m_bDialogOpen = false;
    bool m_bWindowGone = false;
};
