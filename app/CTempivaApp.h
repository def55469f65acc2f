// The application object: start-up with the single-instance guard, shut-down with the save.
#pragma once

#include "app/CMainDlg.h"
#include "framework/CWinApp.h"
#include "framework/Handle.h"

#include <memory>

class CTempivaApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    bool m_bSocketsStarted = false;
    CHandle m_hInstanceGuard;
    std::unique_ptr<CMainDlg> m_pMainDlg;
};
