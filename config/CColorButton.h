// The colour picker button: an owner-drawn push button that shows its colour as a swatch
// beside a drop-down arrow. A click opens a CColourPopup below it; the popup's reports come
// back here and go on to the parent as WMU_COLOUR_* messages, wParam the colour and lParam
// the button's control id. Held as a member by its dialog (configuration, task dialog) and
// bound to a push button of the template with DDX_Control; the template may declare it
// plain or owner-drawn.
#pragma once

#include "config/ColourPopupModel.h"
#include "framework/CButton.h"

#include <string>

// The highlighted colour changed (popup to button to parent); also sent by the button after a
// confirmed choice that differs from the colour it had.
constexpr UINT WMU_COLOUR_CHANGE = WM_USER + 1001;
// The popup opened, with the button's colour.
constexpr UINT WMU_COLOUR_DROPDOWN = WM_USER + 1002;
// The popup closed (always before WMU_COLOUR_OK or WMU_COLOUR_CANCEL).
constexpr UINT WMU_COLOUR_CLOSEUP = WM_USER + 1003;
// The selection ended with this colour.
constexpr UINT WMU_COLOUR_OK = WM_USER + 1004;
// The selection was cancelled; the colour is the one restored.
constexpr UINT WMU_COLOUR_CANCEL = WM_USER + 1005;

class CColorButton : public CButton
{
public:
    CColorButton();

    // kClrDefault ("Automatic") or a colour value.
    COLORREF GetColour() const { return m_crColour; }
    // Stores the colour and, with a window, redraws at once.
    void SetColour(COLORREF crColour);
    // What the swatch shows for kClrDefault.
    COLORREF GetDefaultColour() const { return m_crDefault; }
    void SetDefaultColour(COLORREF crColour) { m_crDefault = crColour; }
    // The colour as the swatch shows it: the default colour stands in for kClrDefault.
    COLORREF GetShownColour() const { return m_crColour == kClrDefault ? m_crDefault : m_crColour; }
    // Texts of the popup's "Automatic" and "More Colors..." boxes; an empty text leaves its box out.
    void SetDefaultText(std::string strText) { m_strDefaultText = std::move(strText); }
    void SetCustomText(std::string strText) { m_strCustomText = std::move(strText); }
    // From the click that opens the popup until the popup reports the end of the selection.
    bool IsPopupOpen() const { return m_bPopupOpen; }

protected:
    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* pDis) override;
    void OnClicked();
    LRESULT OnPopupOk(WPARAM wParam, LPARAM);
    LRESULT OnPopupCancel(WPARAM wParam, LPARAM);
    LRESULT OnPopupChange(WPARAM wParam, LPARAM);
    DECLARE_MSG_MAP()

private:
    void NotifyParent(UINT uMsg, COLORREF crColour) const;
    void DrawArrow(HDC hdc, const RECT& rc, bool bDisabled) const;

    COLORREF m_crColour = kClrDefault;
    COLORREF m_crDefault;
    std::string m_strDefaultText = "Automatic";
    std::string m_strCustomText = "More Colors...";
    bool m_bPopupOpen = false;
};
