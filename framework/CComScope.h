// COM on this thread for one call: initialised when the scope starts and uninitialised when it
// ends, when the start succeeded (an "already initialised" answer counts and is balanced too).
// Declare it before the interface pointers of the call, so they are released first.
#pragma once

#include <objbase.h>

class CComScope
{
public:
    CComScope() : m_hr(::CoInitialize(nullptr)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

    explicit operator bool() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};
