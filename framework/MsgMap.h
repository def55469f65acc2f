// Typed message maps: one table per class, walked from the most derived class to CWnd.
// Each MapXxx entry checks the handler's signature at compile time and unpacks WPARAM and
// LPARAM once, so a handler with the wrong signature does not build.
#pragma once

#include <windows.h>

#include <type_traits>

class CWnd;

// Reflected notifications: a parent hands WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and the
// WM_CTLCOLOR messages of a control back to the control's own object first, as
// kReflectBase + message, so a self-drawing control keeps its drawing in its own class.
constexpr UINT kReflectBase = 0xBC00;

struct MsgMapEntry
{
    UINT uMsg = 0;          // 0 ends the table
    UINT nCode = 0;         // notification code for command and notify entries
    UINT_PTR nIdFirst = 0;  // id range for timers, commands and notifications
    UINT_PTR nIdLast = 0;
    bool bMatchCode = false;
    bool bMatchId = false;
    // Returns whether the handler took the message; the result goes to lResult.
    bool (*pfnThunk)(CWnd* pWnd, WPARAM wParam, LPARAM lParam, LRESULT& lResult) = nullptr;
};

struct MsgMap
{
    const MsgMap* (*pfnGetBase)() = nullptr;
    const MsgMapEntry* pEntries = nullptr;
};

namespace msgmap_detail {

template <typename T> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)>
{
    using Class = C;
};

template <auto Pfn> using ClassOf = typename MemberOf<decltype(Pfn)>::Class;

// A handler may call SetMsgHandled(false) to ask for default processing. The flag is saved
// and restored around each handler, so a message sent from inside a handler does not change
// the answer of the outer one. The scope never touches the window's object: a handler may
// destroy a window whose object deletes itself.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
    bool Handled() const;

private:
    bool m_bOuter;
};

} // namespace msgmap_detail

// int OnCreate(CREATESTRUCT*): -1 refuses the creation.
template <auto Pfn> constexpr MsgMapEntry MapCreate()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), int (T::*)(CREATESTRUCT*)>,
                  "MapCreate expects int OnCreate(CREATESTRUCT*)");
    MsgMapEntry e;
    e.uMsg = WM_CREATE;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM l, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        r = (static_cast<T*>(p)->*Pfn)(reinterpret_cast<CREATESTRUCT*>(l));
        return scope.Handled();
    };
    return e;
}

// void OnTimer(UINT_PTR nIdEvent)
template <auto Pfn> constexpr MsgMapEntry MapTimer()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)(UINT_PTR)>,
                  "MapTimer expects void OnTimer(UINT_PTR)");
    MsgMapEntry e;
    e.uMsg = WM_TIMER;
    e.pfnThunk = [](CWnd* p, WPARAM w, LPARAM, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)(static_cast<UINT_PTR>(w));
        r = 0;
        return scope.Handled();
    };
    return e;
}

namespace msgmap_detail {

// void OnX() for a message whose parameters carry nothing the handler needs.
template <UINT Msg, auto Pfn> constexpr MsgMapEntry NoArgumentEntry()
{
    using T = ClassOf<Pfn>;
    MsgMapEntry e;
    e.uMsg = Msg;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM, LRESULT& r) {
        HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)();
        r = 0;
        return scope.Handled();
    };
    return e;
}

} // namespace msgmap_detail

// void OnPaint()
template <auto Pfn> constexpr MsgMapEntry MapPaint()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)()>, "MapPaint expects void OnPaint()");
    return msgmap_detail::NoArgumentEntry<WM_PAINT, Pfn>();
}

// void OnDestroy()
template <auto Pfn> constexpr MsgMapEntry MapDestroy()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)()>, "MapDestroy expects void OnDestroy()");
    return msgmap_detail::NoArgumentEntry<WM_DESTROY, Pfn>();
}

// The escape hatch: LRESULT OnX(WPARAM, LPARAM) for any message.
template <UINT Msg, auto Pfn> constexpr MsgMapEntry MapMessage()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), LRESULT (T::*)(WPARAM, LPARAM)>,
                  "MapMessage expects LRESULT OnX(WPARAM, LPARAM)");
    static_assert(Msg != 0, "message 0 ends a map");
    MsgMapEntry e;
    e.uMsg = Msg;
    e.pfnThunk = [](CWnd* p, WPARAM w, LPARAM l, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        r = (static_cast<T*>(p)->*Pfn)(w, l);
        return scope.Handled();
    };
    return e;
}

// void OnX(UINT nFlags, POINT pt) for a client-area mouse message; pt in client coordinates,
// negative left of or above the client area while the mouse is captured.
template <UINT Msg, auto Pfn> constexpr MsgMapEntry MapMouse()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)(UINT, POINT)>,
                  "MapMouse expects void OnX(UINT nFlags, POINT pt)");
    static_assert(Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST, "MapMouse is for client-area mouse messages");
    MsgMapEntry e;
    e.uMsg = Msg;
    e.pfnThunk = [](CWnd* p, WPARAM w, LPARAM l, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        const POINT pt{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        (static_cast<T*>(p)->*Pfn)(static_cast<UINT>(w), pt);
        r = 0;
        return scope.Handled();
    };
    return e;
}

