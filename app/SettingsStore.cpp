#include "app/SettingsStore.h"

#include "app/AppSettings.h"
#include "framework/CWinApp.h"
#include "framework/ColourText.h"
#include "framework/ModulePath.h"
#include "framework/Seams.h"
#include "framework/IniSection.h"
#include "framework/SjisText.h"
#include "framework/WholeFile.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kSectionMain = "TEMPIVA";
constexpr const char* kSectionNtp = "NTP";

std::string ServerKey(std::size_t nIndex)
{
    return "SERVER" + std::to_string(nIndex + 1);
}

std::uint32_t ReadColour(const CWinApp& app, const char* pszKey, const char* pszDefault)
{
    return ParseColourText(app.GetProfileString(kSectionMain, pszKey, pszDefault));
}

} // namespace

BOOL LoadSettings()
{
    return LoadSettingsFrom(GetModuleDirectory() + "Tempiva.ini");
}

BOOL LoadSettingsFrom(const std::string& strIniPath)
{
    CWinApp& app = *AfxGetApp();
    AppSettings& s = TheSettings();
    s.m_strIniPath = strIniPath;
    app.m_strProfileName = strIniPath;

    s.RGB_BACK = ReadColour(app, "RGB_BACK", "B3B78B");
    s.RGB_ON = ReadColour(app, "RGB_ON", "000000");
    s.RGB_OFF = ReadColour(app, "RGB_OFF", "9EA46C");
    s.DRAW_SEC = app.GetProfileInt(kSectionMain, "DRAW_SEC", 400);
    s.SHOWSTYLE = app.GetProfileInt(kSectionMain, "SHOWSTYLE", 4);
    s.DISP_POS = app.GetProfileInt(kSectionMain, "DISP_POS", 3);
    s.HOTKEY = app.GetProfileInt(kSectionMain, "HOTKEY", 15728640);
    s.m_nLoadedHotKey = s.HOTKEY;
    s.m_bKeepLoadedHotKey = false;
    s.DELAY = CorrectDelay(app.GetProfileInt(kSectionMain, "DELAY", 1000));
    // A longer face name does not fit the platform's field: keep whole characters only.
    s.FONT_NAME = CutAtCharBoundary(app.GetProfileString(kSectionMain, "FONT_NAME", "ＭＳ Ｐゴシック"),
                                    kMaxFontNameBytes);
    s.FONT_SIZE = app.GetProfileInt(kSectionMain, "FONT_SIZE", 9);
    s.RGB_SUNDAY = ReadColour(app, "RGB_SUNDAY", "FF0000");
    s.RGB_SATURDAY = ReadColour(app, "RGB_SATURDAY", "0000FF");

    bool bAnyServer = false;
    for (std::size_t i = 0; i < kServerCount; ++i)
    {
        s.SERVER[i] = CutAtCharBoundary(app.GetProfileString(kSectionNtp, ServerKey(i).c_str(), ""),
                                        kMaxServerBytes);
        bAnyServer = bAnyServer || !s.SERVER[i].empty();
    }
    if (!bAnyServer)
        s.SERVER[0] = kDefaultNtpServer;
    s.PORT = CorrectPort(app.GetProfileInt(kSectionNtp, "PORT", 123));
    s.USE_NTP = app.GetProfileInt(kSectionNtp, "USE_NTP", 0);

    // A missing HOTKEY (or one set to 0) means nobody has chosen a hot key yet.
    if (app.GetProfileInt(kSectionMain, "HOTKEY", 0) == 0)
    {
        AfxMessageBox("ホットキーを \"CapsLock\" に割り当てます。\nホットキーで時計が出ます。\n"
                      "設定は時計パネル上で右クリック！",
                      MB_OK);
        if (!SaveSettings())
            ReportSettingsSaveFailure();
    }
    return TRUE;
}

BOOL SaveSettings()
{
    const AppSettings& s = TheSettings();
    const std::string& strPath = s.m_strIniPath;
    if (strPath.empty())
    {
        // Nothing was loaded, so there is no file to keep the settings in.
        ::SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    // The whole file is read, changed and written back in one step: the keys and sections
    // that are not ours stay as they are.
    std::string strFile;
    if (std::optional<std::string> strOld = ReadWholeFile(strPath))
        strFile = std::move(*strOld);
    else if (!IsMissingFileError(::GetLastError()))
        return FALSE;

    const auto number = [](int nValue) { return std::optional<std::string>(std::to_string(nValue)); };
    strFile = SetIniKeys(strFile, kSectionMain,
                         {{"RGB_BACK", FormatColourText(s.RGB_BACK)},
                          {"RGB_ON", FormatColourText(s.RGB_ON)},
                          {"RGB_OFF", FormatColourText(s.RGB_OFF)},
                          {"RGB_SATURDAY", FormatColourText(s.RGB_SATURDAY)},
                          {"RGB_SUNDAY", FormatColourText(s.RGB_SUNDAY)},
                          {"DRAW_SEC", number(s.DRAW_SEC)},
                          {"SHOWSTYLE", number(s.SHOWSTYLE)},
                          {"DISP_POS", number(s.DISP_POS)},
                          {"HOTKEY", number(s.m_bKeepLoadedHotKey ? s.m_nLoadedHotKey : s.HOTKEY)},
                          {"DELAY", number(s.DELAY)},
                          {"FONT_NAME", s.FONT_NAME},
                          {"FONT_SIZE", number(s.FONT_SIZE)}});
    std::vector<IniKey> ntp;
    for (std::size_t i = 0; i < kServerCount; ++i)
    {
        // An empty server has no key at all, so the file lists only what is set.
        ntp.push_back({ServerKey(i), s.SERVER[i].empty() ? std::nullopt : std::optional<std::string>(s.SERVER[i])});
    }
    ntp.push_back({"PORT", number(s.PORT)});
    ntp.push_back({"USE_NTP", number(s.USE_NTP)});
    strFile = SetIniKeys(strFile, kSectionNtp, ntp);
    return SaveWholeFile(strPath, strFile);
}

void ReportSettingsSaveFailure()
{
    AfxMessageBox(SaveFailureText(TheSettings().m_strIniPath, ::GetLastError()), MB_OK | MB_ICONEXCLAMATION);
}

void KeepLoadedHotKeyOnSave()
{
    TheSettings().m_bKeepLoadedHotKey = true;
}
