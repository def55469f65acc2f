// The hidden modeless main dialog: the hub of the running program. It owns the hot key, the
// tick timer, the task and holiday lists and the singleton windows, and carries out the
// commands of the clock panel's menu. Owned by the application object.
#pragma once

#include "app/CHiddenOwnerWnd.h"
#include "calendar/HolidayLookup.h"
#include "framework/CDialog.h"
#include "panel/CClockPanel.h"
#include "timesync/CSntpClient.h"
#include "timetable/TaskList.h"

#include <memory>
#include <string>

class CMainDlg : public CDialog, public IHolidayLookup
{
public:
    // strFolder: where TimeTable.ini and Holiday.ini lie (with its final backslash).
    explicit CMainDlg(std::string strFolder);
    ~CMainDlg() override;

    // Creates the dialog and starts the program: lists, hot key, start-up tasks, tick.
    BOOL Create(UINT nIdTemplate);

    // pTask: the task whose notice to show, or none for the hot key.
    CClockPanel* Panel() const { return m_pPanel.get(); }
    virtual BOOL ShowClockPanel(TimeTask* pTask);
    BOOL RegisterPanelHotKey(UINT nModifierFlags, UINT nVirtualKey);
    BOOL AttachToHiddenOwner();
    // Both sections in one write; FALSE, with the file as it was, when it cannot be written.
    BOOL SaveTimeTable();
    // Asks the time server and sets the clock; the report shows on the panel as the notice of
    // reserved task 1. FALSE when setting the time is not configured.
    virtual BOOL SetTimeFromServer();
    // The enabling test of SET TIME.
    BOOL CanSetTime() const;
    bool FindHolidayColour(int nYear, int nMonth, int nDay, int& crColour) const override;

    TaskList m_tasks;
    HolidayList m_holidays;

protected:
    BOOL OnInitDialog() override;
    // Enter must never close the resident dialog.
    void OnOK() override;
    // Two push buttons: the hidden dialog must not load COMCTL32 at start-up.
    bool NeedsCommonControls() const override { return false; }
    // One scheduler step per tick: shows the tasks whose notice moment is now and starts
    // the sound of the first one due now.
    virtual BOOL RunTaskTick();
    // The configuration and time table dialogs, made for each run; none means the command has
    // nothing to show.
    virtual std::unique_ptr<CDialog> MakeConfigDialog();
    virtual std::unique_ptr<CDialog> MakeTimeTableDialog();
    // One client per clock setting.
    virtual std::unique_ptr<CSntpClient> MakeSntpClient() { return std::make_unique<CSntpClient>(); }

    void OnTimer(UINT_PTR nIdEvent);
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnEndSession(WPARAM wParam, LPARAM lParam);
    void OnAbout();
    void OnExit();
    void OnConfig();
    void OnTimeTable();
    void OnSetTime();

    DECLARE_MSG_MAP()

private:
    std::string m_strFolder;
    std::string m_strTaskFile;
    // A singleton dialog already on screen comes to the front instead of a second one.
    void ClosePanel();
    static bool BringToFront(const std::unique_ptr<CDialog>& pDialog);
    INT_PTR RunModal(std::unique_ptr<CDialog>& pDialog, std::unique_ptr<CDialog> (CMainDlg::*pfnMake)());
    // Ends a singleton dialog for EXIT; a dialog inside its modal loop is freed by its handler.
    void CloseSingletonDialog(std::unique_ptr<CDialog>& pDialog, UINT uMsg, WPARAM wParam);

    HICON m_hIcon = nullptr;
    // Never shown; it keeps the main dialog off the taskbar. Ours, so that it goes with us
    // whichever way the program ends.
    CHiddenOwnerWnd m_hiddenOwner;
    // May outlive its window after the panel hid itself; IsWindow tells at the next use.
    std::unique_ptr<CClockPanel> m_pPanel;
    std::unique_ptr<CDialog> m_pConfigDlg;
    std::unique_ptr<CDialog> m_pTimeTableDlg;
    std::unique_ptr<CDialog> m_pAboutDlg;
    // EXIT came while a modal dialog ran: its handler frees it once its loop has returned.
    bool m_bExiting = false;
    // 1 from the start of a sound until a later tick of its due minute: one sound per minute.
    int m_nSoundFlag = 0;
};
