// A dialog from a template: modeless (Create) or modal (DoModal, with its own loop). The
// modal loop ends when EndDialog is called from anywhere, also from a command that reached
// the application while the dialog ran; the object must outlive DoModal's return. A
// top-level dialog that OnInitDialog did not move is centred.
#pragma once

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT nIdTemplate, CWnd* pParent = nullptr);

    BOOL Create(UINT nIdTemplate, CWnd* pParent = nullptr);
    // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog could not be created.
    // A WM_QUIT that arrives meanwhile ends the dialog as cancelled and is posted again.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR nResult);
    bool IsInModalLoop() const { return m_bInModal; }
    // TRUE: controls to members, with checks; FALSE: members to controls. FALSE when a
    // check failed (the user has been told and the field has the focus).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Over its owner when that is visible, else in the middle of the work area.
    void CenterWindow() const;

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Fills the controls; TRUE lets the dialog manager give the focus to the first control.
    virtual BOOL OnInitDialog();
    // Ends with IDOK only when the fields pass their checks.
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Whether the template may hold common controls, whose classes Create then registers. A
    // dialog of plain controls made at start-up says no, so COMCTL32 stays unloaded meanwhile.
    virtual bool NeedsCommonControls() const { return true; }

    // Unhandled dialog messages go to the dialog manager, which the DLGPROC reaches by
    // returning FALSE; there is nothing to call here.
    LRESULT DefWindowProc(UINT, WPARAM, LPARAM) override { return 0; }

    UINT m_nIdTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MSG_MAP()

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    void HandleOK() { OnOK(); }
    void HandleCancel() { OnCancel(); }
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    bool m_bInModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = IDCANCEL;
};
