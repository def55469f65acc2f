// Window classes registered on demand, named after their attributes, as the framework's
// pop-ups and hidden windows need them.
#pragma once

#include <windows.h>

// Registers (once) a class with these attributes and DefWindowProc, and returns its name;
// the name stays valid for the life of the process. Empty on failure.
const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hBackground = nullptr,
                                HICON hIcon = nullptr);

// The class for child windows that name none of their own: double clicks, redrawn whole when
// resized, the arrow cursor, no background brush.
const char* AfxDefaultChildClass();
