#include "tests/wine/support/ScratchFolder.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

void RemoveTree(const std::string& strDir)
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA((strDir + "*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::string strName = fd.cFileName;
            if (strName == "." || strName == "..")
                continue;
            const std::string strFull = strDir + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strFull + "\\");
            else
                ::DeleteFileA(strFull.c_str());
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(strDir.c_str());
}

} // namespace

CScratchFolder::CScratchFolder()
{
    std::vector<char> temp(MAX_PATH + 1);
    const DWORD nLength = ::GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
    if (nLength == 0 || nLength >= temp.size())
        throw std::runtime_error("no temporary folder");
    static unsigned s_nSerial = 0;
    for (;;)
    {
        char szName[64];
        std::snprintf(szName, sizeof szName, "tempiva-%lu-%u\\", ::GetCurrentProcessId(), ++s_nSerial);
        m_strPath = std::string(temp.data(), nLength) + szName;
        if (::CreateDirectoryA(m_strPath.c_str(), nullptr))
            return;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + m_strPath);
    }
}

CScratchFolder::~CScratchFolder()
{
    RemoveTree(m_strPath);
}

void CScratchFolder::Write(const std::string& strName, const std::string& strBytes) const
{
    std::ofstream file(PathOf(strName), std::ios::binary | std::ios::trunc);
    file.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + PathOf(strName));
}

std::optional<std::string> CScratchFolder::Read(const std::string& strName) const
{
    std::ifstream file(PathOf(strName), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
