// The common hot key control bound to an object. The modifier flags are the control's own
// (HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8), not RegisterHotKey's.
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

class CHotKeyCtrl : public CWnd
{
public:
    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) const
    {
        SendMessage(HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers));
    }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const
    {
        const auto wHotKey = static_cast<WORD>(SendMessage(HKM_GETHOTKEY));
        wVirtualKeyCode = LOBYTE(wHotKey);
        wModifiers = HIBYTE(wHotKey);
    }
};
