#include "framework/CButton.h"

BEGIN_MSG_MAP(CButton, CWnd)
    MapReflectedDrawItem<&CButton::OnReflectedDrawItem>(),
END_MSG_MAP()

void CButton::DrawItem(DRAWITEMSTRUCT*)
{
}
