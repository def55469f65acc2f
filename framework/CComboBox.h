// A combo box control bound to an object: its list and its selection. Held as a member by the
// dialog that owns the control. Indices are the control's; CB_ERR (-1) means none.
#pragma once

#include "framework/CWnd.h"

#include <string>

class CComboBox : public CWnd
{
public:
    int AddString(const std::string& strText) const;
    int InsertString(int nIndex, const std::string& strText) const;
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nIndex) const
    {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nIndex)));
    }
    // The text of entry nIndex; empty when there is none.
    std::string GetLBText(int nIndex) const;
    // The most bytes the edit field of an editable combo box takes from the keyboard.
    void LimitText(int nMaxBytes) const { SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(nMaxBytes)); }
};
