// The 32-bit top-down bitmap the tests capture pictures into.
#pragma once

#include <windows.h>

// *ppBits receives its pixels, 0x00RRGGBB, row by row from the top.
HBITMAP CreateDib32(int nWidth, int nHeight, void** ppBits);
