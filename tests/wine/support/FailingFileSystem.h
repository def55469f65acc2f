// The saves' file calls, failing as a full disk would at the n-th write step (open for writing, a write,
// the flush, the move) or the n-th read; every other call goes to the system.
#pragma once

#include "framework/Seams.h"

class CFailingFileSystem : public IFileSystem
{
public:
    CFailingFileSystem(int nWriteStep, int nRead) : m_nFailWriteStep(nWriteStep), m_nFailRead(nRead) {}

    HANDLE Open(const char* pszPath, DWORD dwAccess, DWORD dwShare, DWORD dwDisposition) override
    {
        if ((dwAccess & GENERIC_WRITE) && Fails(m_nWriteSteps, m_nFailWriteStep))
            return INVALID_HANDLE_VALUE;
        return ::CreateFileA(pszPath, dwAccess, dwShare, nullptr, dwDisposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    BOOL Read(HANDLE hFile, void* pBuffer, DWORD nBytes, DWORD* pnRead) override
    {
        return !Fails(m_nReads, m_nFailRead) && ::ReadFile(hFile, pBuffer, nBytes, pnRead, nullptr);
    }
    BOOL Write(HANDLE hFile, const void* pBuffer, DWORD nBytes, DWORD* pnWritten) override
    {
        // Half the bytes reach the disk before it is full.
        if (Fails(m_nWriteSteps, m_nFailWriteStep))
        {
            ::WriteFile(hFile, pBuffer, nBytes / 2, pnWritten, nullptr);
            ::SetLastError(ERROR_DISK_FULL);
            return FALSE;
        }
        return ::WriteFile(hFile, pBuffer, nBytes, pnWritten, nullptr);
    }
    BOOL Flush(HANDLE hFile) override { return !Fails(m_nWriteSteps, m_nFailWriteStep) && ::FlushFileBuffers(hFile); }
    BOOL Move(const char* pszFrom, const char* pszTo, DWORD dwFlags) override
    {
        return !Fails(m_nWriteSteps, m_nFailWriteStep) && ::MoveFileExA(pszFrom, pszTo, dwFlags);
    }

    int m_nWriteSteps = 0;
    int m_nReads = 0;

private:
    bool Fails(int& nCount, int nFailAt)
    {
        if (++nCount != nFailAt)
            return false;
        ::SetLastError(ERROR_DISK_FULL);
        return true;
    }

    int m_nFailWriteStep;
    int m_nFailRead;
    CFileSystemScope m_scope{*this};
};
