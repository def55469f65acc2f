// The window-system calls a test must steer: the clock, setting the clock, sounds, message
// boxes, the file calls of the saves and opening a link in the browser. Production uses the
// real calls; a test installs a fake for its scope with a CSeamScope, and no test ever
// reaches the real clock setter.
#pragma once

#include <windows.h>

#include <string>

class IClock
{
public:
    virtual ~IClock() = default;
    virtual SYSTEMTIME GetLocalTime() = 0;
    virtual SYSTEMTIME GetUtcTime() = 0;
};

class IClockSetter
{
public:
    virtual ~IClockSetter() = default;
    // Sets the system clock (UTC). Returns the platform's result; on failure GetLastError tells why.
    virtual BOOL SetUtcTime(const SYSTEMTIME& stUtc) = 0;
};

class ISoundPlayer
{
public:
    virtual ~ISoundPlayer() = default;
    // PlaySoundA, with the caller's flags so that a test sees them too.
    virtual BOOL Play(const char* pszSound, HMODULE hModule, DWORD dwFlags) = 0;
};

class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    virtual int Show(HWND hOwner, const std::string& strText, const std::string& strCaption, UINT nType) = 0;
};

// The calls through which files are read and saved, so that a test can fail any one of them.
class IFileSystem
{
public:
    virtual ~IFileSystem() = default;
    virtual HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwDisposition) = 0;
    virtual BOOL Read(HANDLE hFile, void* pBuffer, DWORD nBytes, DWORD* pnRead) = 0;
    virtual BOOL Write(HANDLE hFile, const void* pBuffer, DWORD nBytes, DWORD* pnWritten) = 0;
    virtual BOOL Flush(HANDLE hFile) = 0;
    virtual BOOL Move(const char* pszFrom, const char* pszTo, DWORD dwFlags) = 0;
};

class IShellOpener
{
public:
    virtual ~IShellOpener() = default;
    // ShellExecuteA, with the caller's arguments so that a test sees them too.
    virtual HINSTANCE Execute(HWND hWnd, const char* pszVerb, const char* pszFile, const char* pszParameters,
                              const char* pszDirectory, int nShowCmd) = 0;
};

IClock& Clock();
IClockSetter& ClockSetter();
ISoundPlayer& SoundPlayer();
IMessageBox& MessageBoxSeam();
IFileSystem& FileSystem();
IShellOpener& ShellOpener();

void InstallClock(IClock* pClock);           // nullptr puts the real one back
void InstallClockSetter(IClockSetter* pSetter);
void InstallSoundPlayer(ISoundPlayer* pPlayer);
void InstallMessageBox(IMessageBox* pBox);
void InstallFileSystem(IFileSystem* pFileSystem);
void InstallShellOpener(IShellOpener* pOpener);

// Shows a message box with the application's name as caption, through the seam.
int AfxMessageBox(const std::string& strText, UINT nType = MB_OK);

// Installs a fake for the lifetime of the scope, then puts the real call back.
template <typename Seam, void (*Install)(Seam*)> class CSeamScope
{
public:
    explicit CSeamScope(Seam& fake) { Install(&fake); }
    ~CSeamScope() { Install(nullptr); }
    CSeamScope(const CSeamScope&) = delete;
    CSeamScope& operator=(const CSeamScope&) = delete;
};

using CClockScope = CSeamScope<IClock, &InstallClock>;
using CClockSetterScope = CSeamScope<IClockSetter, &InstallClockSetter>;
using CSoundPlayerScope = CSeamScope<ISoundPlayer, &InstallSoundPlayer>;
using CMessageBoxScope = CSeamScope<IMessageBox, &InstallMessageBox>;
using CFileSystemScope = CSeamScope<IFileSystem, &InstallFileSystem>;
using CShellOpenerScope = CSeamScope<IShellOpener, &InstallShellOpener>;
