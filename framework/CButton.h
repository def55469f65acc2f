// A button control (push button, check box, radio button, group box) bound to an object: its
// check state, and owner drawing through the WM_DRAWITEM its parent hands back to it. Held as
// a member by the window that owns the control.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd
{
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }

protected:
    // Paints a button of style BS_OWNERDRAW; the default paints nothing.
    virtual void DrawItem(DRAWITEMSTRUCT* pDis);

    DECLARE_MSG_MAP()

private:
    void OnReflectedDrawItem(DRAWITEMSTRUCT* pDis) { DrawItem(pDis); }
};
