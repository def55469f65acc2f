#include "app/CMainDlg.h"

#include "app/AppSettings.h"
#include "app/MainDlgRules.h"
#include "app/SettingsStore.h"
#include "config/CConfigDlg.h"
#include "framework/Gdi.h"
#include "framework/Seams.h"
#include "framework/WholeFile.h"
#include "res/resource.h"
#include "timesync/ClockSetting.h"
#include "timetable/TaskFile.h"
#include "timetable/TaskScheduler.h"
#include "widgets/CAboutDlg.h"

#include <utility>

#include <mmsystem.h>

namespace {

constexpr int kHotKeyId = 1;
constexpr UINT_PTR kTickTimerId = 1;

} // namespace

BEGIN_MSG_MAP(CMainDlg, CDialog)
    MapTimer<&CMainDlg::OnTimer>(),
    MapMessage<WM_HOTKEY, &CMainDlg::OnHotKey>(),
    MapMessage<WM_SYSCOMMAND, &CMainDlg::OnSysCommand>(),
    MapPaint<&CMainDlg::OnPaint>(),
    MapMessage<WM_QUERYDRAGICON, &CMainDlg::OnQueryDragIcon>(),
    MapMessage<WM_QUERYENDSESSION, &CMainDlg::OnQueryEndSession>(),
    MapMessage<WM_ENDSESSION, &CMainDlg::OnEndSession>(),
    MapCommand<ID_APP_ABOUT, &CMainDlg::OnAbout>(),
    MapCommand<ID_APP_EXIT, &CMainDlg::OnExit>(),
    MapCommand<ID_CONFIG, &CMainDlg::OnConfig>(),
    MapCommand<ID_TIMETABLE, &CMainDlg::OnTimeTable>(),
    MapCommand<ID_SETTIME, &CMainDlg::OnSetTime>(),
END_MSG_MAP()

