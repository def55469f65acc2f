// The real local time as whole seconds, for end-to-end tests that set a task due soon.
#pragma once

#include <windows.h>

inline ULONGLONG SecondsNow()
{
    SYSTEMTIME st{};
    ::GetLocalTime(&st);
    FILETIME ft{};
    ::SystemTimeToFileTime(&st, &ft);
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) / 10000000ull;
}

inline SYSTEMTIME FromSeconds(ULONGLONG nSeconds)
{
    const ULONGLONG n = nSeconds * 10000000ull;
    FILETIME ft{static_cast<DWORD>(n), static_cast<DWORD>(n >> 32)};
    SYSTEMTIME st{};
    ::FileTimeToSystemTime(&ft, &st);
    return st;
}
