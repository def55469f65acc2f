#include "widgets/CVersionStatic.h"

#include "framework/ModulePath.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The string under the first translation of the file's version resource; empty when any part
// is missing.
std::string ReadVersionString(const std::string& strFile, const char* pszKey)
{
    DWORD dwIgnored = 0;
    const DWORD nSize = ::GetFileVersionInfoSizeA(strFile.c_str(), &dwIgnored);
    if (nSize == 0)
        return std::string();
    std::vector<char> block(static_cast<size_t>(nSize) + 1);
    if (!::GetFileVersionInfoA(strFile.c_str(), 0, nSize, block.data()))
        return std::string();

    void* pTranslation = nullptr;
    UINT nLength = 0;
    if (!::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &pTranslation, &nLength) ||
        nLength < sizeof(DWORD))
        return std::string();
    DWORD dwTranslation = 0;
    std::memcpy(&dwTranslation, pTranslation, sizeof dwTranslation);
    // Language in the low word, code page in the high one: "041103a4".
    char szBlock[16];
    std::snprintf(szBlock, sizeof szBlock, "%04x%04x", LOWORD(dwTranslation), HIWORD(dwTranslation));

    const std::string strQuery = std::string("\\StringFileInfo\\") + szBlock + "\\" + pszKey;
    void* pValue = nullptr;
    if (!::VerQueryValueA(block.data(), strQuery.c_str(), &pValue, &nLength) || pValue == nullptr)
        return std::string();
    const char* pszValue = static_cast<const char*>(pValue);
    return std::string(pszValue, ::strnlen(pszValue, nLength));
}

} // namespace

BOOL CVersionStatic::SetVersionText(const char* pszKey, const char* pszFile)
{
    // The program's own path from the system: the first command-line argument may be relative
    // to another folder or quoted, and would then find no file.
    const std::string strFile = pszFile != nullptr ? std::string(pszFile) : GetModulePath();
    m_strVersion = ReadVersionString(strFile, pszKey);
    if (m_strVersion.empty())
        return FALSE;
    if (IsWindow())
        SetWindowText(m_strVersion);
    return TRUE;
}
