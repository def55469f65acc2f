// Which colour a date's holiday is drawn in. The calendar asks through IHolidayLookup, so it
// needs no knowledge of who keeps the holiday list.
#pragma once

#include "timetable/TaskList.h"

class IHolidayLookup
{
public:
    virtual ~IHolidayLookup() = default;
    // True when a holiday falls on the date; crColour is then its colour (-1 for "*").
    virtual bool FindHolidayColour(int nYear, int nMonth, int nDay, int& crColour) const = 0;
};

// The first entry, in list order, whose year, month and day each are -1 or the date's.
bool FindHolidayColour(const HolidayList& holidays, int nYear, int nMonth, int nDay, int& crColour);
