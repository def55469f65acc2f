// Owner of one COM interface pointer: released once, at the end.
#pragma once

#include <unknwn.h>

#include <utility>

template <typename Interface> class CComPtr
{
public:
    CComPtr() = default;
    ~CComPtr() { Release(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    Interface* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For the out-parameter of CoCreateInstance and QueryInterface.
    void** Receive()
    {
        Release();
        return reinterpret_cast<void**>(&m_p);
    }
    void Release()
    {
        if (m_p != nullptr)
            std::exchange(m_p, nullptr)->Release();
    }

private:
    Interface* m_p = nullptr;
};
