#include "tests/wine/driver/CProgramUnderTest.h"

#include <cstdio>

bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs)
{
    const ULONGLONG nEnd = ::GetTickCount64() + nTimeoutMs;
    while (!condition()) {
        if (::GetTickCount64() >= nEnd)
            return false;
        ::Sleep(20);
    }
    return true;
}

std::string WindowClass(HWND hWnd)
{
    char szClass[256]; // the longest class name there is
    const int nLength = ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return std::string(szClass, nLength > 0 ? static_cast<size_t>(nLength) : 0);
}

std::string WindowText(HWND hWnd)
{
    // WM_GETTEXT works across processes, where GetWindowText would not ask the window.
    const LRESULT nLength = ::SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
    const LRESULT nCopied =
        ::SendMessageA(hWnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
}

std::vector<HWND> ProcessWindows(DWORD dwPid)
{
    const WNDENUMPROC collect = [](HWND hWnd, LPARAM lWindows) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lWindows)->push_back(hWnd);
        return TRUE;
    };
    std::vector<HWND> topLevel;
    ::EnumWindows(collect, reinterpret_cast<LPARAM>(&topLevel));
    std::vector<HWND> windows;
    for (HWND hWnd : topLevel) {
        DWORD dwOwner = 0;
        ::GetWindowThreadProcessId(hWnd, &dwOwner);
        if (dwPid == 0 || dwOwner == dwPid) {
            windows.push_back(hWnd);
            ::EnumChildWindows(hWnd, collect, reinterpret_cast<LPARAM>(&windows));
        }
    }
    return windows;
}

std::vector<HWND> ToolWindows(DWORD dwPid)
{
    std::vector<HWND> windows;
    for (HWND hWnd : ProcessWindows(dwPid))
        if (::IsWindowVisible(hWnd) && (::GetWindowLongPtrA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            windows.push_back(hWnd);
    return windows;
}

HWND FindMainDialog(DWORD dwPid)
{
    for (HWND hWnd : ProcessWindows(dwPid))
        if (WindowClass(hWnd) == "#32770" && WindowText(hWnd) == "Tempiva" && !::IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

CProgramUnderTest::~CProgramUnderTest()
{
    if (IsRunning()) {
        ::TerminateProcess(m_hProcess, 99);
        ::WaitForSingleObject(m_hProcess, 5000);
    }
}

bool CProgramUnderTest::Start(const std::string& strExe, const std::string& strFirstArgument)
{
    const std::string strTarget = m_strFolder + "Tempiva.exe";
    std::string strCommandLine = strFirstArgument.empty() ? '"' + strTarget + '"' : strFirstArgument;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if ((::GetFileAttributesA(strTarget.c_str()) == INVALID_FILE_ATTRIBUTES &&
         !::CopyFileA(strExe.c_str(), strTarget.c_str(), TRUE)) ||
        !::CreateProcessA(strTarget.c_str(), strCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          m_strFolder.c_str(), &si, &pi)) {
        std::fprintf(stderr, "starting %s as %s failed: %lu\n", strExe.c_str(), strTarget.c_str(),
                     ::GetLastError());
        return false;
    }
    ::CloseHandle(pi.hThread);
    m_hProcess = CHandle(pi.hProcess);
    m_dwPid = pi.dwProcessId;
    // So that the first look for its windows is not too early.
    ::WaitForInputIdle(pi.hProcess, 5000);
    return true;
}

std::optional<DWORD> CProgramUnderTest::WaitForExit(DWORD nTimeoutMs)
{
    DWORD dwCode = 0;
    if (!m_hProcess || ::WaitForSingleObject(m_hProcess, nTimeoutMs) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(m_hProcess, &dwCode))
        return std::nullopt;
    return dwCode;
}

HWND CProgramUnderTest::WaitForMainDialog(DWORD nTimeoutMs) const
{
    HWND hFound = nullptr;
    WaitUntil([&] { return (hFound = FindMainDialog(m_dwPid)) != nullptr; }, nTimeoutMs);
    return hFound;
}

bool CProgramUnderTest::SendCommand(UINT nId) const
{
    HWND hMain = WaitForMainDialog(5000);
    return hMain != nullptr && ::PostMessageA(hMain, WM_COMMAND, nId, 0);
}
