#include "framework/SystemError.h"

#include <memory>

namespace {

struct CLocalFree
{
    void operator()(char* p) const { ::LocalFree(p); }
};

} // namespace

std::string SystemErrorText(DWORD dwError)
{
    // FormatMessageA allocates the text; the owner gives it back with LocalFree.
    char* pszText = nullptr;
    const DWORD nLength = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), reinterpret_cast<LPSTR>(&pszText), 0, nullptr);
    const std::unique_ptr<char, CLocalFree> owner(pszText);
    std::string strText = nLength != 0 && pszText != nullptr ? std::string(pszText, nLength) : std::string();
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r' || strText.back() == ' '))
        strText.pop_back();
    return strText;
}
