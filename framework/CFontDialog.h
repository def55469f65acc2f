// The system's font dialog, run modally: initialised from a LOGFONT, and after IDOK the font
// the user chose. A plain object on the caller's stack.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CFontDialog
{
public:
    // plfInitial: the font the dialog starts on, or none. dwFlags: CF_ flags (CF_SCREENFONTS, ...).
    explicit CFontDialog(const LOGFONTA* plfInitial = nullptr, DWORD dwFlags = CF_SCREENFONTS,
                         HWND hParent = nullptr);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK or IDCANCEL (also when the dialog could not be shown).
    INT_PTR DoModal();
    const LOGFONTA& GetCurrentFont() const { return m_lf; }

private:
    LOGFONTA m_lf{};
    CHOOSEFONTA m_cf{};
};
