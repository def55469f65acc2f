#include "framework/CWinApp.h"

#include "framework/CWnd.h"
#include "framework/ModulePath.h"

#include <vector>

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

int CWinApp::Run()
{
    MSG msg;
    for (;;)
    {
        const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bGot == 0)
        {
            m_nExitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (bGot == -1)
        {
            m_nExitCode = -1;
            break;
        }
        if (!PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr;)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        // Children hand the message up to their parent; a top-level window is the last.
        if ((::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) == 0)
            break;
        hWnd = ::GetParent(hWnd);
    }
    return FALSE;
}

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) const
{
    return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszEntry, nDefault, m_strProfileName.c_str()));
}

std::string CWinApp::GetProfileString(const char* pszSection, const char* pszEntry, const char* pszDefault) const
{
    // The call reports size - 1 when the value did not fit: grow until it does.
    std::vector<char> buffer(256);
    for (;;)
    {
        const DWORD nCopied = ::GetPrivateProfileStringA(pszSection, pszEntry, pszDefault, buffer.data(),
                                                         static_cast<DWORD>(buffer.size()),
                                                         m_strProfileName.c_str());
        if (nCopied + 1 < buffer.size())
            return std::string(buffer.data(), nCopied);
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) const
{
    const std::string strValue = std::to_string(nValue);
    return WriteProfileString(pszSection, pszEntry, strValue.c_str());
}

BOOL CWinApp::WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue) const
{
    return ::WritePrivateProfileStringA(pszSection, pszEntry, pszValue, m_strProfileName.c_str());
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    if (pApp->m_strAppName.empty())
        pApp->m_strAppName = GetModuleBaseName();
    try
    {
        if (pApp->InitInstance())
            pApp->Run();
    }
    catch (...)
    {
        // Start-up must still reach ExitInstance, which saves what the user set.
        pApp->m_nExitCode = -1;
    }
    return pApp->ExitInstance();
}
