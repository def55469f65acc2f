#include "framework/TextEncoding.h"

namespace {

// The length of the well-formed UTF-8 sequence at the start of bytes (overlong forms,
// surrogates and code points past U+10FFFF are not), or 0.
std::size_t Utf8SequenceLength(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t nLength = 0;
    unsigned char minSecond = 0x80;
    unsigned char maxSecond = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        nLength = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        nLength = 3;
        minSecond = lead == 0xE0 ? 0xA0 : 0x80;
        maxSecond = lead == 0xED ? 0x9F : 0xBF;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        nLength = 4;
        minSecond = lead == 0xF0 ? 0x90 : 0x80;
        maxSecond = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (nLength == 0 || bytes.size() < nLength || byte(1) < minSecond || byte(1) > maxSecond)
        return 0;
    for (std::size_t i = 2; i < nLength; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return nLength;
}

} // namespace

TextEncoding DetectTextEncoding(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return TextEncoding::Utf8WithBom;
    bool bMultiByte = false;
    for (std::size_t i = 0; i < bytes.size();)
    {
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
        {
            ++i;
            continue;
        }
        const std::size_t nLength = Utf8SequenceLength(bytes.substr(i));
        if (nLength == 0)
            return TextEncoding::ShiftJis;
        bMultiByte = true;
        i += nLength;
    }
    return bMultiByte ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
}
