// Dialog data exchange: moves values between a dialog's members and its controls, in
// either direction, and stops at the first field the user must correct.
#pragma once

#include <windows.h>

#include <string>

class CDialog;
class CWnd;

class CDataExchange
{
public:
    CDataExchange(CDialog* pDlg, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlg) {}

    // The control with this id; it becomes the one that gets the focus when a check fails.
    HWND PrepareCtrl(int nId);
    // Tells the user what is wrong with the last prepared control and ends the exchange.
    [[noreturn]] void Fail(const std::string& strMessage);

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CDialog* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
};

// Thrown by Fail and caught by UpdateData, which then returns FALSE.
struct CDataExchangeFailure
{
};

// Binds a control object to the dialog's control on the first exchange (subclassing it).
void DDX_Control(CDataExchange* pDX, int nId, CWnd& control);
void DDX_Text(CDataExchange* pDX, int nId, std::string& value);
void DDX_Text(CDataExchange* pDX, int nId, int& value);
void DDX_Text(CDataExchange* pDX, int nId, UINT& value);
// The index of the checked button in the group that starts at nIdFirst, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIdFirst, int& value);
void DDX_Check(CDataExchange* pDX, int nId, int& value);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT nMin, UINT nMax);
