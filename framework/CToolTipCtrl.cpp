#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

BOOL CToolTipCtrl::Create(CWnd* pOwner)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pOwner != nullptr ? pOwner->m_hWnd : nullptr,
                    nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* pszText, const RECT& rc, UINT_PTR nToolId) const
{
    TOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    // No TTF_SUBCLASS: the owner relays its messages, so no second subclass sits on it.
    ti.hwnd = pWnd->m_hWnd;
    ti.uId = nToolId;
    ti.rect = rc;
    // The control copies the text; the cast is for the structure's non-const field only.
    ti.lpszText = const_cast<char*>(pszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::RelayEvent(MSG* pMsg) const
{
    if (m_hWnd != nullptr)
        SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
