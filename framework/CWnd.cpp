#include "framework/CWnd.h"

#include "framework/CWinApp.h"
#include "framework/CommonControls.h"
#include "framework/Exceptions.h"
#include "framework/Seams.h"

#include <exception>
#include <new>
#include <utility>
#include <unordered_map>
#include <vector>

namespace {

// One user-interface thread: the map needs no lock.
std::unordered_map<HWND, CWnd*>& WindowMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

// The answer of the handler running now. It is not kept in the object, because a handler may
// destroy its window and a window that owns itself deletes its object before the handler
// returns. One user-interface thread: no lock.
bool g_bMsgHandled = true;

// The window whose creation is in progress and not yet seen by its hook.
CWnd* g_pWndInit = nullptr;

constexpr MsgMapEntry kRootEntries[] = {MsgMapEntry{}};
constexpr MsgMap kRootMap{nullptr, kRootEntries};

} // namespace

namespace msgmap_detail {

HandlerScope::HandlerScope() : m_bOuter(g_bMsgHandled)
{
    g_bMsgHandled = true;
}

HandlerScope::~HandlerScope()
{
    g_bMsgHandled = m_bOuter;
}

bool HandlerScope::Handled() const
{
    return g_bMsgHandled;
}

} // namespace msgmap_detail

CWnd::~CWnd()
{
    // Detach first: the derived parts are gone, so the messages of the destruction must
    // not reach this object.
    if (m_hWnd != nullptr)
    {
        HWND hWnd = m_hWnd;
        const bool bSubclassed = m_pfnSuper != nullptr;
        if (bSubclassed)
            UnsubclassWindow();
        else
            Detach();
        if (::IsWindow(hWnd) && !bSubclassed)
            ::DestroyWindow(hWnd);
    }
}

void CWnd::SetMsgHandled(bool bHandled)
{
    g_bMsgHandled = bHandled;
}

bool CWnd::IsMsgHandled() const
{
    return g_bMsgHandled;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = WindowMap().find(hWnd);
    return it == WindowMap().end() ? nullptr : it->second;
}

const MsgMap* CWnd::GetThisMessageMap()
{
    return &kRootMap;
}

const MsgMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    WindowMap()[hWnd] = this;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        WindowMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CALLBACK CWnd::CbtHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // Only the window whose creation installed the hook is ours: it names its object as its
    // creation parameter. Windows the system makes meanwhile, and the children that the
    // window makes inside WM_CREATE (each under a hook of its own), are left alone.
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr)
    {
        const CREATESTRUCTA* pcs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (pcs != nullptr && pcs->lpCreateParams == g_pWndInit)
        {
            CWnd* pWnd = g_pWndInit;
            g_pWndInit = nullptr;
            pWnd->HookWindowProc(reinterpret_cast<HWND>(wParam));
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

namespace {

// One creation in progress: its own hook, and the pending window of the creation it may be
// nested in, put back when it ends.
class CCreationHook
{
public:
    CCreationHook(CWnd* pWnd, HOOKPROC pfnHook)
        : m_pOuterInit(std::exchange(g_pWndInit, pWnd)),
          m_hHook(::SetWindowsHookExA(WH_CBT, pfnHook, nullptr, ::GetCurrentThreadId()))
    {
    }
    ~CCreationHook()
    {
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        g_pWndInit = m_pOuterInit;
    }
    CCreationHook(const CCreationHook&) = delete;
    CCreationHook& operator=(const CCreationHook&) = delete;

    bool IsInstalled() const { return m_hHook != nullptr; }

private:
    CWnd* m_pOuterInit;
    HHOOK m_hHook;
};

} // namespace

BOOL CWnd::CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszTitle, DWORD dwStyle, int x, int y,
                    int cx, int cy, HWND hParent, HMENU hMenuOrId)
{
    if (m_hWnd != nullptr)
        return FALSE;
    // A class not registered yet may be a common control's, registered at its first need.
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExA(::GetModuleHandleA(nullptr), pszClass, &wc))
        EnsureCommonControls();
    HWND hWnd = nullptr;
    {
        const CCreationHook hook(this, &CWnd::CbtHookProc);
        if (!hook.IsInstalled())
            return FALSE;
        hWnd = ::CreateWindowExA(dwExStyle, pszClass, pszTitle, dwStyle, x, y, cx, cy, hParent, hMenuOrId,
                                 ::GetModuleHandleA(nullptr), this);
    }
    if (hWnd == nullptr)
    {
        // WM_NCDESTROY has detached us when WM_CREATE refused; make sure either way.
        Detach();
        m_pfnSuper = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!HookWindowProc(hWnd))
        return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::HookWindowProc(HWND hWnd)
{
    if (m_hWnd != nullptr || hWnd == nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    Attach(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    if (m_pfnSuper == nullptr)
    {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(int nId, HWND hParent)
{
    return SubclassWindow(::GetDlgItem(hParent, nId));
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr && m_hWnd != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) const
{
    const DWORD dwOld = GetStyle();
    const DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNew));
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

std::string CWnd::GetWindowText() const
{
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
    const int nCopied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(nCopied > 0 ? nCopied : 0));
}

RECT CWnd::GetClientRect() const
{
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWnd::GetWindowRect() const
{
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, uMsg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(uMsg, wParam, lParam, lResult))
        lResult = DefWindowProc(uMsg, wParam, lParam);
    return lResult;
}

bool CWnd::OnWndMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    if (ReflectToChild(uMsg, wParam, lParam, lResult))
        return true;
    return DispatchToMap(uMsg, wParam, lParam, lResult);
}

bool CWnd::ReflectToChild(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    HWND hChild = nullptr;
    switch (uMsg)
    {
    case WM_COMMAND:
        hChild = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        hChild = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        if (reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType != ODT_MENU)
            hChild = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        hChild = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return false;
    }
    CWnd* pChild = hChild != nullptr ? FromHandlePermanent(hChild) : nullptr;
    if (pChild == nullptr || pChild == this)
        return false;
    return pChild->DispatchToMap(kReflectBase + uMsg, wParam, lParam, lResult);
}

bool CWnd::DispatchToMap(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)
{
    UINT_PTR nId = 0;
    UINT nCode = 0;
    if (uMsg == WM_COMMAND || uMsg == kReflectBase + WM_COMMAND)
    {
        nId = LOWORD(wParam);
        nCode = HIWORD(wParam);
    }
    else if (uMsg == WM_NOTIFY || uMsg == kReflectBase + WM_NOTIFY)
    {
        nId = reinterpret_cast<NMHDR*>(lParam)->idFrom;
        nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    }
    else if (uMsg == WM_TIMER)
    {
        nId = wParam;
    }

    for (const MsgMap* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBase != nullptr ? pMap->pfnGetBase() : nullptr)
    {
        for (const MsgMapEntry* pEntry = pMap->pEntries; pEntry->uMsg != 0; ++pEntry)
        {
            if (pEntry->uMsg != uMsg)
                continue;
            if (pEntry->bMatchId && (nId < pEntry->nIdFirst || nId > pEntry->nIdLast))
                continue;
            if (pEntry->bMatchCode && pEntry->nCode != nCode)
                continue;
            // A plain command entry answers menus (0), accelerators (1) and clicks (BN_CLICKED 0).
            if (!pEntry->bMatchCode && uMsg == WM_COMMAND && nCode > 1)
                continue;
            if (pEntry->pfnThunk(this, wParam, lParam, lResult))
                return true;
        }
    }
    return false;
}

void CWnd::FinishNcDestroy()
{
    Detach();
    m_pfnSuper = nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

void CWnd::ReportEscapedException()
{
    try
    {
        throw;
    }
    catch (CException* pException)
    {
        AfxMessageBox(pException->GetErrorMessage(), MB_OK | MB_ICONEXCLAMATION);
        pException->Delete();
    }
    catch (const std::bad_alloc&)
    {
        AfxMessageBox(CMemoryException().GetErrorMessage(), MB_OK | MB_ICONEXCLAMATION);
    }
    catch (const std::exception& e)
    {
        AfxMessageBox(e.what(), MB_OK | MB_ICONEXCLAMATION);
    }
    catch (...)
    {
        AfxMessageBox("予期しないエラーが発生しました。", MB_OK | MB_ICONEXCLAMATION);
    }
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);

    LRESULT lResult = 0;
    try
    {
        if (uMsg == WM_NCDESTROY)
        {
            // Give the superclass its last message, then put its procedure back.
            WNDPROC pfnSuper = pWnd->m_pfnSuper;
            pWnd->WindowProc(uMsg, wParam, lParam);
            if (pfnSuper != nullptr &&
                reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &CWnd::StdWndProc)
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
            pWnd->FinishNcDestroy();
            return 0;
        }
        lResult = pWnd->WindowProc(uMsg, wParam, lParam);
    }
    catch (...)
    {
        ReportEscapedException();
    }
    return lResult;
}
