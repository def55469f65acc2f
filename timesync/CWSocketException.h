// The socket layer's one exception: a Windows Sockets (100xx) or system error code. Thrown by
// pointer through ThrowSocketError; the catcher reads the code and frees it with Delete().
#pragma once

#include "framework/Exceptions.h"

#include <windows.h>

#include <string>

class CWSocketException : public CException
{
public:
    explicit CWSocketException(int nErrorCode) : m_nErrorCode(nErrorCode) {}

    // The system's text for the code, empty when the system has none.
    std::string GetErrorMessage() const override;
    // The same text into a caller's buffer, cut to its capacity; FALSE and an empty string when
    // the system has no text.
    BOOL GetErrorMessage(LPSTR pszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

    const int m_nErrorCode;
};

// Throws a CWSocketException with the code, or with WSAGetLastError() when the code is 0.
[[noreturn]] void ThrowSocketError(int nErrorCode = 0);
