#include "calendar/HolidayLookup.h"

namespace {

bool FieldMatches(int nField, int nValue)
{
    return nField == -1 || nField == nValue;
}

} // namespace

bool FindHolidayColour(const HolidayList& holidays, int nYear, int nMonth, int nDay, int& crColour)
{
    for (const auto& pEntry : holidays)
    {
        if (FieldMatches(pEntry->m_nYear, nYear) && FieldMatches(pEntry->m_nMonth, nMonth) &&
            FieldMatches(pEntry->m_nDay, nDay))
        {
            crColour = pEntry->m_crColor;
            return true;
        }
    }
    return false;
}
