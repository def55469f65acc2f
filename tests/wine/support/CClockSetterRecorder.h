// Stands in for the clock setter: records each time asked and answers as chosen; no test moves the clock.
#pragma once

#include "framework/Seams.h"

#include <vector>

class CClockSetterRecorder : public IClockSetter
{
public:
    explicit CClockSetterRecorder(BOOL bResult = TRUE) : m_bResult(bResult), m_scope(*this) {}

    BOOL SetUtcTime(const SYSTEMTIME& stUtc) override
    {
        m_times.push_back(stUtc);
        return m_bResult;
    }

    std::vector<SYSTEMTIME> m_times;

private:
    BOOL m_bResult;
    CClockSetterScope m_scope;
};
