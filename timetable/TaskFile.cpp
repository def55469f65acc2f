#include "timetable/TaskFile.h"

#include "framework/IniSection.h"
#include "framework/Seams.h"
#include "framework/WholeFile.h"
#include "timetable/SectionBlock.h"
#include "timetable/TaskLine.h"

#include <optional>

namespace {

constexpr const char* kFormatError = "ERROR: Time Table Format error";

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

BOOL SaveTaskSections(const std::string& strPath, const std::vector<TaskSection>& sections)
{
    std::string strFile;
    if (std::optional<std::string> strOld = ReadWholeFile(strPath))
        strFile = std::move(*strOld);
    else if (!IsMissingFileError(::GetLastError()))
        return FALSE; // there but unreadable: writing now would lose its other sections
    for (const TaskSection& section : sections)
    {
        std::vector<std::string> lines;
        lines.reserve(section.tasks.size());
        for (const TimeTask* pTask : section.tasks)
            lines.push_back(FormatTaskLine(*pTask));
        strFile = ReplaceIniSection(strFile, section.pszName, lines);
    }
    return SaveWholeFile(strPath, strFile);
}

BOOL SaveTaskSection(const std::string& strPath, const std::vector<const TimeTask*>& tasks, const char* pszSection)
{
    return SaveTaskSections(strPath, {{pszSection, tasks}});
}
