#include "config/CConfigDlg.h"

#include "app/AppSettings.h"
#include "app/MainDlgRules.h"
#include "config/ConfigRules.h"
#include "framework/CFontDialog.h"
#include "framework/PointFont.h"
#include "framework/Seams.h"
#include "framework/SjisText.h"
#include "res/resource.h"

#include <vector>

namespace {

// The id RegisterHotKey is tried with; the dialog's own window holds it for a moment only.
constexpr int kTestHotKeyId = 1;

} // namespace

BEGIN_MSG_MAP(CConfigDlg, CDialog)
    MapCommand<IDC_FONT, &CConfigDlg::OnFontButton>(),
    MapControl<IDC_SCHEME, CBN_SELCHANGE, &CConfigDlg::OnSchemeSelected>(),
    MapCommandRange<IDC_SLIDE, IDC_VERTICAL, &CConfigDlg::OnDisplayMethodClicked>(),
    MapMessage<WMU_COLOUR_OK, &CConfigDlg::OnColourChosen>(),
END_MSG_MAP()

CConfigDlg::CConfigDlg(CWnd* pParent) : CDialog(IDD_CONFIG, pParent)
{
}

void CConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_USE_NTP, m_checkNtp);
    DDX_Control(pDX, IDC_NTP_GROUP, m_groupNtp);
    DDX_Control(pDX, IDC_SERVER, m_comboServer);
    DDX_Control(pDX, IDC_SCHEME, m_comboScheme);
    DDX_Control(pDX, IDC_HOTKEY, m_hotKey);
    DDX_Control(pDX, IDC_PREVIEW, m_preview);
    DDX_Control(pDX, IDC_COLOUR_OFF, m_buttonOff);
    DDX_Control(pDX, IDC_COLOUR_ON, m_buttonOn);
    DDX_Control(pDX, IDC_COLOUR_BACK, m_buttonBack);
    DDX_Text(pDX, IDC_DRAW_SEC, m_nDrawMs);
    DDV_MinMaxUInt(pDX, m_nDrawMs, 0, 10000);
    DDX_Radio(pDX, IDC_SLIDE, m_nMethod);
    DDX_Radio(pDX, IDC_HORIZONTAL, m_nDirection);
    DDX_Text(pDX, IDC_PORT, m_nPort);
}

BOOL CConfigDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const AppSettings& settings = TheSettings();
    m_buttonBack.SetColour(settings.RGB_BACK);
    m_buttonOn.SetColour(settings.RGB_ON);
    m_buttonOff.SetColour(settings.RGB_OFF);

    const DisplayStyle style = UnpackShowStyle(settings.SHOWSTYLE);
    m_nMethod = style.nMethod;
    m_nDirection = style.nDirection;
    const WORD wHotKey = HotKeyControlValue(settings.HOTKEY);
    m_hotKey.SetHotKey(LOBYTE(wHotKey), HIBYTE(wHotKey));
    m_nDrawMs = static_cast<UINT>(settings.DRAW_SEC);
    m_font.Attach(CreatePointFont(settings.FONT_SIZE * 10, settings.FONT_NAME));

    FillSchemeList();
    m_preview.SetColours(m_buttonBack.GetShownColour(), m_buttonOn.GetShownColour(),
                         m_buttonOff.GetShownColour());
    m_preview.Start(IDB_LCD_FACE, IDB_LCD_LARGE, IDB_LCD_SMALL);

    for (const std::string& strServer : settings.SERVER)
        if (!strServer.empty())
            m_comboServer.AddString(strServer);
    if (m_comboServer.GetCount() > 0)
        m_comboServer.SetCurSel(0);
    // A SERVERn field holds 259 bytes; OK cuts what gets past this limit (pasted text).
    m_comboServer.LimitText(static_cast<int>(kMaxServerBytes));
    m_nPort = static_cast<UINT>(settings.PORT);

    m_checkNtp.SetGroupBox(m_groupNtp.m_hWnd, false);
    m_checkNtp.SetCheck(settings.USE_NTP);

    UpdateData(FALSE);
    UpdateDirectionGroup();
    return TRUE;
}

