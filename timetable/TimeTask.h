// One task of the time table and one holiday of the calendar. In a date or time field -1
// means "any"; in a colour, -1 means the default colour of the settings.
#pragma once

#include <string>

struct TimeTask
{
    int m_bProtected = 0; // reserved task (list positions 0 and 1); not stored in the file
    int m_nYear = -1;
    int m_nMonth = -1;
    int m_nDay = -1;
    int m_nWeekday = -1; // 1 = Sunday ... 7 = Saturday
    int m_nHour = -1;
    int m_nMinute = -1;
    int m_nLeadSeconds = -1; // shown this many seconds before the due minute
    int m_nShowSeconds = -1; // how long the panel stays open; -1 until closed otherwise
    int m_crText = -1;       // colour value, red in the low byte
    int m_crBack = -1;
    std::string m_strText; // "|" separates pages
    std::string m_strSound;
    std::string m_strExtra; // kept and written back, used nowhere else

    bool operator==(const TimeTask&) const = default;
};

struct HolidayEntry
{
    int m_nYear = -1;
    int m_nMonth = -1;
    int m_nDay = -1;
    int m_crColor = -1;
    std::string m_strName;

    bool operator==(const HolidayEntry&) const = default;
};
