// Any bytes as a colour text; and any colour value written and read back keeps its 24 bits.
#include "framework/ColourText.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::uint32_t colour = ParseColourText({reinterpret_cast<const char*>(pData), nSize});
    const std::string text = FormatColourText(colour);
    FUZZ_CHECK(text.size() == 6 && text.find_first_not_of("0123456789ABCDEF") == std::string::npos);
    FUZZ_CHECK(ParseColourText(text) == (colour & 0xFFFFFFu));
    return 0;
}
