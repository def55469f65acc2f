#include "framework/CFileDialog.h"

#include <algorithm>

namespace {

// Beyond MAX_PATH, for the paths the shell allows; a longer choice is refused by the dialog.
constexpr size_t kNameBufferBytes = 2048;

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt, const char* pszFileName, DWORD dwFlags,
                         const char* pszFilter, HWND hParent)
    : m_bOpenFileDialog(bOpenFileDialog), m_fileName(kNameBufferBytes, '\0')
{
    if (pszFilter != nullptr)
    {
        m_strFilter = pszFilter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = hParent;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = &CFileDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (pszDefExt != nullptr)
    {
        m_strDefExt = pszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (pszFileName != nullptr)
        SetFileName(pszFileName);
}

BOOL CFileDialog::SetFileName(const std::string& strName)
{
    std::fill(m_fileName.begin(), m_fileName.end(), '\0');
    if (strName.size() >= m_fileName.size())
        return FALSE;
    std::copy(strName.begin(), strName.end(), m_fileName.begin());
    return TRUE;
}

void CFileDialog::SetTitle(std::string strTitle)
{
    m_strTitle = std::move(strTitle);
    m_ofn.lpstrTitle = m_strTitle.c_str();
}

void CFileDialog::SetInitialFolder(std::string strFolder)
{
    m_strInitialFolder = std::move(strFolder);
    m_ofn.lpstrInitialDir = m_strInitialFolder.empty() ? nullptr : m_strInitialFolder.c_str();
}

INT_PTR CFileDialog::DoModal()
{
    // The structure is ours for the run: a caller may have pointed its buffer elsewhere.
    m_ofn.lpstrFile = m_fileName.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    const BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hHook, UINT uMsg, WPARAM, LPARAM lParam)
{
    // The hook's own dialog is an empty child of the real one, and knows its object from the
    // structure it was given at its creation.
    if (uMsg == WM_INITDIALOG)
    {
        const auto* pOfn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        ::SetWindowLongPtrA(hHook, DWLP_USER, pOfn->lCustData);
        return TRUE;
    }
    if (uMsg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE)
    {
        auto* pDialog = reinterpret_cast<CFileDialog*>(::GetWindowLongPtrA(hHook, DWLP_USER));
        if (pDialog != nullptr)
            pDialog->OnInitDone(::GetParent(hHook));
    }
    return 0;
}
