// The configuration dialog behind CONFIG... (and behind a hot key refused at start-up): the
// panel's entrance, the three LCD colours with a scheme list and a live preview, the hot key,
// the font and the time server. OK checks the hot key by registering it once and writes
// everything into the settings record; the caller saves. Made by the main dialog for one
// modal run.
#pragma once

#include "config/CCheckGroupBox.h"
#include "config/CColorButton.h"
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CHotKeyCtrl.h"
#include "framework/Gdi.h"
#include "panel/CClockST.h"

// Shown when a hot key cannot be registered, here and by the main dialog.
inline constexpr const char* kHotKeyRefusedText =
    "ホットキーの設定に失敗しました。\n既に別のアプリケーションで使用している可能性があります\n";

class CConfigDlg : public CDialog
{
public:
    explicit CConfigDlg(CWnd* pParent);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnFontButton();
    void OnSchemeSelected();
    void OnDisplayMethodClicked(UINT nId);
    LRESULT OnColourChosen(WPARAM, LPARAM);
    DECLARE_MSG_MAP()

private:
    void FillSchemeList();
    // The preview shows the three buttons' colours.
    void RestartPreview();
    // "フェイド" has no direction: its group is disabled while it is checked.
    void UpdateDirectionGroup();

    CCheckGroupBox m_checkNtp;
    CButton m_groupNtp;
    CComboBox m_comboServer;
    CComboBox m_comboScheme;
    CHotKeyCtrl m_hotKey;
    CClockST m_preview;
    CColorButton m_buttonOff;
    CColorButton m_buttonOn;
    CColorButton m_buttonBack;
    UINT m_nDrawMs = 300;
    int m_nMethod = 0;
    int m_nDirection = 0;
    UINT m_nPort = 0;
    CFont m_font;
};
