// Drives Tempiva.exe as a black box in a folder of INI files. Every wait is bounded, so a
// program that hangs fails its test instead of hanging the run.
#pragma once

#include "framework/Handle.h"
#include "framework/ModulePath.h"
#include "tests/wine/support/ScratchFolder.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs);
inline std::string ExeBesideMe(const std::string& strName) { return GetModuleDirectory() + strName; }
std::string WindowClass(HWND hWnd);
std::string WindowText(HWND hWnd);
// The top-level windows of a process (of every process for 0), hidden ones too, and their children.
std::vector<HWND> ProcessWindows(DWORD dwPid);
std::vector<HWND> ToolWindows(DWORD dwPid); // the visible ones: the panel, its notices, the calendar
HWND FindMainDialog(DWORD dwPid);          // Tempiva's hidden main dialog

class CProgramUnderTest
{
public:
    explicit CProgramUnderTest(const CScratchFolder& folder) : m_strFolder(folder.Path()) {}
    ~CProgramUnderTest(); // ends a program still running, so that it cannot disturb the next test

    // Copies the exe into the folder (once) and starts it there; its first argument is its
    // quoted path unless strFirstArgument is given.
    bool Start(const std::string& strExe = ExeBesideMe("Tempiva.exe"),
               const std::string& strFirstArgument = "");
    std::optional<DWORD> WaitForExit(DWORD nTimeoutMs);
    bool IsRunning() const { return m_hProcess && ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT; }
    DWORD Pid() const { return m_dwPid; }
    HANDLE Process() const { return m_hProcess; }

    std::vector<HWND> Windows() const { return ProcessWindows(m_dwPid); }
    HWND WaitForMainDialog(DWORD nTimeoutMs) const;
    bool SendCommand(UINT nId) const; // posted to the main dialog, as the panel's menu would

private:
    std::string m_strFolder;
    CHandle m_hProcess;
    DWORD m_dwPid = 0;
};
