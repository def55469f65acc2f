// The hourglass for the length of a scope, for work the user waits on; the cursor that was
// showing comes back at the end.
#pragma once

#include <windows.h>

class CWaitCursor
{
public:
    CWaitCursor() : m_hOld(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_hOld); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_hOld; // shared system cursor: borrowed, never destroyed
};
