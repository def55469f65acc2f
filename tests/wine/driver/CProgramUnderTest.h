// Drives Tempiva.exe as a black box: starts a copy in a test's folder of INI files, finds
// its windows and message boxes, sends it commands, waits for its end. Every wait is
// bounded, so a program that hangs fails its test instead of hanging the run.
#pragma once

#include "framework/Handle.h"
#include "tests/wine/support/ScratchFolder.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Polls every 20 ms until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD nTimeoutMs);

// A file beside the running test executable (the build folder).
std::string ExeBesideMe(const std::string& strName);

std::string WindowClass(HWND hWnd);
std::string WindowText(HWND hWnd);

// The windows of a process (of every process for 0), hidden ones and the children of its
// top-level windows too.
std::vector<HWND> ProcessWindows(DWORD dwPid);
// Tempiva's hidden main dialog, class "#32770", caption "Tempiva", in a process (in any for 0).
HWND FindMainDialog(DWORD dwPid);
bool IsMessageBox(HWND hWnd);
std::string MessageBoxText(HWND hBox);
// Clicks the button with this id (IDOK, IDYES, ...).
bool PressButton(HWND hDialog, int nButtonId);

class CProgramUnderTest
{
public:
    explicit CProgramUnderTest(const CScratchFolder& folder) : m_strFolder(folder.Path()) {}
    // A folder of someone else's making, with its final backslash.
    explicit CProgramUnderTest(std::string strFolder) : m_strFolder(std::move(strFolder)) {}
    // A program still running at the end of a test is ended, so it cannot disturb the next.
    ~CProgramUnderTest();
    CProgramUnderTest(const CProgramUnderTest&) = delete;
    CProgramUnderTest& operator=(const CProgramUnderTest&) = delete;

    // Copies the exe into the folder (once) and starts it there. The program's first
    // command-line argument is its quoted path, or strFirstArgument when one is given.
    bool Start(const std::string& strExe = ExeBesideMe("Tempiva.exe"),
               const std::string& strFirstArgument = "");
    std::optional<DWORD> WaitForExit(DWORD nTimeoutMs);
    bool IsRunning() const;
    DWORD Pid() const { return m_dwPid; }
    HANDLE Process() const { return m_hProcess; }

    std::vector<HWND> Windows() const { return ProcessWindows(m_dwPid); }
    HWND WaitForMainDialog(DWORD nTimeoutMs) const;
    // A visible message box of the program, or none.
    HWND WaitForMessageBox(DWORD nTimeoutMs) const;
    // Posts a command to the main dialog, as the panel's menu would.
    bool SendCommand(UINT nId, DWORD nTimeoutMs = 5000) const;

private:
    std::string m_strFolder;
    CHandle m_hProcess;
    DWORD m_dwPid = 0;
};
