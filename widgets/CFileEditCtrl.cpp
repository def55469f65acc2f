#include "widgets/CFileEditCtrl.h"

#include "framework/CComPtr.h"
#include "framework/CComScope.h"
#include "framework/CDataExchange.h"
#include "framework/Exceptions.h"
#include "framework/Gdi.h"
#include "widgets/FileEditRules.h"

#include <shlobj.h>

namespace {

// SetWindowPos flags that only recalculate the frame.
constexpr UINT kFrameChanged = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

PathKind ProbePath(const std::string& strPath)
{
    const DWORD dwAttributes = ::GetFileAttributesA(strPath.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return PathKind::Missing;
    return (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

std::string FullPath(const std::string& strPath)
{
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD nLength =
            ::GetFullPathNameA(strPath.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
        if (nLength == 0)
            return strPath; // no full form: the name as it stands
        if (nLength < buffer.size())
            return std::string(buffer.data(), nLength);
        buffer.resize(nLength);
    }
}

// The target of a shell shortcut, through the shell link object. The path is unchanged, and
// false returned, when it is no shortcut that names a file.
bool ResolveShortcut(std::string& strPath)
{
    const CComScope com;
    if (!com)
        return false;
    CComPtr<IShellLinkA> pLink;
    CComPtr<IPersistFile> pFile;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  pLink.Receive())) ||
        FAILED(pLink->QueryInterface(IID_IPersistFile, pFile.Receive())))
        return false;
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), -1, nullptr, 0);
    if (nWide <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strPath.c_str(), -1, wide.data(), nWide);
    if (FAILED(pFile->Load(wide.c_str(), STGM_READ)))
        return false;
    // The link copies what fits: grow until the target is shorter than the buffer.
    std::vector<char> target(MAX_PATH);
    for (;;)
    {
        if (pLink->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) != S_OK)
            return false;
        if (std::char_traits<char>::length(target.data()) + 1 < target.size())
            break;
        target.resize(target.size() * 2);
    }
    strPath = target.data();
    return true;
}

} // namespace

BEGIN_MSG_MAP(CFileEditCtrl, CEdit)
    MapNcCalcSize<&CFileEditCtrl::OnNcCalcSize>(),
    MapNcHitTest<&CFileEditCtrl::OnNcHitTest>(),
    MapNcPaint<&CFileEditCtrl::OnNcPaint>(),
    MapNcMouse<WM_NCLBUTTONDOWN, &CFileEditCtrl::OnNcLButtonDown>(),
    MapNcMouse<WM_NCLBUTTONDBLCLK, &CFileEditCtrl::OnNcLButtonDown>(),
    MapMouse<WM_MOUSEMOVE, &CFileEditCtrl::OnMouseMove>(),
    MapMouse<WM_LBUTTONUP, &CFileEditCtrl::OnLButtonUp>(),
    MapMessage<WM_KILLFOCUS, &CFileEditCtrl::OnKillFocus>(),
    MapMessage<WM_SETFOCUS, &CFileEditCtrl::OnSetFocus>(),
    MapMessage<WM_KEYDOWN, &CFileEditCtrl::OnKeyDown>(),
    MapMessage<WM_ENABLE, &CFileEditCtrl::OnEnable>(),
    MapMessage<WM_SIZE, &CFileEditCtrl::OnSize>(),
    MapMessage<WM_SETTEXT, &CFileEditCtrl::OnSetText>(),
    MapReflectedControl<EN_CHANGE, &CFileEditCtrl::OnTextChanged>(),
END_MSG_MAP()

