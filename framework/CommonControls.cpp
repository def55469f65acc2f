#include "framework/CommonControls.h"

#include <windows.h>

#include <commctrl.h>

void EnsureCommonControls()
{
    // A failure is not reported here: the control that needs a class then fails to be
    // created, and its creator reports that at its own edge. The next call tries again.
    static bool s_bRegistered = false;
    if (s_bRegistered)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    s_bRegistered = ::InitCommonControlsEx(&icc) != FALSE;
}
