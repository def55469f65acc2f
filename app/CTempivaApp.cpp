#include "app/CTempivaApp.h"

#include "app/SettingsStore.h"
#include "framework/ModulePath.h"
#include "res/resource.h"

#include <winsock.h>

#include <cstdio>

BOOL CTempivaApp::InitInstance()
{
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(1, 1), &wsa) != 0)
    {
        std::fputs("Failed to load winsock stack\n", stdout);
        m_nExitCode = 1;
        return FALSE;
    }
    m_bSocketsStarted = true;

    CHandle hMutex(::CreateMutexA(nullptr, FALSE, "Tempiva-Instance"));
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE; // the running copy carries on; this one touches nothing
    m_hInstanceGuard = std::move(hMutex);

    LoadSettings();

    m_pMainDlg = std::make_unique<CMainDlg>(GetModuleDirectory());
    m_pMainWnd = m_pMainDlg.get();
    if (!m_pMainDlg->Create(IDD_MAIN))
    {
        m_nExitCode = 1;
        return FALSE;
    }
    return TRUE;
}

int CTempivaApp::ExitInstance()
{
    // The settings are saved at every end of the first copy, also after a failed start.
    if (m_hInstanceGuard)
    {
        m_hInstanceGuard.Close();
        if (!SaveSettings())
            ReportSettingsSaveFailure();
    }
    m_pMainWnd = nullptr;
    m_pMainDlg.reset();
    if (m_bSocketsStarted)
        ::WSACleanup();
    return CWinApp::ExitInstance();
}
