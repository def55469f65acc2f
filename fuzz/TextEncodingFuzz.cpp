// Any bytes as a hand-edited file: the encoding decided agrees with a reading of our own that
// decodes every UTF-8 sequence to its code point.
#include "framework/TextEncoding.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>

namespace {

// Valid UTF-8 (shortest forms, no surrogates, nothing past U+10FFFF) with some multi-byte
// character in it.
bool IsUtf8WithMultiByte(const std::uint8_t* pData, std::size_t nSize)
{
    bool bMultiByte = false;
    for (std::size_t i = 0; i < nSize;)
    {
        const std::uint8_t lead = pData[i];
        const std::size_t nLength = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (nLength == 0 || nSize - i < nLength)
            return false;
        std::uint32_t nCode = nLength == 1 ? lead : lead & (0x7F >> nLength);
        for (std::size_t k = 1; k < nLength; ++k)
        {
            if (pData[i + k] >> 6 != 2)
                return false;
            nCode = nCode << 6 | (pData[i + k] & 0x3F);
        }
        const std::uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (nCode < kShortest[nLength] || nCode > 0x10FFFF || (nCode >= 0xD800 && nCode <= 0xDFFF))
            return false;
        bMultiByte = bMultiByte || nLength > 1;
        i += nLength;
    }
    return bMultiByte;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const TextEncoding encoding = DetectTextEncoding({reinterpret_cast<const char*>(pData), nSize});
    const bool bMark = nSize >= 3 && pData[0] == 0xEF && pData[1] == 0xBB && pData[2] == 0xBF;
    FUZZ_CHECK((encoding == TextEncoding::Utf8WithBom) == bMark);
    if (!bMark)
        FUZZ_CHECK((encoding == TextEncoding::Utf8) == IsUtf8WithMultiByte(pData, nSize));
    return 0;
}
