#include "config/ConfigRules.h"

#include "framework/SjisText.h"

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

char FoldAscii(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace

ColourSchemeTable& ColourSchemes()
{
    static ColourSchemeTable schemes = {{
        {Rgb(0xB3, 0xB7, 0x8B), Rgb(0x00, 0x00, 0x00), Rgb(0x9E, 0xA4, 0x6C), "USER"},
        {Rgb(0xB3, 0xB7, 0x8B), Rgb(0x00, 0x00, 0x00), Rgb(0x9E, 0xA4, 0x6C), "Default"},
        {Rgb(0x00, 0x00, 0x00), Rgb(0x3F, 0xB5, 0xFF), Rgb(0x00, 0x22, 0x49), "Blue"},
        {Rgb(0x00, 0x00, 0x00), Rgb(0x00, 0xFF, 0x32), Rgb(0x00, 0x67, 0x1E), "Green"},
        {Rgb(0x00, 0x00, 0x00), Rgb(0xFF, 0x3C, 0x00), Rgb(0x67, 0x1E, 0x00), "Orenge"},
        {Rgb(0x00, 0x00, 0x00), Rgb(0xFF, 0xB5, 0x3F), Rgb(0x67, 0x40, 0x17), "Orenge2"},
        {Rgb(0x00, 0x54, 0xE3), Rgb(0xE1, 0xE1, 0xE1), Rgb(0x1E, 0x73, 0xFF), "XP-BLUE"},
        {Rgb(0x8B, 0xA1, 0x69), Rgb(0xE1, 0xE1, 0xE1), Rgb(0x9B, 0xAE, 0x7D), "XP-ORIBER"},
        {Rgb(0xC0, 0xC0, 0xC0), Rgb(0x00, 0x00, 0x00), Rgb(0xA2, 0xA2, 0xA2), "XP-SILVER"},
    }};
    return schemes;
}

std::size_t SelectScheme(ColourSchemeTable& schemes, std::uint32_t crBack, std::uint32_t crOn,
                         std::uint32_t crOff)
{
    std::size_t nSelected = kSchemeCount;
    for (std::size_t i = 0; i < schemes.size(); ++i)
        if (schemes[i].crBack == crBack && schemes[i].crOn == crOn && schemes[i].crOff == crOff)
            nSelected = i;
    if (nSelected < kSchemeCount)
        return nSelected;
    schemes[0].crBack = crBack;
    schemes[0].crOn = crOn;
    schemes[0].crOff = crOff;
    return 0;
}

DisplayStyle UnpackShowStyle(int nShowStyle)
{
    return {nShowStyle & 3, (nShowStyle >> 2) & 1};
}

int PackShowStyle(const DisplayStyle& style)
{
    return (style.nMethod & 3) | (style.nDirection != 0 ? 4 : 0);
}

std::uint16_t HotKeyControlValue(int nHotKey)
{
    const auto nBits = static_cast<std::uint32_t>(nHotKey);
    return static_cast<std::uint16_t>(((nBits >> 16) & 0xFF) | ((nBits & 0xFF) << 8));
}

int PackHotKey(unsigned nVirtualKey, unsigned nModifierFlags)
{
    return static_cast<int>((nVirtualKey << 16) | nModifierFlags);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (IsSjisLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size())
        {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::array<std::string, kServerCount> ServersAfterChoice(const std::vector<std::string>& listed,
                                                         const std::string& strTyped)
{
    std::vector<std::string> list;
    list.push_back(CutAtCharBoundary(strTyped, kMaxServerBytes));
    for (const std::string& strEntry : listed)
        if (!EqualIgnoringCase(strEntry, list.front()))
            list.push_back(strEntry);
    std::array<std::string, kServerCount> servers;
    for (std::size_t i = 0; i < servers.size() && i < list.size(); ++i)
        servers[i] = list[i];
    return servers;
}
