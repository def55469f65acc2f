#include "framework/CFontDialog.h"

CFontDialog::CFontDialog(const LOGFONTA* plfInitial, DWORD dwFlags, HWND hParent)
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.hwndOwner = hParent;
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (plfInitial != nullptr)
    {
        m_lf = *plfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal()
{
    return ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}
