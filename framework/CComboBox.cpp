#include "framework/CComboBox.h"

#include <vector>

int CComboBox::AddString(const std::string& strText) const
{
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strText.c_str())));
}

int CComboBox::InsertString(int nIndex, const std::string& strText) const
{
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(strText.c_str())));
}

std::string CComboBox::GetLBText(int nIndex) const
{
    const LRESULT nLength = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex));
    if (nLength == CB_ERR)
        return {};
    std::vector<char> buffer(static_cast<size_t>(nLength) + 1);
    const LRESULT nCopied =
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
}
