// A memory DC standing in for a target DC for one paint: it holds a bitmap the size of the
// target's clip box, uses the target's client coordinates, and copies the clip box to the
// target in one block when it goes. Lives on the stack of a paint.
#pragma once

#include "framework/Gdi.h"

#include <windows.h>

class CBufferedDC
{
public:
    // Raises the framework's memory exception when the DC or the bitmap cannot be had.
    explicit CBufferedDC(HDC hdcTarget);
    ~CBufferedDC();
    CBufferedDC(const CBufferedDC&) = delete;
    CBufferedDC& operator=(const CBufferedDC&) = delete;

    operator HDC() const { return m_dc; }
    // The part of the target that is drawn, in the target's logical coordinates.
    const RECT& ClipBox() const { return m_rcClip; }

private:
    HDC m_hdcTarget;
    RECT m_rcClip{};
    // The bitmap comes before the DC: the DC lets go of it first.
    CBitmap m_bitmap;
    CMemoryDC m_dc;
    HGDIOBJ m_hOldBitmap = nullptr;
};
