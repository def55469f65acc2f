#include "timesync/CWSocketException.h"

#include <winsock.h>

#include <memory>

namespace {

struct CLocalFree
{
    void operator()(char* p) const { ::LocalFree(p); }
};

// FormatMessageA allocates the text; the owner gives it back with LocalFree.
std::unique_ptr<char, CLocalFree> SystemText(int nErrorCode)
{
    char* pszText = nullptr;
    const DWORD nLength = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, static_cast<DWORD>(nErrorCode),
        MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), reinterpret_cast<LPSTR>(&pszText), 0, nullptr);
    std::unique_ptr<char, CLocalFree> text(pszText);
    if (nLength == 0)
        text.reset();
    return text;
}

} // namespace

std::string CWSocketException::GetErrorMessage() const
{
    const auto text = SystemText(m_nErrorCode);
    return text ? std::string(text.get()) : std::string();
}

BOOL CWSocketException::GetErrorMessage(LPSTR pszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    const auto text = SystemText(m_nErrorCode);
    if (!text)
    {
        if (nMaxError > 0)
            pszError[0] = '\0';
        return FALSE;
    }
    ::lstrcpynA(pszError, text.get(), static_cast<int>(nMaxError));
    return TRUE;
}

void ThrowSocketError(int nErrorCode)
{
    if (nErrorCode == 0)
        nErrorCode = ::WSAGetLastError();
    throw new CWSocketException(nErrorCode);
}
