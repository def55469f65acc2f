#include "timetable/CTaskDlg.h"

#include "app/AppSettings.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "timetable/TaskLine.h"

namespace {

// The sound field's browse dialog offers wave files; the pairs end with a second NUL.
constexpr char kWaveFilter[] = "WAV Files (*.wav)\0*.wav\0";
constexpr int kBrowseButtonWidth = 15;

// What a new task shows before the user chooses: on the minute, 5 seconds early, 10 seconds long.
constexpr int kNewMinute = 0;
constexpr int kNewLeadSeconds = 5;
constexpr int kNewShowSeconds = 10;

} // namespace

CTaskDlg::CTaskDlg(TimeTask* pTask, CWnd* pParent) : CDialog(IDD_TASK, pParent), m_pTask(pTask)
{
}

void CTaskDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int i = 0; i < kTaskFieldCount; ++i)
        DDX_Control(pDX, IDC_TASK_YEAR + i, m_combos[static_cast<size_t>(i)]);
    DDX_Control(pDX, IDC_TASK_TEXT_COLOUR, m_buttonText);
    DDX_Control(pDX, IDC_TASK_BACK_COLOUR, m_buttonBack);
    ExchangeFileEdit(pDX, IDC_TASK_SOUND, m_editSound, FEC_FILEOPEN);
    DDX_Text(pDX, IDC_TASK_TEXT, m_strText);
}

BOOL CTaskDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pTask == nullptr)
    {
        m_pNewTask = std::make_unique<TimeTask>();
        m_pNewTask->m_nMinute = kNewMinute;
        m_pNewTask->m_nLeadSeconds = kNewLeadSeconds;
        m_pNewTask->m_nShowSeconds = kNewShowSeconds;
        m_pTask = m_pNewTask.get();
    }

    const int nThisYear = Clock().GetLocalTime().wYear;
    for (int i = 0; i < kTaskFieldCount; ++i)
    {
        const auto field = static_cast<TaskField>(i);
        const int nValue = FieldOf(*m_pTask, field);
        CComboBox& combo = m_combos[static_cast<size_t>(i)];
        for (const std::string& strEntry : TaskFieldEntries(field, nValue, nThisYear))
            combo.AddString(strEntry);
        combo.SetCurSel(combo.FindStringExact(-1, TaskFieldText(field, nValue)));
    }

    const AppSettings& settings = TheSettings();
    m_buttonText.SetDefaultColour(settings.RGB_ON);
    m_buttonBack.SetDefaultColour(settings.RGB_BACK);
    m_buttonText.SetColour(ButtonColourOfTask(m_pTask->m_crText));
    m_buttonBack.SetColour(ButtonColourOfTask(m_pTask->m_crBack));

    m_editSound.SetButtonWidth(kBrowseButtonWidth);
    m_editSound.GetOpenFileNameStruct()->lpstrFilter = kWaveFilter;
    m_editSound.SetWindowText(m_pTask->m_strSound);
    m_strText = EscapeControls(m_pTask->m_strText);
    UpdateData(FALSE);
    return TRUE;
}

void CTaskDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (int i = 0; i < kTaskFieldCount; ++i)
    {
        const auto field = static_cast<TaskField>(i);
        const CComboBox& combo = m_combos[static_cast<size_t>(i)];
        // A combo without a selection keeps the task's value.
        if (const std::optional<int> nValue = TaskFieldValue(field, combo.GetLBText(combo.GetCurSel())))
            FieldOf(*m_pTask, field) = *nValue;
    }
    m_pTask->m_crText = TaskColourOfButton(m_buttonText.GetColour());
    m_pTask->m_crBack = TaskColourOfButton(m_buttonBack.GetColour());
    m_pTask->m_strText = ExpandControlEscapes(m_strText);
    m_pTask->m_strSound = m_editSound.GetWindowText();
    EndDialog(IDOK);
}
