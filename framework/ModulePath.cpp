#include "framework/ModulePath.h"

#include <windows.h>

#include <vector>

std::string GetModulePath()
{
    // A path longer than the buffer comes back cut and with the buffer's size: grow.
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD nCopied = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (nCopied == 0)
            return std::string();
        if (nCopied < buffer.size())
            return std::string(buffer.data(), nCopied);
        buffer.resize(buffer.size() * 2);
    }
}

size_t FindLastPathSeparator(const std::string& strPath)
{
    // Walk character by character: the trail byte of a double-byte character may be 0x5C.
    size_t nLast = std::string::npos;
    for (size_t i = 0; i < strPath.size(); ++i)
    {
        if (strPath[i] == '\\')
            nLast = i;
        else if (::IsDBCSLeadByte(static_cast<BYTE>(strPath[i])) && i + 1 < strPath.size())
            ++i;
    }
    return nLast;
}

std::string GetModuleDirectory()
{
    const std::string strPath = GetModulePath();
    const size_t nSlash = FindLastPathSeparator(strPath);
    return nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash + 1);
}

std::string GetModuleBaseName()
{
    const std::string strPath = GetModulePath();
    const size_t nSlash = FindLastPathSeparator(strPath);
    std::string strName = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
    const size_t nDot = strName.find_last_of('.');
    if (nDot != std::string::npos)
        strName.erase(nDot);
    return strName;
}