CFileEditCtrl::CFileEditCtrl(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

void CFileEditCtrl::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CFileEditCtrl::SetOptions(DWORD dwOptions)
{
    if (dwOptions & FEC_FILEOPEN)
    {
        if (m_pFileDialog == nullptr)
            m_pFileDialog = std::make_unique<CFECFileDialog>(
                TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_NOCHANGEDIR, "All Files (*.*)|*.*||", m_hWnd);
        m_pFileDialog->m_bOpenFileDialog = TRUE;
        OPENFILENAMEA& ofn = m_pFileDialog->m_ofn;
        ofn.Flags |= OFN_FILEMUSTEXIST;
        ofn.Flags &= ~static_cast<DWORD>(OFN_ALLOWMULTISELECT | OFN_NODEREFERENCELINKS);
        ofn.hwndOwner = m_hWnd;
        m_strDialogTitle = "Browse for File";
        m_pFileDialog->SetTitle(m_strDialogTitle);
    }
    RecalcFrame();
    m_dwOptions = dwOptions;
    return TRUE;
}

int CFileEditCtrl::SetButtonWidth(int nWidth)
{
    const int nOld = m_rcButton.right - m_rcButton.left;
    m_nButtonWidth = nWidth;
    RecalcFrame();
    return nOld;
}

OPENFILENAMEA* CFileEditCtrl::GetOpenFileNameStruct() const
{
    return m_pFileDialog != nullptr ? &m_pFileDialog->m_ofn : nullptr;
}

void CFileEditCtrl::RecalcFrame() const
{
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

int CFileEditCtrl::GetStartPosition()
{
    if (m_bTextChanged)
    {
        ParseText();
        m_bTextChanged = FALSE;
    }
    return m_files.empty() ? -1 : 0;
}

void CFileEditCtrl::ParseText()
{
    const FileEditText parsed = ParseFileEditText(GetWindowText());
    m_strFolder = parsed.strFolder;
    m_files.clear();
    for (const std::string& strName : parsed.names)
        AddFile(strName);
}

void CFileEditCtrl::AddFile(std::string strName)
{
    if (IsShortcutName(strName))
    {
        std::string strTarget = PathInFolder(m_strFolder, strName);
        if (ResolveShortcut(strTarget))
            strName = NameInFolder(m_strFolder, strTarget);
    }
    m_files.push_back(std::move(strName));
}

std::string CFileEditCtrl::GetNextPathName(int& nPos) const
{
    if (nPos < 0 || static_cast<size_t>(nPos) >= m_files.size())
    {
        nPos = -1;
        return {};
    }
    std::string strPath = FullPath(PathInFolder(m_strFolder, m_files[static_cast<size_t>(nPos)]));
    nPos = static_cast<size_t>(nPos) + 1 < m_files.size() ? nPos + 1 : -1;
    if (IsShortcutName(strPath))
        ResolveShortcut(strPath); // one that cannot be resolved stays as it is
    return strPath;
}

LRESULT CFileEditCtrl::Notify(UINT nCode, const char* pszNewText)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent == nullptr)
        return 0;
    const int nId = ::GetDlgCtrlID(m_hWnd);
    FileEditNotification notification{{m_hWnd, static_cast<UINT_PTR>(nId), nCode}, this, pszNewText};
    return ::SendMessageA(hParent, WM_NOTIFY, static_cast<WPARAM>(nId),
                          reinterpret_cast<LPARAM>(&notification));
}

BOOL CFileEditCtrl::OnBrowse()
{
    if (m_pFileDialog == nullptr)
        return FALSE;
    if (const LRESULT nReply = Notify(FEN_BROWSE_START, nullptr); nReply != 0)
        return static_cast<BOOL>(nReply);

    CFECFileDialog& dialog = *m_pFileDialog;
    const bool bPlaceDialog = dialog.m_ofn.lpstrInitialDir == nullptr;
    if (bPlaceDialog)
    {
        // The name of the last browse must not steer this one.
        dialog.SetFileName("");
        int nPos = GetStartPosition();
        if (nPos >= 0)
        {
            const BrowseStart start = DecideBrowseStart(GetNextPathName(nPos), &ProbePath);
            dialog.SetInitialFolder(start.strFolder);
            dialog.SetFileName(start.strName); // a name too long for the dialog is left out
        }
    }

    BOOL bResult = FALSE;
    if (dialog.DoModal() == IDOK)
    {
        const std::string strPath = dialog.GetPathName();
        if (Notify(FEN_BROWSE_END, strPath.c_str()) == 0)
        {
            SetWindowText(strPath);
            bResult = TRUE;
        }
    }
    else
    {
        Notify(FEN_BROWSE_END, nullptr); // the reply counts only for a new text
    }
    if (bPlaceDialog)
        dialog.SetInitialFolder("");
    ::SetFocus(m_hWnd);
    return bResult;
}

void CFileEditCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* pParams)
{
    const RECT rcWindow = pParams->rgrc[0];
    DefWindowProc(WM_NCCALCSIZE, static_cast<WPARAM>(bCalcValidRects), reinterpret_cast<LPARAM>(pParams));
    RECT& rcClient = pParams->rgrc[0];
    const int nWidth = BrowseButtonWidth(m_nButtonWidth, rcClient.bottom - rcClient.top);
    const LONG nRight = rcClient.right;
    rcClient.right = std::max(rcClient.left, rcClient.right - nWidth);
    m_rcButton = {rcClient.right - rcWindow.left, rcClient.top - rcWindow.top, nRight - rcWindow.left,
                  rcClient.bottom - rcWindow.top};
}

LRESULT CFileEditCtrl::OnNcHitTest(POINT ptScreen)
{
    const LRESULT nHit = DefWindowProc(WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    return nHit == HTNOWHERE && IsOverButton(ptScreen) ? HTBORDER : nHit;
}

void CFileEditCtrl::OnNcPaint(HRGN hUpdate)
{
    DefWindowProc(WM_NCPAINT, reinterpret_cast<WPARAM>(hUpdate), 0);
    DrawButton(m_nButtonState);
}

bool CFileEditCtrl::IsOverButton(POINT ptScreen) const
{
    const RECT rcWindow = GetWindowRect();
    const POINT pt{ptScreen.x - rcWindow.left, ptScreen.y - rcWindow.top};
    return ::PtInRect(&m_rcButton, pt) != FALSE;
}

POINT CFileEditCtrl::ClientToScreen(POINT pt) const
{
    ::ClientToScreen(m_hWnd, &pt);
    return pt;
}

void CFileEditCtrl::OnNcLButtonDown(UINT, POINT ptScreen)
{
    if (!IsOverButton(ptScreen) || !::IsWindowEnabled(m_hWnd))
    {
        SetMsgHandled(false);
        return;
    }
    ::SetFocus(m_hWnd);
    ::SetCapture(m_hWnd);
    m_bButtonDown = TRUE;
    DrawButton(kButtonPressed);
}

void CFileEditCtrl::OnMouseMove(UINT, POINT pt)
{
    if (!m_bButtonDown)
    {
        SetMsgHandled(false);
        return;
    }
    const int nState = IsOverButton(ClientToScreen(pt)) ? kButtonPressed : kButtonNormal;
    if (nState != m_nButtonState)
        DrawButton(nState);
}

void CFileEditCtrl::EndButtonPress()
{
    ::ReleaseCapture();
    m_bButtonDown = FALSE;
    DrawButton(kButtonNormal);
}

void CFileEditCtrl::OnLButtonUp(UINT, POINT pt)
{
    if (!m_bButtonDown)
    {
        SetMsgHandled(false);
        return;
    }
    EndButtonPress();
    if (IsOverButton(ClientToScreen(pt)))
        OnBrowse();
}

LRESULT CFileEditCtrl::OnKillFocus(WPARAM wParam, LPARAM lParam)
{
    const LRESULT nResult = DefWindowProc(WM_KILLFOCUS, wParam, lParam);
    if (m_bButtonDown)
        EndButtonPress();
    return nResult;
}

LRESULT CFileEditCtrl::OnSetFocus(WPARAM wParam, LPARAM lParam)
{
    const LRESULT nResult = DefWindowProc(WM_SETFOCUS, wParam, lParam);
    SetSel(0, -1);
    ScrollCaret();
    return nResult;
}

LRESULT CFileEditCtrl::OnKeyDown(WPARAM wParam, LPARAM)
{
    if ((wParam == VK_OEM_PERIOD || wParam == VK_DECIMAL) && ::GetKeyState(VK_CONTROL) < 0)
    {
        OnBrowse();
        return 0;
    }
    SetMsgHandled(false);
    return 0;
}

LRESULT CFileEditCtrl::OnEnable(WPARAM wParam, LPARAM lParam)
{
    const LRESULT nResult = DefWindowProc(WM_ENABLE, wParam, lParam);
    DrawButton(kButtonNormal);
    return nResult;
}

LRESULT CFileEditCtrl::OnSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT nResult = DefWindowProc(WM_SIZE, wParam, lParam);
    RecalcFrame();
    return nResult;
}

