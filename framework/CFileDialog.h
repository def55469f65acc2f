// The system's open and save dialogs, run modally. The explorer-style dialog carries a hook,
// so a derived dialog can adjust the dialog once it has finished initialising (OnInitDone).
// Held by its caller, which may keep it for many runs.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

class CFileDialog
{
public:
    // pszFilter: pairs of description and pattern, each ended by "|", the list by a second "|"
    // ("All Files (*.*)|*.*||"). pszFileName: the initial name, or none.
    CFileDialog(BOOL bOpenFileDialog, const char* pszDefExt, const char* pszFileName, DWORD dwFlags,
                const char* pszFilter, HWND hParent);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK or IDCANCEL (also when the dialog could not be shown, or the chosen name did not
    // fit the name buffer).
    virtual INT_PTR DoModal();
    // The chosen file after IDOK.
    std::string GetPathName() const { return m_fileName.data(); }
    // The initial name; FALSE, with the name left empty, when it does not fit the buffer.
    BOOL SetFileName(const std::string& strName);
    void SetTitle(std::string strTitle);
    // The initial folder, or none (empty) for the platform's choice.
    void SetInitialFolder(std::string strFolder);

    OPENFILENAMEA m_ofn{};
    BOOL m_bOpenFileDialog;

protected:
    // The dialog is up with its controls filled; hDialog is the dialog itself.
    virtual void OnInitDone(HWND) {}

private:
    static UINT_PTR CALLBACK HookProc(HWND hHook, UINT uMsg, WPARAM wParam, LPARAM lParam);

    std::string m_strFilter;
    std::string m_strDefExt;
    std::string m_strTitle;
    std::string m_strInitialFolder;
    std::vector<char> m_fileName;
};
