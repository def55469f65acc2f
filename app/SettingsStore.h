// Loading and saving the settings record through the application's profile functions.
#pragma once

#include <windows.h>

#include <string>

// Public NTP service of Japan's time authority; used when no server is configured.
constexpr const char* kDefaultNtpServer = "ntp.nict.jp";

// Reads Tempiva.ini beside the executable; on first run shows the greeting and saves (and
// says so when that save fails).
BOOL LoadSettings();
// The same on a given file (tests keep their files in their own folders).
BOOL LoadSettingsFrom(const std::string& strIniPath);
// Writes the settings into the loaded file in one step, keeping whatever else it holds.
// FALSE, with the file as it was and GetLastError telling why, when it cannot be written.
BOOL SaveSettings();
// Tells the user that the save just failed: the file and the system's reason.
void ReportSettingsSaveFailure();
// From now on saves keep the HOTKEY the file held when loaded. For a run that ends because no
// hot key could be registered: every other setting is saved, and the next start simply tries
// the user's own key again instead of greeting them as new.
void KeepLoadedHotKeyOnSave();
