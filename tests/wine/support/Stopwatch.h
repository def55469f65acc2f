// Wall time of a test's wait, from the performance counter: <chrono> does not compile with
// the Shift-JIS execution charset (a micro sign in it has no such character).
#pragma once

#include <windows.h>

class CStopwatch
{
public:
    CStopwatch() { ::QueryPerformanceCounter(&m_start); }

    double Seconds() const
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};
