#include "timetable/TaskFile.h"

#include "framework/Handle.h"
#include "framework/Seams.h"
#include "timetable/IniSection.h"
#include "timetable/SectionBlock.h"
#include "timetable/TaskLine.h"

#include <optional>

namespace {

constexpr const char* kFormatError = "ERROR: Time Table Format error";

std::optional<std::string> ReadWholeFile(const std::string& strPath)
{
    CHandle hFile(::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!hFile)
        return std::nullopt;
    std::string strBytes;
    char chunk[4096];
    DWORD nRead = 0;
    while (::ReadFile(hFile, chunk, sizeof chunk, &nRead, nullptr) && nRead > 0)
        strBytes.append(chunk, nRead);
    return strBytes;
}

// Writes a sibling file and moves it over the old one, so a failed write never leaves half
// a time table behind.
BOOL WriteWholeFile(const std::string& strPath, const std::string& strBytes)
{
    const std::string strTemp = strPath + ".new";
    {
        CHandle hFile(::CreateFileA(strTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!hFile)
            return FALSE;
        DWORD nWritten = 0;
        if (!::WriteFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &nWritten, nullptr) ||
            nWritten != strBytes.size())
        {
            hFile.Close();
            ::DeleteFileA(strTemp.c_str());
            return FALSE;
        }
    }
    if (!::MoveFileExA(strTemp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING))
    {
        ::DeleteFileA(strTemp.c_str());
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string ReadProfileSection(const std::string& strPath, const char* pszSection)
{
    // The platform answers size - 2 when the section did not fit: grow until it does, so a
    // time table of any length loads.
    std::vector<char> buffer(10240);
    for (;;)
    {
        const DWORD nCopied = ::GetPrivateProfileSectionA(pszSection, buffer.data(),
                                                          static_cast<DWORD>(buffer.size()), strPath.c_str());
        if (nCopied + 2 < buffer.size())
            return std::string(buffer.data(), nCopied);
        buffer.resize(buffer.size() * 2);
    }
}

namespace {

template <typename Record>
BOOL AppendSection(const SectionParse<Record>& parsed, std::vector<std::unique_ptr<Record>>& list)
{
    for (const Record& record : parsed.records)
        list.push_back(std::make_unique<Record>(record));
    if (!parsed.ok)
    {
        AfxMessageBox(kFormatError, MB_OK);
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL LoadTaskSection(const std::string& strPath, TaskList& tasks, const char* pszSection)
{
    return AppendSection(ParseTaskSection(ReadProfileSection(strPath, pszSection)), tasks);
}

BOOL LoadHolidaySection(const std::string& strPath, HolidayList& holidays, const char* pszSection)
{
    return AppendSection(ParseHolidaySection(ReadProfileSection(strPath, pszSection)), holidays);
}

BOOL SaveTaskSection(const std::string& strPath, const std::vector<const TimeTask*>& tasks, const char* pszSection)
{
    std::vector<std::string> lines;
    lines.reserve(tasks.size());
    for (const TimeTask* pTask : tasks)
        lines.push_back(FormatTaskLine(*pTask));
    std::string strFile;
    if (std::optional<std::string> strOld = ReadWholeFile(strPath))
        strFile = std::move(*strOld);
    else if (::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES)
        return FALSE; // there but unreadable: writing now would lose its other sections
    return WriteWholeFile(strPath, ReplaceIniSection(strFile, pszSection, lines));
}