void CConfigDlg::FillSchemeList()
{
    m_comboScheme.ResetContent();
    ColourSchemeTable& schemes = ColourSchemes();
    for (const ColourScheme& scheme : schemes)
        m_comboScheme.AddString(scheme.pszName);
    const std::size_t nRow = SelectScheme(schemes, m_buttonBack.GetShownColour(), m_buttonOn.GetShownColour(),
                                          m_buttonOff.GetShownColour());
    m_comboScheme.SetCurSel(static_cast<int>(nRow));
}

void CConfigDlg::RestartPreview()
{
    m_preview.Reset();
    m_preview.SetColours(m_buttonBack.GetShownColour(), m_buttonOn.GetShownColour(),
                         m_buttonOff.GetShownColour());
    m_preview.Start(IDB_LCD_FACE, IDB_LCD_LARGE, IDB_LCD_SMALL);
}

void CConfigDlg::OnSchemeSelected()
{
    const int nRow = m_comboScheme.GetCurSel();
    if (nRow < 0 || static_cast<std::size_t>(nRow) >= kSchemeCount)
        return;
    const ColourScheme& scheme = ColourSchemes()[static_cast<std::size_t>(nRow)];
    m_buttonOff.SetColour(scheme.crOff);
    m_buttonOn.SetColour(scheme.crOn);
    m_buttonBack.SetColour(scheme.crBack);
    // The other fields keep what the user typed: nothing is exchanged before OK.
    RestartPreview();
}

LRESULT CConfigDlg::OnColourChosen(WPARAM, LPARAM)
{
    // Only the preview follows a picked colour; the fields are checked at OK, not here.
    RestartPreview();
    return 1;
}

void CConfigDlg::OnDisplayMethodClicked(UINT)
{
    UpdateDirectionGroup();
}

void CConfigDlg::UpdateDirectionGroup()
{
    const BOOL bEnable = ::IsDlgButtonChecked(m_hWnd, IDC_FADE) != BST_CHECKED;
    for (const int nId : {IDC_DIRECTION_GROUP, IDC_HORIZONTAL, IDC_VERTICAL})
        ::EnableWindow(GetDlgItem(nId), bEnable);
}

void CConfigDlg::OnFontButton()
{
    LOGFONTA lf{};
    ::GetObjectA(m_font, sizeof lf, &lf);
    CFontDialog dialog(&lf, CF_SCREENFONTS, nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    HFONT hFont = ::CreateFontIndirectA(&dialog.GetCurrentFont());
    if (hFont != nullptr)
        m_font.Attach(hFont);
}

void CConfigDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;

    // The main dialog gave up its hot key while this dialog runs, so a refusal means another
    // program holds the key.
    WORD wVirtualKey = 0;
    WORD wModifiers = 0;
    m_hotKey.GetHotKey(wVirtualKey, wModifiers);
    if (!::RegisterHotKey(m_hWnd, kTestHotKeyId, TranslateHotKeyModifiers(wModifiers), wVirtualKey))
    {
        AfxMessageBox(kHotKeyRefusedText, MB_OK);
        return;
    }
    ::UnregisterHotKey(m_hWnd, kTestHotKeyId);

    AppSettings& settings = TheSettings();
    settings.RGB_BACK = m_buttonBack.GetShownColour();
    settings.RGB_ON = m_buttonOn.GetShownColour();
    settings.RGB_OFF = m_buttonOff.GetShownColour();
    settings.SHOWSTYLE = PackShowStyle({m_nMethod, m_nDirection});
    settings.DRAW_SEC = static_cast<int>(m_nDrawMs);
    settings.HOTKEY = PackHotKey(wVirtualKey, wModifiers);

    LOGFONTA lf{};
    ::GetObjectA(m_font, sizeof lf, &lf);
    {
        CClientDC screen(nullptr);
        settings.FONT_SIZE = -::MulDiv(lf.lfHeight, 72, ::GetDeviceCaps(screen, LOGPIXELSY));
    }
    settings.FONT_NAME = CutAtCharBoundary(lf.lfFaceName, kMaxFontNameBytes);

    std::vector<std::string> listed;
    for (int i = 0; i < m_comboServer.GetCount(); ++i)
        listed.push_back(m_comboServer.GetLBText(i));
    settings.SERVER = ServersAfterChoice(listed, m_comboServer.GetWindowText());
    settings.PORT = static_cast<int>(m_nPort);
    settings.USE_NTP = m_checkNtp.GetCheck();
    EndDialog(IDOK);
}
