// The About box's version field: a static control showing one string of a version resource,
// by default the running program's own. Owned by the About dialog as a member.
#pragma once

#include "framework/CWnd.h"

#include <string>

class CVersionStatic : public CWnd
{
public:
    // Reads pszKey ("ProductVersion") from the version resource of pszFile, or of the running
    // program with none, and shows it. FALSE when there is no such string: the field keeps
    // what it showed.
    BOOL SetVersionText(const char* pszKey, const char* pszFile = nullptr);
    const std::string& GetVersionText() const { return m_strVersion; }

private:
    std::string m_strVersion;
};