namespace msgmap_detail {

template <auto Pfn> constexpr MsgMapEntry CommandEntry(UINT_PTR first, UINT_PTR last)
{
    using T = ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)()>, "MapCommand expects void OnX()");
    MsgMapEntry e;
    e.uMsg = WM_COMMAND;
    e.nIdFirst = first;
    e.nIdLast = last;
    e.bMatchId = true;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM, LRESULT& r) {
        HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)();
        r = 0;
        return scope.Handled();
    };
    return e;
}

} // namespace msgmap_detail

// void OnX(): a menu item, an accelerator or a button click with this id.
template <UINT Id, auto Pfn> constexpr MsgMapEntry MapCommand()
{
    return msgmap_detail::CommandEntry<Pfn>(Id, Id);
}

// void OnX(UINT nId) for every id in [First, Last].
template <UINT First, UINT Last, auto Pfn> constexpr MsgMapEntry MapCommandRange()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)(UINT)>,
                  "MapCommandRange expects void OnX(UINT nId)");
    static_assert(First <= Last, "empty command range");
    MsgMapEntry e;
    e.uMsg = WM_COMMAND;
    e.nIdFirst = First;
    e.nIdLast = Last;
    e.bMatchId = true;
    e.pfnThunk = [](CWnd* p, WPARAM w, LPARAM, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)(LOWORD(w));
        r = 0;
        return scope.Handled();
    };
    return e;
}

// void OnX(): a control notification carried by WM_COMMAND (EN_CHANGE, BN_CLICKED, ...).
template <UINT Id, UINT Code, auto Pfn> constexpr MsgMapEntry MapControl()
{
    MsgMapEntry e = msgmap_detail::CommandEntry<Pfn>(Id, Id);
    e.nCode = Code;
    e.bMatchCode = true;
    return e;
}

// LRESULT OnX(NMHDR*): a WM_NOTIFY from control Id with code Code.
template <UINT Id, UINT Code, auto Pfn> constexpr MsgMapEntry MapNotify()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), LRESULT (T::*)(NMHDR*)>, "MapNotify expects LRESULT OnX(NMHDR*)");
    MsgMapEntry e;
    e.uMsg = WM_NOTIFY;
    e.nIdFirst = Id;
    e.nIdLast = Id;
    e.bMatchId = true;
    e.nCode = Code;
    e.bMatchCode = true;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM l, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        r = (static_cast<T*>(p)->*Pfn)(reinterpret_cast<NMHDR*>(l));
        return scope.Handled();
    };
    return e;
}

// void OnX(): a notification this control sent its parent (BN_CLICKED, CBN_SELCHANGE, ...),
// handed back to the control's own object. SetMsgHandled(false) lets the parent have it too.
template <UINT Code, auto Pfn> constexpr MsgMapEntry MapReflectedControl()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)()>, "MapReflectedControl expects void OnX()");
    MsgMapEntry e;
    e.uMsg = kReflectBase + WM_COMMAND;
    e.nCode = Code;
    e.bMatchCode = true;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)();
        r = 0;
        return scope.Handled();
    };
    return e;
}

// void OnX(DRAWITEMSTRUCT*): the parent's WM_DRAWITEM for this owner-drawn control.
template <auto Pfn> constexpr MsgMapEntry MapReflectedDrawItem()
{
    using T = msgmap_detail::ClassOf<Pfn>;
    static_assert(std::is_same_v<decltype(Pfn), void (T::*)(DRAWITEMSTRUCT*)>,
                  "MapReflectedDrawItem expects void OnX(DRAWITEMSTRUCT*)");
    MsgMapEntry e;
    e.uMsg = kReflectBase + WM_DRAWITEM;
    e.pfnThunk = [](CWnd* p, WPARAM, LPARAM l, LRESULT& r) {
        msgmap_detail::HandlerScope scope;
        (static_cast<T*>(p)->*Pfn)(reinterpret_cast<DRAWITEMSTRUCT*>(l));
        r = TRUE;
        return scope.Handled();
    };
    return e;
}

// In the class: DECLARE_MSG_MAP(). In the .cpp: BEGIN_MSG_MAP(Class, Base) entries... END_MSG_MAP().
#define DECLARE_MSG_MAP()                                                                              \
public:                                                                                                \
    static const MsgMap* GetThisMessageMap();                                                          \
                                                                                                       \
protected:                                                                                             \
    const MsgMap* GetMessageMap() const override;                                                      \
                                                                                                       \
private:

#define BEGIN_MSG_MAP(Class, Base)                                                                     \
    const MsgMap* Class::GetMessageMap() const                                                         \
    {                                                                                                  \
        return GetThisMessageMap();                                                                    \
    }                                                                                                  \
    const MsgMap* Class::GetThisMessageMap()                                                           \
    {                                                                                                  \
        using TheBase = Base;                                                                          \
        static constexpr MsgMapEntry kEntries[] = {

#define END_MSG_MAP()                                                                                  \
    MsgMapEntry{}                                                                                      \
    }                                                                                                  \
    ;                                                                                                  \
    static constexpr MsgMap kMap{&TheBase::GetThisMessageMap, kEntries};                               \
    return &kMap;                                                                                      \
    }
