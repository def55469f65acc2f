// The About box: the program's icon, its version from its own version resource, and the
// scrolling link line to the home page. The main dialog makes it modeless for ABOUT... (and
// owns it until the next ABOUT or EXIT) and modal for the system menu's item.
#pragma once

#include "framework/CDialog.h"
#include "widgets/CLinkStatic.h"
#include "widgets/CVersionStatic.h"

constexpr const char kTempivaHomePage[] = "https://github.com/tempiva/tempiva";

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

    CLinkStatic m_link;
    CVersionStatic m_version;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // A modeless box that only hid itself would keep its link line ticking for nobody: it goes.
    void OnOK() override { Close(IDOK); }
    void OnCancel() override { Close(IDCANCEL); }

private:
    void Close(INT_PTR nResult);
};
