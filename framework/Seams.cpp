#include "framework/Seams.h"

#include "framework/CWinApp.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace {

class CRealClock : public IClock
{
public:
    SYSTEMTIME GetLocalTime() override
    {
        SYSTEMTIME st;
        ::GetLocalTime(&st);
        return st;
    }
    SYSTEMTIME GetUtcTime() override
    {
        SYSTEMTIME st;
        ::GetSystemTime(&st);
        return st;
    }
};

class CRealClockSetter : public IClockSetter
{
public:
    BOOL SetUtcTime(const SYSTEMTIME& stUtc) override { return ::SetSystemTime(&stUtc); }
};

class CRealSoundPlayer : public ISoundPlayer
{
public:
    BOOL Play(const char* pszSound, HMODULE hModule, DWORD dwFlags) override
    {
        return ::PlaySoundA(pszSound, hModule, dwFlags);
    }
};

class CRealMessageBox : public IMessageBox
{
public:
    int Show(HWND hOwner, const std::string& strText, const std::string& strCaption, UINT nType) override
    {
        return ::MessageBoxA(hOwner, strText.c_str(), strCaption.c_str(), nType);
    }
};

class CRealFileSystem : public IFileSystem
{
public:
    HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwDisposition) override
    {
        return ::CreateFileA(pszPath, dwAccess, dwShare, nullptr, dwDisposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    BOOL Read(HANDLE hFile, void* pBuffer, DWORD nBytes, DWORD* pnRead) override
    {
        return ::ReadFile(hFile, pBuffer, nBytes, pnRead, nullptr);
    }
    BOOL Write(HANDLE hFile, const void* pBuffer, DWORD nBytes, DWORD* pnWritten) override
    {
        return ::WriteFile(hFile, pBuffer, nBytes, pnWritten, nullptr);
    }
    BOOL Flush(HANDLE hFile) override { return ::FlushFileBuffers(hFile); }
    BOOL Move(const char* pszFrom, const char* pszTo, DWORD dwFlags) override
    {
        return ::MoveFileExA(pszFrom, pszTo, dwFlags);
    }
};

class CRealShellOpener : public IShellOpener
{
public:
    HINSTANCE Execute(HWND hWnd, const char* pszVerb, const char* pszFile, const char* pszParameters,
                      const char* pszDirectory, int nShowCmd) override
    {
        return ::ShellExecuteA(hWnd, pszVerb, pszFile, pszParameters, pszDirectory, nShowCmd);
    }
};

CRealClock g_realClock;
CRealClockSetter g_realClockSetter;
CRealSoundPlayer g_realSoundPlayer;
CRealMessageBox g_realMessageBox;
CRealFileSystem g_realFileSystem;
CRealShellOpener g_realShellOpener;

IClock* g_pClock = &g_realClock;
IClockSetter* g_pClockSetter = &g_realClockSetter;
ISoundPlayer* g_pSoundPlayer = &g_realSoundPlayer;
IMessageBox* g_pMessageBox = &g_realMessageBox;
IFileSystem* g_pFileSystem = &g_realFileSystem;
IShellOpener* g_pShellOpener = &g_realShellOpener;

} // namespace

IClock& Clock()
{
    return *g_pClock;
}

IClockSetter& ClockSetter()
{
    return *g_pClockSetter;
}

ISoundPlayer& SoundPlayer()
{
    return *g_pSoundPlayer;
}

IMessageBox& MessageBoxSeam()
{
    return *g_pMessageBox;
}

IFileSystem& FileSystem()
{
    return *g_pFileSystem;
}

IShellOpener& ShellOpener()
{
    return *g_pShellOpener;
}

void InstallClock(IClock* pClock)
{
    g_pClock = pClock ? pClock : &g_realClock;
}

void InstallClockSetter(IClockSetter* pSetter)
{
    g_pClockSetter = pSetter ? pSetter : &g_realClockSetter;
}

void InstallSoundPlayer(ISoundPlayer* pPlayer)
{
    g_pSoundPlayer = pPlayer ? pPlayer : &g_realSoundPlayer;
}

void InstallMessageBox(IMessageBox* pBox)
{
    g_pMessageBox = pBox ? pBox : &g_realMessageBox;
}

void InstallFileSystem(IFileSystem* pFileSystem)
{
    g_pFileSystem = pFileSystem ? pFileSystem : &g_realFileSystem;
}

void InstallShellOpener(IShellOpener* pOpener)
{
    g_pShellOpener = pOpener ? pOpener : &g_realShellOpener;
}

int AfxMessageBox(const std::string& strText, UINT nType)
{
    CWinApp* pApp = AfxGetApp();
    const std::string strCaption = pApp ? pApp->m_strAppName : std::string("Tempiva");
    return MessageBoxSeam().Show(nullptr, strText, strCaption, nType);
}
