#include "app/CHiddenOwnerWnd.h"

#include "framework/WndClass.h"

BEGIN_MSG_MAP(CHiddenOwnerWnd, CWnd)
    MapMessage<WM_QUERYENDSESSION, &CHiddenOwnerWnd::OnQueryEndSession>(),
    MapMessage<WM_ENDSESSION, &CHiddenOwnerWnd::OnEndSession>(),
END_MSG_MAP()

BOOL CHiddenOwnerWnd::Create(CWnd* pTarget)
{
    m_pTarget = pTarget;
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, nullptr);
}

LRESULT CHiddenOwnerWnd::OnQueryEndSession(WPARAM wParam, LPARAM lParam)
{
    return m_pTarget != nullptr && m_pTarget->IsWindow() ? m_pTarget->SendMessage(WM_QUERYENDSESSION, wParam, lParam)
                                                         : TRUE;
}

LRESULT CHiddenOwnerWnd::OnEndSession(WPARAM wParam, LPARAM lParam)
{
    if (m_pTarget != nullptr && m_pTarget->IsWindow())
        m_pTarget->SendMessage(WM_ENDSESSION, wParam, lParam);
    return 0;
}
