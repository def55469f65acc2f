// A single-line edit that holds a file path and carries its own browse button inside its frame,
// at the right end. The button (or Ctrl with the full stop key) opens a file dialog in the
// folder of the path typed so far; the chosen path replaces the text. A shortcut (.lnk, .pif)
// stands for its target. Held as a member by its dialog and bound to the template's edit by
// ExchangeFileEdit; it owns its file dialog.
#pragma once

#include "framework/CEdit.h"
#include "widgets/CFECFileDialog.h"

#include <memory>
#include <string>
#include <vector>

class CDataExchange;
class CFileEditCtrl;

// Sent to the parent as WM_NOTIFY. Before the dialog opens, no text: a non-zero reply cancels
// the browse. After it closed, the chosen path, or none when the user cancelled: a non-zero
// reply keeps the old text.
constexpr UINT FEN_BROWSE_START = 1;
constexpr UINT FEN_BROWSE_END = 2;

struct FileEditNotification
{
    NMHDR hdr;
    CFileEditCtrl* pFileEdit;
    const char* pszNewText;
};

// SetOptions: choose one existing file.
constexpr DWORD FEC_FILEOPEN = 1;

class CFileEditCtrl : public CEdit
{
public:
    // bAutoDelete: the object deletes itself when its window is destroyed.
    explicit CFileEditCtrl(BOOL bAutoDelete = FALSE);

    BOOL SetOptions(DWORD dwOptions);
    // Returns the width the button had.
    int SetButtonWidth(int nWidth);
    // The file dialog's structure, for its filter; none before SetOptions.
    OPENFILENAMEA* GetOpenFileNameStruct() const;
    // The position of the first name of the text, or -1; a changed text is parsed first.
    int GetStartPosition();
    // The full path of the name at nPos, a shortcut resolved; nPos moves on (-1 after the last).
    std::string GetNextPathName(int& nPos) const;
    // The button's action. TRUE when the chosen path replaced the text.
    BOOL OnBrowse();
    // The button in window coordinates.
    const RECT& GetButtonRect() const { return m_rcButton; }

    static constexpr int kButtonNormal = 1;
    static constexpr int kButtonPressed = 2;
    static constexpr int kButtonDisabled = 4;

protected:
    void PostNcDestroy() override;
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* pParams);
    LRESULT OnNcHitTest(POINT ptScreen);
    void OnNcPaint(HRGN hUpdate);
    void OnNcLButtonDown(UINT nHitTest, POINT ptScreen);
    void OnMouseMove(UINT nFlags, POINT pt);
    void OnLButtonUp(UINT nFlags, POINT pt);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnEnable(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    void OnTextChanged();
    DECLARE_MSG_MAP()

private:
    void ParseText();
    void AddFile(std::string strName);
    void RecalcFrame() const;
    void DrawButton(int nState);
    void DrawDots(HDC hdc, COLORREF cr, int nShift) const;
    bool IsOverButton(POINT ptScreen) const;
    POINT ClientToScreen(POINT pt) const;
    // Sends a notification to the parent; 0 without a parent.
    LRESULT Notify(UINT nCode, const char* pszNewText);
    void EndButtonPress();

    BOOL m_bAutoDelete;
    BOOL m_bButtonDown = FALSE;
    BOOL m_bTextChanged = TRUE;
    DWORD m_dwOptions = 0;
    std::vector<std::string> m_files;
    int m_nButtonState = kButtonNormal;
    int m_nButtonWidth = -1;
    std::unique_ptr<CFECFileDialog> m_pFileDialog;
    RECT m_rcButton{};
    std::string m_strDialogTitle;
    std::string m_strFolder;
};

// Data exchange: the first exchange binds the control to the dialog's edit nId and sets its
// options (a failure throws the not-supported exception); a later saving exchange parses the
// text.
void ExchangeFileEdit(CDataExchange* pDX, int nId, CFileEditCtrl& control, DWORD dwOptions);
