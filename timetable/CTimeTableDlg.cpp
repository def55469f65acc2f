#include "timetable/CTimeTableDlg.h"

#include "app/AppSettings.h"
#include "framework/Seams.h"
#include "res/resource.h"
#include "timetable/CTaskDlg.h"
#include "timetable/TimeTableRules.h"

#include <algorithm>
#include <array>

namespace {

struct ListColumn
{
    const char* pszHeading;
    int nFormat;
    int nWidth;
};

constexpr std::array<ListColumn, kTaskColumnCount> kColumns = {{
    {"年", LVCFMT_RIGHT, 50},
    {"月", LVCFMT_RIGHT, 30},
    {"曜日", LVCFMT_RIGHT, 30},
    {"日", LVCFMT_RIGHT, 30},
    {"時", LVCFMT_RIGHT, 30},
    {"分", LVCFMT_RIGHT, 30},
    {"秒前", LVCFMT_RIGHT, 30},
    {"秒間", LVCFMT_RIGHT, 30},
    {"色", LVCFMT_RIGHT, 60},
    {"テキスト", LVCFMT_LEFT, 150},
    {"サウンド", LVCFMT_LEFT, 150},
}};

constexpr const char* kAskDelete = "選択されているタスクを削除します。よろしいですか？";
constexpr const char* kProtectedTask = "このタスクは保護タスクなので削除できません";

} // namespace

BEGIN_MSG_MAP(CTimeTableDlg, CDialog)
MapCommand<IDC_TASK_ADD, &CTimeTableDlg::OnAdd>(), MapCommand<IDC_TASK_EDIT, &CTimeTableDlg::OnEdit>(),
    MapCommand<IDC_TASK_DELETE, &CTimeTableDlg::OnDelete>(),
    MapNotify<IDC_TASK_LIST, NM_DBLCLK, &CTimeTableDlg::OnListDoubleClick>(),
    MapNotify<IDC_TASK_LIST, NM_CUSTOMDRAW, &CTimeTableDlg::OnListCustomDraw>(),
    END_MSG_MAP()

        CTimeTableDlg::CTimeTableDlg(TaskList* pTasks, CWnd* pParent)
    : CDialog(IDD_TIMETABLE, pParent), m_pMainTasks(pTasks)
{
}

void CTimeTableDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TASK_LIST, m_list);
}

BOOL CTimeTableDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int i = 0; i < kTaskColumnCount; ++i)
    {
        const ListColumn& column = kColumns[static_cast<size_t>(i)];
        m_list.InsertColumn(i, column.pszHeading, column.nFormat, column.nWidth);
    }
    for (const std::unique_ptr<TimeTask>& pTask : *m_pMainTasks)
        m_working.push_back(std::make_unique<TimeTask>(*pTask));
    FillList();
    return TRUE;
}

void CTimeTableDlg::FillList()
{
    m_list.DeleteAllItems();
    for (size_t i = 0; i < m_working.size(); ++i)
    {
        const std::array<std::string, kTaskColumnCount> texts = TaskRowTexts(*m_working[i]);
        const int nRow =
            m_list.InsertItem(static_cast<int>(i), texts[0], reinterpret_cast<LPARAM>(m_working[i].get()));
        for (int nColumn = 1; nColumn < kTaskColumnCount; ++nColumn)
            m_list.SetItemText(nRow, nColumn, texts[static_cast<size_t>(nColumn)]);
    }
}

TimeTask* CTimeTableDlg::TaskAt(int nRow) const
{
    return reinterpret_cast<TimeTask*>(m_list.GetItemData(nRow));
}

BOOL CTimeTableDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && m_hWnd != nullptr &&
        (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)))
    {
        if (pMsg->wParam == VK_RETURN)
        {
            OnEdit();
            return TRUE;
        }
        if (pMsg->wParam == VK_DELETE)
        {
            OnDelete();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CTimeTableDlg::OnAdd()
{
    CTaskDlg dialog(nullptr, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_working.push_back(dialog.TakeNewTask());
    FillList();
    m_list.SelectItem(m_list.GetItemCount() - 1);
}

void CTimeTableDlg::OnEdit()
{
    const int nRow = m_list.GetSelectedItem();
    if (nRow < 0)
        return;
    CTaskDlg dialog(TaskAt(nRow), this);
    if (dialog.DoModal() != IDOK)
        return;
    FillList();
    m_list.SelectItem(nRow);
}

LRESULT CTimeTableDlg::OnListDoubleClick(NMHDR*)
{
    OnEdit();
    return 0;
}

void CTimeTableDlg::OnDelete()
{
    if (m_list.GetSelectedItem() < 0 || AfxMessageBox(kAskDelete, MB_YESNO) != IDYES)
        return;
    // Read after the answer: the question does not hold the dialog still, and EXIT may have
    // ended it meanwhile.
    const int nRow = m_list.IsWindow() ? m_list.GetSelectedItem() : -1;
    const TimeTask* pTask = nRow >= 0 ? TaskAt(nRow) : nullptr;
    if (pTask == nullptr)
        return;
    if (pTask->m_bProtected)
    {
        AfxMessageBox(kProtectedTask, MB_OK);
        return;
    }
    m_working.erase(std::find_if(m_working.begin(), m_working.end(),
                                 [pTask](const std::unique_ptr<TimeTask>& p) { return p.get() == pTask; }));
    m_list.DeleteItem(nRow);
    const int nSelect = SelectionAfterDelete(nRow, m_list.GetItemCount());
    if (nSelect >= 0)
        m_list.SelectItem(nSelect);
}

LRESULT CTimeTableDlg::OnListCustomDraw(NMHDR* pHeader)
{
    auto* pDraw = reinterpret_cast<NMLVCUSTOMDRAW*>(pHeader);
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
    {
        const auto* pTask = reinterpret_cast<const TimeTask*>(pDraw->nmcd.lItemlParam);
        if (pDraw->iSubItem == kColourColumn && pTask != nullptr)
        {
            const AppSettings& settings = TheSettings();
            pDraw->clrTextBk = TaskColour(pTask->m_crBack, settings.RGB_BACK);
            pDraw->clrText = TaskColour(pTask->m_crText, settings.RGB_ON);
        }
        else
        {
            pDraw->clrTextBk = RGB(255, 255, 255);
            pDraw->clrText = RGB(0, 0, 0);
        }
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

void CTimeTableDlg::OnOK()
{
    // The old tasks go; the copies, in their order, are the list from now on.
    *m_pMainTasks = std::move(m_working);
    m_working.clear();
    EndDialog(IDOK);
}
