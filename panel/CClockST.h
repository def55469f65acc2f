// The simulated seven-segment LCD clock: a static control that composes the date and time
// from a face and two digit strips, recoloured once per Start, and repaints every second.
// Owned by its window (the clock panel, the configuration dialog's preview) as a member.
#pragma once

#include "framework/CWnd.h"
#include "framework/Gdi.h"
#include "panel/LcdDigits.h"

class CClockST : public CWnd
{
public:
    CClockST() = default;
    ~CClockST() override;

    // Takes effect at the next Start.
    void SetColours(COLORREF crBack, COLORREF crOn, COLORREF crOff);
    // Loads the bitmaps in the colours set, sizes the control to the face, starts the
    // second timer. Does nothing when already started.
    void Start(UINT nFaceId, UINT nLargeId, UINT nSmallId);
    void Reset();
    void UpdateDigits();
    void Draw(HDC hdcTarget);

    const LcdDigits& Digits() const { return m_digits; }

protected:
    void OnTimer(UINT_PTR nIdEvent);
    void OnPaint();
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    DECLARE_MSG_MAP()

private:
    // A memory DC holding one bitmap; it puts back what it displaced before it goes.
    class CSurface
    {
    public:
        ~CSurface() { Release(); }
        bool IsPrepared() const { return m_hdc != nullptr; }
        void Prepare(HDC hdcCompatible, HBITMAP hBitmap);
        void Release();
        HDC m_hdc = nullptr;

    private:
        HGDIOBJ m_hOld = nullptr;
    };

    HBITMAP LoadMapped(UINT nId) const;

    COLORREF m_crBack = RGB(179, 183, 139);
    COLORREF m_crOn = RGB(0, 0, 0);
    COLORREF m_crOff = RGB(158, 164, 108);
    // The bitmaps come before the surfaces: the surfaces let go of them first.
    CBitmap m_bmpFace;
    CBitmap m_bmpLarge;
    CBitmap m_bmpSmall;
    SIZE m_szFace{kLcdFaceWidth, kLcdFaceHeight};
    CSurface m_canvas;
    CSurface m_large;
    CSurface m_small;
    LcdDigits m_digits;
    bool m_bStarted = false;
};
