// The time table dialog behind TIME TABLE...: every task in a list, added, edited and deleted
// on copies. OK hands the copies to the main list (the caller then saves the file); Cancel
// leaves the main list as it was. Made by the main dialog for one modal run.
#pragma once

#include "framework/CDialog.h"
#include "framework/CListCtrl.h"
#include "timetable/TaskList.h"

class CTimeTableDlg : public CDialog
{
public:
    // pTasks: the main dialog's list, replaced on OK.
    CTimeTableDlg(TaskList* pTasks, CWnd* pParent);

    // Enter edits and Delete deletes, wherever the focus is in the dialog: Enter never
    // presses OK here.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    LRESULT OnListDoubleClick(NMHDR*);
    LRESULT OnListCustomDraw(NMHDR* pHeader);
    DECLARE_MSG_MAP()

private:
    void FillList();
    TimeTask* TaskAt(int nRow) const;

    CListCtrl m_list;
    TaskList* m_pMainTasks;
    TaskList m_working;
};
