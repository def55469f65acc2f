#include "widgets/CAboutDlg.h"

#include "res/resource.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent)
{
}

CAboutDlg::~CAboutDlg()
{
    // While the controls' objects still exist for the messages of the destruction.
    if (IsWindow())
        DestroyWindow();
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_LINK, m_link);
    DDX_Control(pDX, IDC_VERSION, m_version);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Without a version resource the field keeps its "xx.xx.xx.xx".
    m_version.SetVersionText("ProductVersion");
    // Each fails only when out of memory; the line then shows what it has.
    m_link.AddLink("Click here to go to My HomePage!", kTempivaHomePage);
    m_link.AddLink(kTempivaHomePage, kTempivaHomePage);
    m_link.StartScrolling(TRUE);
    return TRUE;
}

void CAboutDlg::Close(INT_PTR nResult)
{
    if (IsInModalLoop())
        EndDialog(nResult);
    else
        DestroyWindow();
}
