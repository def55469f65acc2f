#include "framework/CDataExchange.h"

#include "framework/CDialog.h"
#include "framework/Exceptions.h"
#include "framework/Seams.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

HWND CDataExchange::PrepareCtrl(int nId)
{
    HWND hCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nId);
    if (hCtrl == nullptr)
        AfxThrowNotSupportedException(); // a template without the control is a program error
    m_hWndLastControl = hCtrl;
    return hCtrl;
}

void CDataExchange::Fail(const std::string& strMessage)
{
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    if (m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CDataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int nId, CWnd& control)
{
    if (control.m_hWnd != nullptr)
        return;
    if (!control.SubclassWindow(pDX->PrepareCtrl(nId)))
        AfxThrowNotSupportedException();
}

void DDX_Text(CDataExchange* pDX, int nId, std::string& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nId);
    if (!pDX->m_bSaveAndValidate)
    {
        ::SetWindowTextA(hCtrl, value.c_str());
        return;
    }
    const int nLength = ::GetWindowTextLengthA(hCtrl);
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hCtrl, text.data(), nLength + 1);
    text.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    value = std::move(text);
}

namespace {

// The whole field must be one number (spaces around it allowed) that fits.
bool ParseNumber(const std::string& text, bool bUnsigned, long long& nValue)
{
    const char* pszBegin = text.c_str();
    while (*pszBegin == ' ')
        ++pszBegin;
    if (bUnsigned && *pszBegin == '-')
        return false;
    char* pszEnd = nullptr;
    errno = 0;
    nValue = std::strtoll(pszBegin, &pszEnd, 10);
    if (pszEnd == pszBegin || errno == ERANGE)
        return false;
    while (*pszEnd == ' ')
        ++pszEnd;
    if (*pszEnd != '\0')
        return false;
    return bUnsigned ? nValue <= 0xFFFFFFFFLL : (nValue >= INT_MIN && nValue <= INT_MAX);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nId, int& value)
{
    std::string text = std::to_string(value);
    DDX_Text(pDX, nId, text);
    if (!pDX->m_bSaveAndValidate)
        return;
    long long nValue = 0;
    if (!ParseNumber(text, false, nValue))
        pDX->Fail("整数を入力してください。");
    value = static_cast<int>(nValue);
}

void DDX_Text(CDataExchange* pDX, int nId, UINT& value)
{
    std::string text = std::to_string(value);
    DDX_Text(pDX, nId, text);
    if (!pDX->m_bSaveAndValidate)
        return;
    long long nValue = 0;
    if (!ParseNumber(text, true, nValue))
        pDX->Fail("正の整数を入力してください。");
    value = static_cast<UINT>(nValue);
}

void DDX_Radio(CDataExchange* pDX, int nIdFirst, int& value)
{
    HWND hFirst = pDX->PrepareCtrl(nIdFirst);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nIndex = 0;
    // The group runs from its first button to the next control with WS_GROUP.
    for (HWND hButton = hFirst; hButton != nullptr; ++nIndex)
    {
        if (pDX->m_bSaveAndValidate)
        {
            if (::SendMessageA(hButton, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = nIndex;
        }
        else
        {
            ::SendMessageA(hButton, BM_SETCHECK, nIndex == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        hButton = ::GetWindow(hButton, GW_HWNDNEXT);
        if (hButton == nullptr || (::GetWindowLongPtrA(hButton, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DDX_Check(CDataExchange* pDX, int nId, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nId);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT nMin, UINT nMax)
{
    if (!pDX->m_bSaveAndValidate || (value >= nMin && value <= nMax))
        return;
    pDX->Fail(std::to_string(nMin) + " から " + std::to_string(nMax) + " までの整数を入力してください。");
}
