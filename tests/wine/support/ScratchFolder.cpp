#include "tests/wine/support/ScratchFolder.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

CScratchFolder::CScratchFolder()
{
    char szTemp[MAX_PATH + 1];
    const DWORD nLength = ::GetTempPathA(sizeof szTemp, szTemp);
    if (nLength == 0 || nLength >= sizeof szTemp)
        throw std::runtime_error("no temporary folder");
    static unsigned s_nSerial = 0;
    for (;;)
    {
        char szName[64];
        std::snprintf(szName, sizeof szName, "tempiva-%lu-%u\\", ::GetCurrentProcessId(), ++s_nSerial);
        m_strPath = std::string(szTemp, nLength) + szName;
        if (::CreateDirectoryA(m_strPath.c_str(), nullptr))
            return;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + m_strPath);
    }
}

CScratchFolder::~CScratchFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_strPath, error);
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
