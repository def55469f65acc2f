// The process-wide settings record. Its fields are named after their keys in Tempiva.ini;
// LoadSettings fills it at start-up, the configuration dialog changes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr std::size_t kServerCount = 10;
// The platform's face-name field holds 31 bytes and a terminator.
constexpr std::size_t kMaxFontNameBytes = 31;
constexpr std::size_t kMaxServerBytes = 259;

struct AppSettings
{
    std::string m_strIniPath;
    std::uint32_t RGB_ON = 0x000000;
    std::uint32_t RGB_OFF = 0x6CA49E;
    std::uint32_t RGB_BACK = 0x8BB7B3;
    std::uint32_t RGB_SATURDAY = 0xFF0000;
    std::uint32_t RGB_SUNDAY = 0x0000FF;
    int DRAW_SEC = 400;
    int DISP_POS = 3;
    int SHOWSTYLE = 4;
    int HOTKEY = 0xF00000;
    int DELAY = 1000;
    int FONT_SIZE = 9;
    std::string FONT_NAME;
    int USE_NTP = 0;
    std::array<std::string, kServerCount> SERVER; // SERVER1 is SERVER[0]
    int PORT = 123;

    // HOTKEY as the file held it when loaded, and whether a save writes that back instead of
    // HOTKEY: a run that ends because no hot key could be registered must not cost the user
    // their key (see KeepLoadedHotKeyOnSave).
    int m_nLoadedHotKey = 0xF00000;
    bool m_bKeepLoadedHotKey = false;
};

AppSettings& TheSettings();

// The tick period: a DELAY above 1000 or below 1 ms becomes 1000.
int CorrectDelay(int nDelayMs);
// A PORT of 0 becomes the NTP port 123.
int CorrectPort(int nPort);
