// A list view control in report view bound to an object: its columns, its rows with their
// texts and item data, and the one selected row. Held as a member by the dialog that owns the
// control; custom drawing arrives at that dialog as NM_CUSTOMDRAW (NMLVCUSTOMDRAW).
#pragma once

#include "framework/CWnd.h"

#include <commctrl.h>

#include <string>

class CListCtrl : public CWnd
{
public:
    void SetExtendedStyle(DWORD dwExStyle) const
    {
        SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwExStyle));
    }
    // nFormat: LVCFMT_LEFT, LVCFMT_RIGHT, ...
    int InsertColumn(int nColumn, const char* pszHeading, int nFormat, int nWidth) const;
    // A row at nItem with the text of its first column and its item data; its index or -1.
    int InsertItem(int nItem, const std::string& strText, LPARAM lData) const;
    BOOL SetItemText(int nItem, int nSubItem, const std::string& strText) const;
    std::string GetItemText(int nItem, int nSubItem) const;
    LPARAM GetItemData(int nItem) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteItem(int nItem) const
    {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
    }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    // The selected row of a single-selection list, or -1.
    int GetSelectedItem() const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // Selects and focuses the row and scrolls it into view.
    void SelectItem(int nItem) const;
};
