#include "framework/Exceptions.h"

std::string CMemoryException::GetErrorMessage() const
{
    return "メモリが不足しています。";
}

std::string CNotSupportedException::GetErrorMessage() const
{
    return "サポートされていない操作が試行されました。";
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
