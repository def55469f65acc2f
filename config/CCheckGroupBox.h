// A check box that sits on the frame of a group box and enables (or shows) every control lying
// over that group box only while it is checked. Held as a member by its dialog, bound to an
// auto check box of the template; the group box is another control of the same dialog.
#pragma once

#include "framework/CButton.h"

class CCheckGroupBox : public CButton
{
public:
    // Moves the check box onto the group box's top left frame (and right after it in the tab
    // order), clears the group box's caption and applies the check state. bHide: unchecking
    // hides the governed controls and the group box as well.
    void SetGroupBox(HWND hGroupBox, bool bHide);
    void SetCheck(int nCheck);
    // Enables the controls whose rectangles overlap the group box's exactly when checked.
    void UpdateGroup();

protected:
    void OnClicked();
    DECLARE_MSG_MAP()

private:
    HWND m_hGroupBox = nullptr; // borrowed: a control of the same dialog
    bool m_bHide = false;
};
