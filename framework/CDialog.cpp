#include "framework/CDialog.h"

#include "framework/CWinApp.h"
#include "framework/CommonControls.h"

#include <algorithm>

BEGIN_MSG_MAP(CDialog, CWnd)
    MapMessage<WM_INITDIALOG, &CDialog::HandleInitDialog>(),
    MapCommand<IDOK, &CDialog::HandleOK>(),
    MapCommand<IDCANCEL, &CDialog::HandleCancel>(),
END_MSG_MAP()

CDialog::CDialog(UINT nIdTemplate, CWnd* pParent) : m_nIdTemplate(nIdTemplate), m_pParentWnd(pParent)
{
}

BOOL CDialog::Create(UINT nIdTemplate, CWnd* pParent)
{
    if (m_hWnd != nullptr)
        return FALSE;
    m_nIdTemplate = nIdTemplate;
    m_pParentWnd = pParent;
    if (NeedsCommonControls())
        EnsureCommonControls();
    HWND hParent = pParent != nullptr ? pParent->m_hWnd : nullptr;
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIdTemplate), hParent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr)
    {
        Detach();
        return FALSE;
    }
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    if (!Create(m_nIdTemplate, m_pParentWnd))
        return -1;

    HWND hParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    const bool bDisabledParent = hParent != nullptr && ::IsWindowEnabled(hParent);
    if (bDisabledParent)
        ::EnableWindow(hParent, FALSE);
    ShowWindow(SW_SHOW);

    m_bInModal = true;
    m_bEndModal = false;
    m_nModalResult = IDCANCEL;
    CWinApp* pApp = AfxGetApp();
    MSG msg;
    while (!m_bEndModal && IsWindow())
    {
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0)
        {
            // The application is ending: this dialog ends as cancelled, the outer loop
            // must still see the quit.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = IDCANCEL;
            break;
        }
        if (bGot == -1)
            break;
        if (pApp == nullptr || !pApp->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    m_bInModal = false;

    // Enable the owner before the dialog goes, or Windows activates some other program.
    if (bDisabledParent && ::IsWindow(hParent))
        ::EnableWindow(hParent, TRUE);
    if (IsWindow())
        DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR nResult)
{
    if (m_bInModal)
    {
        m_nModalResult = nResult;
        m_bEndModal = true;
        // Wake the loop in case EndDialog came from outside a dispatched message.
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
    else if (m_hWnd != nullptr)
    {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (const CDataExchangeFailure&)
    {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    const RECT rcBefore = GetWindowRect();
    const BOOL bDefaultFocus = OnInitDialog();
    // A top-level dialog that did not place itself opens centred, as dialogs always did.
    const RECT rcAfter = GetWindowRect();
    if ((GetStyle() & WS_CHILD) == 0 && ::EqualRect(&rcBefore, &rcAfter))
        CenterWindow();
    return bDefaultFocus;
}

void CDialog::CenterWindow() const
{
    RECT rc = GetWindowRect();
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    // Over a visible owner, else in the middle of the work area; never off it.
    RECT rcCentre = mi.rcWork;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner != nullptr && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcCentre);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    int x = (rcCentre.left + rcCentre.right - cx) / 2;
    int y = (rcCentre.top + rcCentre.bottom - cy) / 2;
    x = std::max<int>(mi.rcWork.left, std::min<int>(x, mi.rcWork.right - cx));
    y = std::max<int>(mi.rcWork.top, std::min<int>(y, mi.rcWork.bottom - cy));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
    {
        if (uMsg != WM_INITDIALOG)
            return FALSE;
        auto* pDlg = reinterpret_cast<CDialog*>(lParam);
        pDlg->Attach(hWnd);
        pWnd = pDlg;
    }
    auto* pDlg = static_cast<CDialog*>(pWnd);

    LRESULT lResult = 0;
    bool bHandled = false;
    try
    {
        bHandled = pDlg->OnWndMsg(uMsg, wParam, lParam, lResult);
    }
    catch (...)
    {
        ReportEscapedException();
        bHandled = true;
    }
    if (uMsg == WM_NCDESTROY)
    {
        pDlg->FinishNcDestroy();
        return FALSE;
    }
    if (!bHandled)
        return FALSE;

    switch (uMsg)
    {
    // These answer through the return value, not DWLP_MSGRESULT.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(lResult);
    default:
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
}
