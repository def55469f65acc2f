#include "timesync/CWSocketException.h"

#include "framework/SystemError.h"

#include <winsock.h>

std::string CWSocketException::GetErrorMessage() const
{
    return SystemErrorText(static_cast<DWORD>(m_nErrorCode));
}

BOOL CWSocketException::GetErrorMessage(LPSTR pszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = 0;
    const std::string strText = GetErrorMessage();
    if (nMaxError > 0)
        ::lstrcpynA(pszError, strText.c_str(), static_cast<int>(nMaxError));
    return !strText.empty();
}

void ThrowSocketError(int nErrorCode)
{
    if (nErrorCode == 0)
        nErrorCode = ::WSAGetLastError();
    throw new CWSocketException(nErrorCode);
}
