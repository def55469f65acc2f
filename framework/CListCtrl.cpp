#include "framework/CListCtrl.h"

#include <vector>

int CListCtrl::InsertColumn(int nColumn, const char* pszHeading, int nFormat, int nWidth) const
{
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = const_cast<char*>(pszHeading); // read only by the control
    column.iSubItem = nColumn;
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nColumn), reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int nItem, const std::string& strText, LPARAM lData) const
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nItem;
    item.pszText = const_cast<char*>(strText.c_str()); // copied by the control
    item.lParam = lData;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const std::string& strText) const
{
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(strText.c_str());
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer's size less one: grow until the text fits.
    std::vector<char> buffer(256);
    for (;;)
    {
        LVITEMA item{};
        item.iSubItem = nSubItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto nCopied = static_cast<size_t>(
            SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        if (nCopied + 1 < buffer.size())
            return std::string(buffer.data(), nCopied);
        buffer.resize(buffer.size() * 2);
    }
}

LPARAM CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

void CListCtrl::SelectItem(int nItem) const
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), FALSE);
}
