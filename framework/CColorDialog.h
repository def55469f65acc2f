// The system's colour dialog, run modally, starting on a given colour. The sixteen custom
// colours the user mixes are kept for the life of the process and offered at every opening.
// A plain object on the caller's stack.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CColorDialog
{
public:
    // dwFlags: CC_ flags (CC_FULLOPEN, CC_ANYCOLOR, ...).
    explicit CColorDialog(COLORREF crInitial = 0, DWORD dwFlags = 0, HWND hParent = nullptr);
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    // IDOK or IDCANCEL (also when the dialog could not be shown).
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

private:
    CHOOSECOLORA m_cc{};
};
