// The never-shown window that owns the main dialog, keeping it off the taskbar. Being the
// top-level window of the pair, it is the one the system asks at logoff; it passes the
// question and the end of the session on to the main dialog. Owned by the main dialog.
#pragma once

#include "framework/CWnd.h"

class CHiddenOwnerWnd : public CWnd
{
public:
    // pTarget: the window that answers for the end of the session.
    BOOL Create(CWnd* pTarget);

protected:
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    DECLARE_MSG_MAP()

private:
    CWnd* m_pTarget = nullptr;
};
