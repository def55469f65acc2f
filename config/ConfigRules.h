// The configuration dialog's decisions, free of the window system so they are tested on the
// host: the colour schemes and which one the current colours match, the packing of SHOWSTYLE
// and HOTKEY, and the time servers kept as a most-recently-used list of ten.
#pragma once

#include "app/AppSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ColourScheme
{
    std::uint32_t crBack; // colour values, red in the low byte
    std::uint32_t crOn;
    std::uint32_t crOff;
    const char* pszName;
};

constexpr std::size_t kSchemeCount = 9;
using ColourSchemeTable = std::array<ColourScheme, kSchemeCount>;

// The built-in schemes. Row 0 ("USER") is the user's own: SelectScheme overwrites its colours,
// and the process keeps them until it ends (they are not saved).
ColourSchemeTable& ColourSchemes();

// The row whose three colours all match, a later row winning over an earlier one, so the
// default colours select "Default" rather than "USER". With no match, row 0 takes the
// colours and is selected.
std::size_t SelectScheme(ColourSchemeTable& schemes, std::uint32_t crBack, std::uint32_t crOn,
                         std::uint32_t crOff);

// SHOWSTYLE bits 0-1 are the display method (0 slide, 1 roll, 2 fade), bit 2 the direction
// (0 horizontal, 1 vertical). A method of -1 (no radio button checked, as for a SHOWSTYLE of 3
// from the file) packs as 3 again.
struct DisplayStyle
{
    int nMethod = 0;
    int nDirection = 0;
    bool operator==(const DisplayStyle&) const = default;
};
DisplayStyle UnpackShowStyle(int nShowStyle);
int PackShowStyle(const DisplayStyle& style);

// HOTKEY holds the virtual-key code in bits 16-31 and the hot key control's modifier flags in
// bits 0-7; the control itself takes the key in its low byte and the flags in its high byte.
std::uint16_t HotKeyControlValue(int nHotKey);
int PackHotKey(unsigned nVirtualKey, unsigned nModifierFlags);

// Texts equal but for the case of single-byte letters; the trail bytes of double-byte
// characters are compared exactly.
bool EqualIgnoringCase(const std::string& a, const std::string& b);

// SERVER1 ... SERVER10 after confirming strTyped with the servers listed: every listed entry
// equal to it (ignoring case) goes, it comes first (cut to what a SERVERn field holds, at a
// character boundary; also when empty), entries past the tenth drop off.
std::array<std::string, kServerCount> ServersAfterChoice(const std::vector<std::string>& listed,
                                                         const std::string& strTyped);
