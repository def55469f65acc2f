#include "framework/WndClass.h"

#include <cstdio>
#include <deque>
#include <string>

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hBackground, HICON hIcon)
{
    // Names handed out earlier must stay put: a deque never moves its elements.
    static std::deque<std::string> names;

    char szName[96];
    std::snprintf(szName, sizeof szName, "Tempiva:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
                  static_cast<void*>(hBackground), static_cast<void*>(hIcon));
    for (const std::string& strName : names)
        if (strName == szName)
            return strName.c_str();

    WNDCLASSA wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = hCursor;
    wc.hbrBackground = hBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = szName;
    if (::RegisterClassA(&wc) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return "";
    names.emplace_back(szName);
    return names.back().c_str();
}

const char* AfxDefaultChildClass()
{
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW));
}
