// TimeTable.ini and Holiday.ini: read whole in whichever encoding they were saved (UTF-8 is
// taken as Shift-JIS), written in Shift-JIS in one step.
#pragma once

#include "timetable/TaskList.h"

#include <windows.h>

#include <string>
#include <vector>

// Appends one task per line of the section. A missing file or section appends nothing and
// succeeds; a malformed line shows "ERROR: Time Table Format error" with the file, the
// section, the line and what is wrong with it, and fails, keeping the tasks of the lines
// before it. A file that is there but cannot be read fails the same way.
BOOL LoadTaskSection(const std::string& strPath, TaskList& tasks, const char* pszSection);
BOOL LoadHolidaySection(const std::string& strPath, HolidayList& holidays, const char* pszSection);
// Replaces the section with these tasks, in order; an empty list leaves an empty section.
// Other sections stay as they are. FALSE, with the file unchanged and GetLastError telling
// why, when it could not be read whole or written.
BOOL SaveTaskSection(const std::string& strPath, const std::vector<const TimeTask*>& tasks, const char* pszSection);

struct TaskSection
{
    const char* pszName;
    std::vector<const TimeTask*> tasks;
};
// Several sections in one write: the file holds all of them new or none.
BOOL SaveTaskSections(const std::string& strPath, const std::vector<TaskSection>& sections);

// The format error for a reserved section with fewer than two tasks, or no file at all.
void ReportTooFewReservedTasks(const std::string& strPath, const char* pszSection);
