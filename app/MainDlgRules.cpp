#include "app/MainDlgRules.h"

namespace {

// The platform's values, spelled out here so this file needs no window-system header.
constexpr std::uint32_t kHorPositive = 0x1;
constexpr std::uint32_t kHorNegative = 0x2;
constexpr std::uint32_t kVerPositive = 0x4;
constexpr std::uint32_t kVerNegative = 0x8;
constexpr std::uint32_t kHide = 0x10000;
constexpr std::uint32_t kSlide = 0x40000;
constexpr std::uint32_t kBlend = 0x80000;

} // namespace

AnimationFlags ComputeAnimationFlags(int nShowStyle, int nDispPos)
{
    AnimationFlags flags;
    if (nShowStyle & 0x02)
    {
        flags.dwShow = kBlend;
        flags.dwHide = kBlend;
    }
    else
    {
        // Out of a top corner the panel moves down, out of a bottom corner up; out of a
        // left corner it moves right, out of a right corner left.
        if (nShowStyle & 0x04)
        {
            const bool bTop = nDispPos == 0 || nDispPos == 1;
            flags.dwShow = bTop ? kVerPositive : kVerNegative;
            flags.dwHide = bTop ? kVerNegative : kVerPositive;
        }
        else
        {
            const bool bLeft = nDispPos == 0 || nDispPos == 2;
            flags.dwShow = bLeft ? kHorPositive : kHorNegative;
            flags.dwHide = bLeft ? kHorNegative : kHorPositive;
        }
        if ((nShowStyle & 0x01) == 0)
        {
            flags.dwShow |= kSlide;
            flags.dwHide |= kSlide;
        }
    }
    flags.dwHide |= kHide;
    return flags;
}

unsigned TranslateHotKeyModifiers(unsigned nHotKeyFlags)
{
    unsigned nMod = 0;
    if (nHotKeyFlags & 0x01)
        nMod |= 0x0004; // shift
    if (nHotKeyFlags & 0x02)
        nMod |= 0x0002; // control
    if (nHotKeyFlags & 0x04)
        nMod |= 0x0001; // alt
    if (nHotKeyFlags & 0x08)
        nMod |= 0x0008; // the Windows key
    return nMod;
}
