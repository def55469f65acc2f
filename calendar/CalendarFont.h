// One text role's font in the calendar as configured, and the font made from it for the
// screen. The calendar control holds five, one per CalendarFontRole.
#pragma once

#include "framework/Gdi.h"

#include <windows.h>

#include <string>

constexpr int kCalendarFontRoles = 5;

struct CalendarFontSpec
{
    std::string m_strFace = "Tahoma";
    int m_nPointSize = 8;
    bool m_bBold = false;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    COLORREF m_crColour = 0;
    CFont m_font; // none until realised; dropped whenever the face, size or style changes

    // Makes m_font for hdc's vertical resolution; nothing without a DC. Raises the framework's
    // memory exception when the font cannot be made.
    void Realize(HDC hdc);
};
