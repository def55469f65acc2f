#include "framework/CColorDialog.h"

namespace {

COLORREF* CustomColours()
{
    static COLORREF colours[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colours;
}

} // namespace

CColorDialog::CColorDialog(COLORREF crInitial, DWORD dwFlags, HWND hParent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.hwndOwner = hParent;
    m_cc.rgbResult = crInitial;
    m_cc.lpCustColors = CustomColours();
    m_cc.Flags = dwFlags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