LRESULT CFileEditCtrl::OnSetText(WPARAM, LPARAM)
{
    m_bTextChanged = TRUE;
    SetMsgHandled(false);
    return 0;
}

void CFileEditCtrl::OnTextChanged()
{
    m_bTextChanged = TRUE;
    SetMsgHandled(false); // the parent may want it too
}

void CFileEditCtrl::DrawButton(int nState)
{
    const int nWidth = m_rcButton.right - m_rcButton.left;
    const int nHeight = m_rcButton.bottom - m_rcButton.top;
    if (nWidth < 3 || nHeight < 3)
        return;
    if (!::IsWindowEnabled(m_hWnd))
        nState = kButtonDisabled;

    CWindowDC dc(m_hWnd);
    CMemoryDC memory(dc);
    CBitmap bitmap(::CreateCompatibleBitmap(dc, nWidth, nHeight));
    if (!memory || !bitmap)
        return; // drawn at the next paint, when there is memory for it
    CSelectObject keepBitmap(memory, bitmap);
    // The face brush's pattern continues the window's.
    ::SetBrushOrgEx(memory, -m_rcButton.left, -m_rcButton.top, nullptr);
    RECT rc{0, 0, nWidth, nHeight};
    ::FillRect(memory, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    if (nState == kButtonPressed)
    {
        CPen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        CSelectObject keepPen(memory, pen);
        CSelectObject keepBrush(memory, ::GetSysColorBrush(COLOR_BTNFACE));
        ::Rectangle(memory, 0, 0, nWidth, nHeight);
        DrawDots(memory, ::GetSysColor(COLOR_BTNTEXT), 1);
    }
    else
    {
        ::DrawEdge(memory, &rc, EDGE_RAISED, BF_RECT);
        if (nState == kButtonDisabled)
        {
            DrawDots(memory, ::GetSysColor(COLOR_BTNHIGHLIGHT), 1);
            DrawDots(memory, ::GetSysColor(COLOR_BTNSHADOW), 0);
        }
        else
        {
            DrawDots(memory, ::GetSysColor(COLOR_BTNTEXT), 0);
        }
    }
    ::BitBlt(dc, m_rcButton.left, m_rcButton.top, nWidth, nHeight, memory, 0, 0, SRCCOPY);
    m_nButtonState = nState;
}

void CFileEditCtrl::DrawDots(HDC hdc, COLORREF cr, int nShift) const
{
    const BrowseDots dots =
        PlaceBrowseDots(m_rcButton.right - m_rcButton.left, m_rcButton.bottom - m_rcButton.top, nShift);
    if (dots.nSize < 2)
    {
        for (const int x : dots.x)
            ::SetPixel(hdc, x, dots.y, cr);
        return;
    }
    CBrush brush(::CreateSolidBrush(cr));
    CPen pen(::CreatePen(PS_SOLID, 1, cr));
    CSelectObject keepBrush(hdc, brush);
    CSelectObject keepPen(hdc, pen);
    for (const int x : dots.x)
        ::Ellipse(hdc, x, dots.y, x + dots.nSize, dots.y + dots.nSize);
}

void ExchangeFileEdit(CDataExchange* pDX, int nId, CFileEditCtrl& control, DWORD dwOptions)
{
    const bool bFirst = control.m_hWnd == nullptr;
    DDX_Control(pDX, nId, control);
    if (bFirst)
    {
        if (!control.SetOptions(dwOptions))
            AfxThrowNotSupportedException();
    }
    else if (pDX->m_bSaveAndValidate)
    {
        control.GetStartPosition();
    }
}
