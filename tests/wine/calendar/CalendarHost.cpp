#include "tests/wine/calendar/CalendarHost.h"

BEGIN_MSG_MAP(CNotifyRecorder, CWnd)
    MapMessage<WM_NOTIFY, &CNotifyRecorder::OnNotify>(),
END_MSG_MAP()

LRESULT CNotifyRecorder::OnNotify(WPARAM wParam, LPARAM lParam)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam == kCalendarId && pHeader->idFrom == kCalendarId)
        m_codes.push_back(pHeader->code);
    return 0;
}
