// The application object: start-up, the message loop, shut-down, and the profile functions
// bound to one INI file. Exactly one exists, as a global of the program.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the process; ExitInstance runs afterwards in every case.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    // Returns the process exit code.
    virtual int ExitInstance() { return m_nExitCode; }
    // Offers a message to the windows it is for, innermost first (dialog keyboard handling).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The private-profile functions on m_strProfileName. A missing key reads as the
    // default; an integer without leading digits reads as 0.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const;
    std::string GetProfileString(const char* pszSection, const char* pszEntry,
                                 const char* pszDefault = "") const;
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) const;
    // A null value removes the key.
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue) const;

    HINSTANCE m_hInstance = nullptr;
    std::string m_strAppName;
    std::string m_strProfileName;
    // Destroying this window ends the message loop.
    CWnd* m_pMainWnd = nullptr;
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The program's WinMain: InitInstance, Run when it succeeded, ExitInstance always.
int AfxWinMain(HINSTANCE hInstance);
