#include "calendar/CBufferedDC.h"

#include "framework/Exceptions.h"

#include <algorithm>

CBufferedDC::CBufferedDC(HDC hdcTarget) : m_hdcTarget(hdcTarget), m_dc(hdcTarget)
{
    if (!m_dc)
        AfxThrowMemoryException();
    ::GetClipBox(hdcTarget, &m_rcClip);
    // An empty clip box still gets a bitmap: the drawing code need not know.
    const int nWidth = std::max(1, static_cast<int>(m_rcClip.right - m_rcClip.left));
    const int nHeight = std::max(1, static_cast<int>(m_rcClip.bottom - m_rcClip.top));
    m_bitmap.Attach(::CreateCompatibleBitmap(hdcTarget, nWidth, nHeight));
    if (!m_bitmap)
        AfxThrowMemoryException();
    m_hOldBitmap = ::SelectObject(m_dc, m_bitmap);
    ::SetWindowOrgEx(m_dc, m_rcClip.left, m_rcClip.top, nullptr);
}

CBufferedDC::~CBufferedDC()
{
    ::BitBlt(m_hdcTarget, m_rcClip.left, m_rcClip.top, m_rcClip.right - m_rcClip.left,
             m_rcClip.bottom - m_rcClip.top, m_dc, m_rcClip.left, m_rcClip.top, SRCCOPY);
    if (m_hOldBitmap != nullptr)
        ::SelectObject(m_dc, m_hOldBitmap);
}
