// Fonts sized in tenths of a point on the screen, as the settings and the controls give
// their sizes. The caller owns the font returned (a CFont).
#pragma once

#include <windows.h>

#include <string>

// lfHeight for a character height of nTenths tenths of a point on the screen.
LONG PointFontHeight(int nTenths);

// lf with its lfHeight read as tenths of a point; nullptr when the font cannot be made.
HFONT CreatePointFontIndirect(const LOGFONTA& lf);

// The face name cut to what lfFaceName holds, never in the middle of a double-byte character.
void SetFaceName(LOGFONTA& lf, const std::string& strFace);

// A font of nTenths tenths of a point in strFace, of the default character set so that
// Japanese text finds its glyphs.
HFONT CreatePointFont(int nTenths, const std::string& strFace);
