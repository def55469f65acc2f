#include "config/CCheckGroupBox.h"

#include "framework/Gdi.h"

BEGIN_MSG_MAP(CCheckGroupBox, CButton)
    MapReflectedControl<BN_CLICKED, &CCheckGroupBox::OnClicked>(),
END_MSG_MAP()

void CCheckGroupBox::SetGroupBox(HWND hGroupBox, bool bHide)
{
    m_hGroupBox = hGroupBox;
    m_bHide = bHide;
    ::SetWindowTextA(hGroupBox, "");

    SIZE szText{0, 0};
    {
        CClientDC dc(m_hWnd);
        const auto hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
        CSelectObject keep(dc, hFont != nullptr ? hFont : ::GetCurrentObject(dc, OBJ_FONT));
        const std::string strCaption = GetWindowText();
        ::GetTextExtentPoint32A(dc, strCaption.c_str(), static_cast<int>(strCaption.size()), &szText);
    }
    RECT rcGroup{};
    ::GetWindowRect(hGroupBox, &rcGroup);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rcGroup), 2);
    // 25 pixels leave room for the box and the gap before the caption.
    ::SetWindowPos(m_hWnd, hGroupBox, rcGroup.left + 10, rcGroup.top, szText.cx + 25, szText.cy,
                   SWP_NOACTIVATE);
    UpdateGroup();
}

void CCheckGroupBox::SetCheck(int nCheck)
{
    CButton::SetCheck(nCheck);
    UpdateGroup();
}

void CCheckGroupBox::UpdateGroup()
{
    if (m_hGroupBox == nullptr)
        return;
    const int nState = GetCheck();
    RECT rcGroup{};
    ::GetWindowRect(m_hGroupBox, &rcGroup);
    for (HWND hChild = ::GetWindow(::GetParent(m_hWnd), GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        RECT rcChild{};
        RECT rcOverlap{};
        ::GetWindowRect(hChild, &rcChild);
        if (hChild == m_hWnd || hChild == m_hGroupBox || !::IntersectRect(&rcOverlap, &rcChild, &rcGroup))
            continue;
        ::EnableWindow(hChild, nState == BST_CHECKED);
        if (m_bHide)
            ::ShowWindow(hChild, nState != BST_UNCHECKED ? SW_SHOW : SW_HIDE);
    }
    if (m_bHide)
        ::ShowWindow(m_hGroupBox, nState != BST_UNCHECKED ? SW_SHOW : SW_HIDE);
}

void CCheckGroupBox::OnClicked()
{
    UpdateGroup();
    // The dialog hears of the click as well.
    SetMsgHandled(false);
}
