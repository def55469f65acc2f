// Writes screenshots as PNG files (uncompressed deflate: big, but any viewer reads them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// pixels: rows top to bottom, 0x00RRGGBB each.
bool WritePng(const std::string& strPath, int nWidth, int nHeight, const std::vector<std::uint32_t>& pixels);
