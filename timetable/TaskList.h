// The main dialog's lists: ordered, owned records in file order.
#pragma once

#include "timetable/TimeTask.h"

#include <memory>
#include <vector>

using TaskList = std::vector<std::unique_ptr<TimeTask>>;
using HolidayList = std::vector<std::unique_ptr<HolidayEntry>>;
