#include "tests/wine/driver/CProgramUnderTest.h"

#include "framework/ModulePath.h"

#include <cstdio>
#include <vector>

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct EnumState
{
    DWORD dwPid;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND hWnd, LPARAM lParam)
{
    auto* pState = reinterpret_cast<EnumState*>(lParam);
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    if (pState->dwPid == 0 || dwPid == pState->dwPid) {
        pState->windows.push_back(hWnd);
        const auto collectChild = [](HWND hChild, LPARAM lWindows) {
            reinterpret_cast<std::vector<HWND>*>(lWindows)->push_back(hChild);
            return TRUE;
        };
        ::EnumChildWindows(hWnd, collectChild, reinterpret_cast<LPARAM>(&pState->windows));
    }
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs)
{
    const ULONGLONG nEnd = ::GetTickCount64() + nTimeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount64() >= nEnd)
            return false;
        ::Sleep(20);
    }
}

std::string ExeBesideMe(const std::string& strName)
{
    return GetModuleDirectory() + strName;
}

std::string WindowClass(HWND hWnd)
{
    std::vector<char> buffer(256);
    const int nLength = ::GetClassNameA(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), nLength > 0 ? static_cast<size_t>(nLength) : 0);
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
    EnumState state{dwPid, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

HWND FindMainDialog(DWORD dwPid)
{
    for (HWND hWnd : ProcessWindows(dwPid))
        if (WindowClass(hWnd) == "#32770" && WindowText(hWnd) == "Tempiva" && !::IsWindowVisible(hWnd))
            return hWnd;
    return nullptr;
}

bool IsMessageBox(HWND hWnd)
{
    if (WindowClass(hWnd) != "#32770" || !::IsWindowVisible(hWnd))
        return false;
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) == 0 &&
           ::GetDlgItem(hWnd, kMessageTextId) != nullptr;
}

std::string MessageBoxText(HWND hBox)
{
    return WindowText(::GetDlgItem(hBox, kMessageTextId));
}

bool PressButton(HWND hDialog, int nButtonId)
{
    HWND hButton = ::GetDlgItem(hDialog, nButtonId);
    return hButton != nullptr && ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nButtonId, BN_CLICKED),
                                                reinterpret_cast<LPARAM>(hButton));
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
    if (::GetFileAttributesA(strTarget.c_str()) == INVALID_FILE_ATTRIBUTES &&
        !::CopyFileA(strExe.c_str(), strTarget.c_str(), TRUE)) {
        std::fprintf(stderr, "copying %s failed: %lu\n", strExe.c_str(), ::GetLastError());
        return false;
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const std::string strArgument = strFirstArgument.empty() ? '"' + strTarget + '"' : strFirstArgument;
    std::vector<char> commandLine(strArgument.begin(), strArgument.end());
    commandLine.push_back('\0');
    if (!::CreateProcessA(strTarget.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          m_strFolder.c_str(), &si, &pi)) {
        std::fprintf(stderr, "starting %s failed: %lu\n", strTarget.c_str(), ::GetLastError());
        return false;
    }
    ::CloseHandle(pi.hThread);
    m_hProcess = CHandle(pi.hProcess);
    m_dwPid = pi.dwProcessId;
    // Wait until it takes messages, so the first look for its windows is not too early.
    ::WaitForInputIdle(pi.hProcess, 5000);
    return true;
}

std::optional<DWORD> CProgramUnderTest::WaitForExit(DWORD nTimeoutMs)
{
    if (!m_hProcess || ::WaitForSingleObject(m_hProcess, nTimeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD dwCode = 0;
    ::GetExitCodeProcess(m_hProcess, &dwCode);
    return dwCode;
}

bool CProgramUnderTest::IsRunning() const
{
    return m_hProcess && ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

HWND CProgramUnderTest::WaitForMainDialog(DWORD nTimeoutMs) const
{
    HWND hFound = nullptr;
    WaitUntil([&] { return (hFound = FindMainDialog(m_dwPid)) != nullptr; }, nTimeoutMs);
    return hFound;
}

HWND CProgramUnderTest::WaitForMessageBox(DWORD nTimeoutMs) const
{
    HWND hBox = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd : Windows())
                if (IsMessageBox(hWnd))
                    hBox = hWnd;
            return hBox != nullptr;
        },
        nTimeoutMs);
    return hBox;
}

bool CProgramUnderTest::SendCommand(UINT nId, DWORD nTimeoutMs) const
{
    HWND hMain = WaitForMainDialog(nTimeoutMs);
    return hMain != nullptr && ::PostMessageA(hMain, WM_COMMAND, nId, 0);
}
