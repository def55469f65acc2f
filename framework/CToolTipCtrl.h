// A tooltip control for the rectangles of one window, such as the cells of a self-drawn grid.
// Owned by that window as a member; the system destroys the control with its owner window.
// The owner relays its mouse messages (RelayEvent) from its PreTranslateMessage.
#pragma once

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd
{
public:
    BOOL Create(CWnd* pOwner);
    // A tip over rc (pWnd's client coordinates); the text is copied by the control.
    BOOL AddTool(CWnd* pWnd, const char* pszText, const RECT& rc, UINT_PTR nToolId) const;
    void RelayEvent(MSG* pMsg) const;
};
