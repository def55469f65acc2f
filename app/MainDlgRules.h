// The main dialog's decisions, kept free of the window system so they are tested on the host.
#pragma once

#include <cstdint>

// AnimateWindow flags for the pop-ups' entrance and exit.
struct AnimationFlags
{
    std::uint32_t dwShow = 0;
    std::uint32_t dwHide = 0;
};

// SHOWSTYLE bits 0-1 choose slide (0), roll (1) or fade (2), bit 2 vertical; DISP_POS is the
// corner (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right) the pop-ups come out of.
AnimationFlags ComputeAnimationFlags(int nShowStyle, int nDispPos);

// The hot key control's modifier bits (shift 1, control 2, alt 4, extended 8) as
// RegisterHotKey's MOD_ flags; bits 8-15 are ignored.
unsigned TranslateHotKeyModifiers(unsigned nHotKeyFlags);