CMainDlg::CMainDlg(std::string strFolder) : CDialog(IDD_MAIN), m_strFolder(std::move(strFolder))
{
    // A shared icon from the resources: the system frees it, not us.
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CMainDlg::~CMainDlg()
{
    // The owner would take our window with it; end ours first, while every member is still
    // here for the messages of its destruction, then the owner.
    if (IsWindow())
        DestroyWindow();
    if (m_hiddenOwner.IsWindow())
        m_hiddenOwner.DestroyWindow();
}

BOOL CMainDlg::Create(UINT nIdTemplate)
{
    if (!CDialog::Create(nIdTemplate, nullptr))
        return FALSE;

    m_strTaskFile = m_strFolder + "TimeTable.ini";
    if (!LoadTaskSection(m_strTaskFile, m_tasks, "TIMETABLE_RESERVE"))
    {
        DestroyWindow();
        return FALSE;
    }
    if (m_tasks.size() < 2)
    {
        ReportTooFewReservedTasks(m_strTaskFile, "TIMETABLE_RESERVE");
        DestroyWindow();
        return FALSE;
    }
    m_tasks[0]->m_bProtected = 1;
    m_tasks[1]->m_bProtected = 1;
    if (!LoadTaskSection(m_strTaskFile, m_tasks, "TIMETABLE") ||
        !LoadHolidaySection(m_strFolder + "Holiday.ini", m_holidays, "HOLIDAY"))
    {
        DestroyWindow();
        return FALSE;
    }

    AppSettings& settings = TheSettings();
    if (!RegisterPanelHotKey(LOWORD(settings.HOTKEY), HIWORD(settings.HOTKEY)))
    {
        AfxMessageBox("ホットキーの設定をして下さい。", MB_OK);
        settings.HOTKEY = 0;
        OnConfig();
        if (settings.HOTKEY == 0)
        {
            KeepLoadedHotKeyOnSave();
            if (IsWindow())
                DestroyWindow();
            return FALSE;
        }
    }

    // Start-up goes on without the owner: the dialog then merely shows on the taskbar.
    AttachToHiddenOwner();

    for (size_t i = 0; i < m_tasks.size(); ++i)
    {
        if (!IsStartupTask(*m_tasks[i]))
            continue;
        if (i == 1)
            SetTimeFromServer();
        else
            ShowClockPanel(m_tasks[i].get());
    }

    SetTimer(kTickTimerId, static_cast<UINT>(settings.DELAY));
    return TRUE;
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    char szAbout[256];
    const int nLength = ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, szAbout, sizeof szAbout);
    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    if (hSysMenu != nullptr && nLength > 0)
    {
        ::AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, szAbout);
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CMainDlg::OnOK()
{
    AttachToHiddenOwner();
}

BOOL CMainDlg::RegisterPanelHotKey(UINT nModifierFlags, UINT nVirtualKey)
{
    const UINT nMod = TranslateHotKeyModifiers(nModifierFlags & 0xFF);
    if (!::RegisterHotKey(m_hWnd, kHotKeyId, nMod, nVirtualKey & 0xFFFF))
    {
        AfxMessageBox(kHotKeyRefusedText, MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL CMainDlg::AttachToHiddenOwner()
{
    if (!m_hiddenOwner.IsWindow())
    {
        m_hiddenOwner.UnsubclassWindow();
        if (!m_hiddenOwner.Create(this))
            return FALSE;
    }
    ::SetParent(m_hWnd, m_hiddenOwner.m_hWnd);
    ModifyStyle(WS_VISIBLE, 0);
    return TRUE;
}

BOOL CMainDlg::ShowClockPanel(TimeTask* pTask)
{
    if (m_pPanel != nullptr)
    {
        if (m_pPanel->IsWindow())
            return m_pPanel->AddNotice(pTask);
        m_pPanel->CloseAll();
        m_pPanel.reset();
    }
    const AppSettings& settings = TheSettings();
    const AnimationFlags flags = ComputeAnimationFlags(settings.SHOWSTYLE, settings.DISP_POS);
    m_pPanel = std::make_unique<CClockPanel>();
    return m_pPanel->Create(this, flags.dwShow, flags.dwHide, settings.DISP_POS, settings.DRAW_SEC, pTask);
}

void CMainDlg::ClosePanel()
{
    if (m_pPanel == nullptr)
        return;
    m_pPanel->CloseAll();
    m_pPanel.reset();
}

BOOL CMainDlg::SetTimeFromServer()
{
    // Reserved task 1 carries the report, so it must be there too.
    if (!CanSetTime() || m_tasks.size() < 2)
        return FALSE;
    const AppSettings& settings = TheSettings();
    const std::unique_ptr<CSntpClient> pClient = MakeSntpClient();
    const std::string strReport =
        SetClockFromServer(*pClient, settings.SERVER[0].c_str(), static_cast<std::uint16_t>(settings.PORT));
    // The notice copies the text while it is shown; the task's own text is put back after,
    // so that it is not lost at the next save.
    TimeTask& carrier = *m_tasks[1];
    std::string strOwnText = std::exchange(carrier.m_strText, strReport);
    ShowClockPanel(&carrier);
    carrier.m_strText = std::move(strOwnText);
    return TRUE;
}

BOOL CMainDlg::CanSetTime() const
{
    const AppSettings& settings = TheSettings();
    return settings.USE_NTP != 0 && !settings.SERVER[0].empty() && !m_tasks.empty();
}

bool CMainDlg::FindHolidayColour(int nYear, int nMonth, int nDay, int& crColour) const
{
    return ::FindHolidayColour(m_holidays, nYear, nMonth, nDay, crColour);
}

BOOL CMainDlg::SaveTimeTable()
{
    std::vector<const TimeTask*> reserved;
    std::vector<const TimeTask*> others;
    for (size_t i = 0; i < m_tasks.size(); ++i)
        (i < 2 ? reserved : others).push_back(m_tasks[i].get());
    return SaveTaskSections(m_strTaskFile, {{"TIMETABLE_RESERVE", reserved}, {"TIMETABLE", others}});
}

BOOL CMainDlg::RunTaskTick()
{
    const SYSTEMTIME st = Clock().GetLocalTime();
    const LocalTimeFields now{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wDayOfWeek + 1};
    const TickDecision decision = DecideTaskTick(now, m_tasks, m_nSoundFlag);
    for (const size_t nTask : decision.m_shown)
    {
        // Showing a task must not change the list, but a position past its end is never used.
        if (nTask < m_tasks.size())
            ShowClockPanel(m_tasks[nTask].get());
    }
    // The result is of no use: a file that cannot be played counts as played.
    if (decision.m_nSoundTask && *decision.m_nSoundTask < m_tasks.size())
        SoundPlayer().Play(m_tasks[*decision.m_nSoundTask]->m_strSound.c_str(), nullptr,
                          SND_FILENAME | SND_ASYNC);
    return TRUE;
}

void CMainDlg::OnTimer(UINT_PTR nIdEvent)
{
    // Kill before re-arming: a slow tick must not queue a second one behind it, and the
    // period runs from the end of the tick's work.
    KillTimer(nIdEvent);
    if (nIdEvent == kTickTimerId)
    {
        RunTaskTick();
        if (IsWindow())
            SetTimer(kTickTimerId, static_cast<UINT>(TheSettings().DELAY));
    }
    SetMsgHandled(false);
}

LRESULT CMainDlg::OnHotKey(WPARAM wParam, LPARAM)
{
    if (static_cast<int>(wParam) != kHotKeyId)
    {
        SetMsgHandled(false);
        return 0;
    }
    // The hot key toggles the panel.
    if (m_pPanel != nullptr && m_pPanel->IsWindow())
        ClosePanel();
    else
        ShowClockPanel(nullptr);
    return 0;
}

LRESULT CMainDlg::OnSysCommand(WPARAM wParam, LPARAM)
{
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX)
    {
        SetMsgHandled(false);
        return 0;
    }
    // A box of its own, apart from ABOUT's: EXIT while it runs destroys it with this dialog,
    // which ends its loop.
    CAboutDlg dlg(this);
    dlg.DoModal();
    return 0;
}

void CMainDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd))
    {
        SetMsgHandled(false);
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    const RECT rc = GetClientRect();
    const int x = (rc.right - rc.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rc.bottom - rc.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

LRESULT CMainDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

LRESULT CMainDlg::OnQueryEndSession(WPARAM, LPARAM)
{
    return TRUE;
}

LRESULT CMainDlg::OnEndSession(WPARAM wParam, LPARAM)
{
    // The session ends and the process with it, before EXIT could run: keep what EXIT would
    // keep. No message: nobody is left to read it.
    if (wParam != FALSE)
        SaveSettings(); // a failure cannot be reported any more; the file stays as it was
    return 0;
}

void CMainDlg::OnAbout()
{
    if (m_pAboutDlg != nullptr)
    {
        if (m_pAboutDlg->IsWindow())
            m_pAboutDlg->DestroyWindow();
        m_pAboutDlg.reset();
    }
    m_pAboutDlg = std::make_unique<CAboutDlg>(this);
    // A box that cannot be made is simply not shown; the program goes on as before.
    if (m_pAboutDlg->Create(IDD_ABOUT, this))
        m_pAboutDlg->ShowWindow(SW_SHOW);
}

bool CMainDlg::BringToFront(const std::unique_ptr<CDialog>& pDialog)
{
    if (pDialog == nullptr || !pDialog->IsWindow() || (pDialog->GetStyle() & WS_VISIBLE) == 0)
        return false;
    ::SetForegroundWindow(pDialog->m_hWnd);
    return true;
}

INT_PTR CMainDlg::RunModal(std::unique_ptr<CDialog>& pDialog, std::unique_ptr<CDialog> (CMainDlg::*pfnMake)())
{
    pDialog = (this->*pfnMake)();
    const INT_PTR nResult = pDialog != nullptr ? pDialog->DoModal() : IDCANCEL;
    // Only now, with its loop returned, may the dialog go, also when EXIT ended it.
    pDialog.reset();
    return nResult;
}

std::unique_ptr<CDialog> CMainDlg::MakeConfigDialog()
{
    return std::make_unique<CConfigDlg>(this);
}

void CMainDlg::OnConfig()
{
    if (BringToFront(m_pConfigDlg))
        return;
    // The hot key control in the dialog must be able to take the current key.
    ::UnregisterHotKey(m_hWnd, kHotKeyId);
    const INT_PTR nResult = RunModal(m_pConfigDlg, &CMainDlg::MakeConfigDialog);
    if (m_bExiting)
        return;
    if (nResult == IDOK && !SaveSettings())
        ReportSettingsSaveFailure();
    AppSettings& settings = TheSettings();
    if (!RegisterPanelHotKey(LOWORD(settings.HOTKEY), HIWORD(settings.HOTKEY)))
    {
        AfxMessageBox("ホットキーの設定ができないので終了します。", MB_OK);
        settings.HOTKEY = 0;
        KeepLoadedHotKeyOnSave();
        DestroyWindow();
    }
}

void CMainDlg::OnTimeTable()
{
    if (BringToFront(m_pTimeTableDlg))
        return;
    const INT_PTR nResult = RunModal(m_pTimeTableDlg, &CMainDlg::MakeTimeTableDialog);
    if (!m_bExiting && nResult == IDOK && !SaveTimeTable())
        AfxMessageBox(SaveFailureText(m_strTaskFile, ::GetLastError()), MB_OK | MB_ICONEXCLAMATION);
}

void CMainDlg::OnSetTime()
{
    if (CanSetTime())
        SetTimeFromServer();
}

void CMainDlg::CloseSingletonDialog(std::unique_ptr<CDialog>& pDialog, UINT uMsg, WPARAM wParam)
{
    if (pDialog == nullptr)
        return;
    if (pDialog->IsWindow())
        pDialog->SendMessage(uMsg, wParam, 0);
    // Inside its modal loop the dialog is still on the stack below us: its handler frees it
    // once DoModal has returned.
    if (!pDialog->IsInModalLoop())
        pDialog.reset();
}

void CMainDlg::OnExit()
{
    m_bExiting = true;
    ClosePanel();
    CloseSingletonDialog(m_pConfigDlg, WM_CLOSE, 0);
    CloseSingletonDialog(m_pTimeTableDlg, WM_CLOSE, 0);
    CloseSingletonDialog(m_pAboutDlg, WM_COMMAND, IDOK);
    if (m_hiddenOwner.IsWindow())
        m_hiddenOwner.DestroyWindow();
    ::UnregisterHotKey(m_hWnd, kHotKeyId);
    if (IsWindow())
        DestroyWindow();
}
