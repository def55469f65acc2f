// The framework's exceptions, thrown by pointer and freed by the catcher with Delete(),
// as the socket layer's callers expect.
#pragma once

#include <string>

class CException
{
public:
    virtual ~CException() = default;
    // The text shown when the exception reaches a window procedure.
    virtual std::string GetErrorMessage() const = 0;
    void Delete() { delete this; }
};

class CMemoryException : public CException
{
public:
    std::string GetErrorMessage() const override;
};

class CNotSupportedException : public CException
{
public:
    std::string GetErrorMessage() const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
