#include "timetable/TaskFile.h"

#include "framework/IniSection.h"
#include "framework/Seams.h"
#include "framework/SystemError.h"
#include "framework/WholeFile.h"
#include "timetable/SectionBlock.h"
#include "timetable/TaskLine.h"

#include <optional>

namespace {

constexpr const char* kFormatError = "ERROR: Time Table Format error";

const char* FaultText(LineFault fault)
{
    switch (fault)
    {
    case LineFault::TooFewFields:
        return "項目が足りません";
    case LineFault::NoOpeningQuote:
        return "引用符で囲んだ文字列がありません";
    case LineFault::UnclosedQuote:
        return "引用符が閉じていません";
    case LineFault::None:
        break;
    }
    return "読めない行です";
}

// The program's own first line, then what the user needs to mend the file.
void ShowFormatError(const std::string& strPath, const char* pszSection, const IniLine* pLine,
                     const std::string& strReason)
{
    std::string strText = std::string(kFormatError) + "\nファイル：" + strPath;
    if (pszSection != nullptr)
        strText += "\nセクション：[" + std::string(pszSection) + "]";
    if (pLine != nullptr)
        strText += "\n" + std::to_string(pLine->nLine) + " 行目：" + ShownLine(pLine->text);
    strText += "\n理由：" + strReason;
    AfxMessageBox(strText, MB_OK);
}

// The section's lines, or none when the file or the section is not there. FALSE when the
// file is there but cannot be read (the user has been told).
BOOL ReadSectionLines(const std::string& strPath, const char* pszSection, std::string& strText,
                      std::optional<std::vector<IniLine>>& lines)
{
    std::optional<std::string> text = ReadShiftJisFile(strPath);
    if (!text)
    {
        const DWORD dwError = ::GetLastError();
        if (IsMissingFileError(dwError))
            return TRUE;
        ShowFormatError(strPath, nullptr, nullptr, SystemErrorText(dwError));
        return FALSE;
    }
    strText = std::move(*text);
    lines = FindIniSectionLines(strText, pszSection);
    return TRUE;
}

template <typename Record, typename Parse>
BOOL LoadSection(const std::string& strPath, const char* pszSection, std::vector<std::unique_ptr<Record>>& list,
                 Parse parse)
{
    std::string strText;
    std::optional<std::vector<IniLine>> lines;
    if (!ReadSectionLines(strPath, pszSection, strText, lines))
        return FALSE;
    if (!lines)
        return TRUE;
    const SectionParse<Record> parsed = parse(*lines);
    for (const Record& record : parsed.records)
        list.push_back(std::make_unique<Record>(record));
    if (!parsed.ok)
    {
        ShowFormatError(strPath, pszSection, &parsed.badLine, FaultText(parsed.fault));
        return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL LoadTaskSection(const std::string& strPath, TaskList& tasks, const char* pszSection)
{
    return LoadSection(strPath, pszSection, tasks, ParseTaskLines);
}

BOOL LoadHolidaySection(const std::string& strPath, HolidayList& holidays, const char* pszSection)
{
    return LoadSection(strPath, pszSection, holidays, ParseHolidayLines);
}

void ReportTooFewReservedTasks(const std::string& strPath, const char* pszSection)
{
    if (::GetFileAttributesA(strPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        ShowFormatError(strPath, nullptr, nullptr, "ファイルがありません");
    else
        ShowFormatError(strPath, pszSection, nullptr, "予約タスクが2つ必要です");
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
