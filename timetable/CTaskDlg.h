// The task dialog: one task's date and time pattern in eight combos, its two colours, its text
// and its sound file. On OK it writes the task it was given, in place; without one it makes a
// new task, which the caller takes after IDOK. Made by the time table dialog for one modal run.
#pragma once

#include "config/CColorButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "timetable/TimeTableRules.h"
#include "widgets/CFileEditCtrl.h"

#include <array>
#include <memory>
#include <string>

class CTaskDlg : public CDialog
{
public:
    // pTask: the task to edit, or none to make a new one.
    CTaskDlg(TimeTask* pTask, CWnd* pParent);

    // The task made for Add, once the dialog ended with IDOK; the dialog deletes it otherwise.
    std::unique_ptr<TimeTask> TakeNewTask() { return std::move(m_pNewTask); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    TimeTask* m_pTask;
    std::unique_ptr<TimeTask> m_pNewTask;
    std::array<CComboBox, kTaskFieldCount> m_combos;
    CColorButton m_buttonText;
    CColorButton m_buttonBack;
    CFileEditCtrl m_editSound;
    std::string m_strText; // line feeds and tabs as "\n" and "\t"
};
