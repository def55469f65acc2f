#include "app/SettingsStore.h"

#include "app/AppSettings.h"
#include "framework/CWinApp.h"
#include "framework/ColourText.h"
#include "framework/ModulePath.h"
#include "framework/Seams.h"
#include "framework/SjisText.h"

#include <string>

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

void WriteColour(const CWinApp& app, const char* pszKey, std::uint32_t crValue)
{
    app.WriteProfileString(kSectionMain, pszKey, FormatColourText(crValue).c_str());
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
        SaveSettings();
    }
    return TRUE;
}

BOOL SaveSettings()
{
    const CWinApp& app = *AfxGetApp();
    const AppSettings& s = TheSettings();

    // Write failures are not reported: the next save tries again, and nothing is lost
    // while the program runs.
    WriteColour(app, "RGB_BACK", s.RGB_BACK);
    WriteColour(app, "RGB_ON", s.RGB_ON);
    WriteColour(app, "RGB_OFF", s.RGB_OFF);
    WriteColour(app, "RGB_SATURDAY", s.RGB_SATURDAY);
    WriteColour(app, "RGB_SUNDAY", s.RGB_SUNDAY);
    app.WriteProfileInt(kSectionMain, "DRAW_SEC", s.DRAW_SEC);
    app.WriteProfileInt(kSectionMain, "SHOWSTYLE", s.SHOWSTYLE);
    app.WriteProfileInt(kSectionMain, "DISP_POS", s.DISP_POS);
    app.WriteProfileInt(kSectionMain, "HOTKEY", s.m_bKeepLoadedHotKey ? s.m_nLoadedHotKey : s.HOTKEY);
    app.WriteProfileInt(kSectionMain, "DELAY", s.DELAY);
    app.WriteProfileString(kSectionMain, "FONT_NAME", s.FONT_NAME.c_str());
    app.WriteProfileInt(kSectionMain, "FONT_SIZE", s.FONT_SIZE);

    for (std::size_t i = 0; i < kServerCount; ++i)
    {
        const std::string strKey = ServerKey(i);
        // An empty server has no key at all, so the file lists only what is set.
        app.WriteProfileString(kSectionNtp, strKey.c_str(), s.SERVER[i].empty() ? nullptr : s.SERVER[i].c_str());
    }
    app.WriteProfileInt(kSectionNtp, "PORT", s.PORT);
    app.WriteProfileInt(kSectionNtp, "USE_NTP", s.USE_NTP);
    return TRUE;
}

void KeepLoadedHotKeyOnSave()
{
    TheSettings().m_bKeepLoadedHotKey = true;
}
