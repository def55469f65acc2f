// A clock that moves only when the test moves it.
#pragma once

#include "framework/Seams.h"

class CFakeClock : public IClock
{
public:
    explicit CFakeClock(const SYSTEMTIME& stLocal) : m_stLocal(stLocal), m_scope(*this) {}
    SYSTEMTIME GetLocalTime() override { return m_stLocal; }
    SYSTEMTIME GetUtcTime() override { return m_stLocal; }

    SYSTEMTIME m_stLocal;

private:
    CClockScope m_scope;
};

inline SYSTEMTIME LocalTime(WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond)
{
    return SYSTEMTIME{wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, 0};
}
