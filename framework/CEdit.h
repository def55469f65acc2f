// An edit control bound to an object: its selection. Held as a member by the window that
// owns the control; a derived class may take over its frame (CFileEditCtrl).
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd
{
public:
    // nEnd -1: to the end of the text.
    void SetSel(int nStart, int nEnd) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(nStart), nEnd); }
    void ScrollCaret() const { SendMessage(EM_SCROLLCARET); }
};
