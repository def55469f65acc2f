// A window wrapped by an object: the HWND-to-object map, creation through a CBT hook so the
// object sees WM_NCCREATE and WM_CREATE, subclassing of existing windows, the message map.
// The object is owned by whoever created it; the window never deletes its object.
#pragma once

#include "framework/MsgMap.h"

#include <windows.h>

#include <string>

class CWnd
{
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    BOOL IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    // The object of a window created or subclassed through this framework, or none.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL CreateEx(DWORD dwExStyle, const char* pszClass, const char* pszTitle, DWORD dwStyle, int x, int y,
                  int cx, int cy, HWND hParent, HMENU hMenuOrId);
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(int nId, HWND hParent);
    HWND UnsubclassWindow();
    virtual BOOL DestroyWindow();

    // Calls the handler chain, then the default procedure for what stays unhandled.
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, uMsg, wParam, lParam);
    }
    BOOL PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, uMsg, wParam, lParam);
    }

    BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
    UINT_PTR SetTimer(UINT_PTR nId, UINT nElapseMs) const { return ::SetTimer(m_hWnd, nId, nElapseMs, nullptr); }
    BOOL KillTimer(UINT_PTR nId) const { return ::KillTimer(m_hWnd, nId); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0) const;
    HWND GetDlgItem(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    void Invalidate(BOOL bErase = FALSE) const { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;

    // A handler calls SetMsgHandled(false) to let the message go on to the base class and
    // the default procedure.
    void SetMsgHandled(bool bHandled);
    bool IsMsgHandled() const;

    // Gives modeless dialogs their keyboard handling in the application's loop.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    static const MsgMap* GetThisMessageMap();

protected:
    virtual const MsgMap* GetMessageMap() const;
    virtual LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Reflection first, then the maps of this class and its bases.
    bool OnWndMsg(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    // Runs when SubclassWindow has attached the object to an existing window (a dialog's
    // control): a control sets itself up for that window here.
    virtual void PreSubclassWindow() {}
    // Runs after the window is gone and the object detached; an object that owns itself may
    // delete itself here. A handler that destroys such a window must return at once, with the
    // message left handled.
    virtual void PostNcDestroy() {}

    void Attach(HWND hWnd);
    HWND Detach();
    // The window is gone: detach, end the loop when it was the main window, PostNcDestroy.
    void FinishNcDestroy();

    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Window procedures must not let exceptions unwind through system frames.
    static void ReportEscapedException();

private:
    // Attaches the object and routes the window's messages through it.
    BOOL HookWindowProc(HWND hWnd);
    bool DispatchToMap(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    bool ReflectToChild(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    static LRESULT CALLBACK CbtHookProc(int nCode, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
};
