#include "framework/SjisText.h"

#include <gtest/gtest.h>

TEST(SjisText, CutKeepsWholeDoubleByteCharacters)
{
    // "\x82\xa0" is one double-byte character, "\x95\x5c" one whose trail byte is a backslash;
    // 0xA1-0xDF are single-byte katakana, not lead bytes; a lead byte at the end stands alone.
    const std::string text = "ab\x82\xa0\x95\x5c" "c";
    const std::tuple<std::string, size_t, std::string> cases[] = {
        {text, 0, ""},         {text, 3, "ab"},  {text, 4, "ab\x82\xa0"}, {text, 5, "ab\x82\xa0"},
        {text, 6, text.substr(0, 6)}, {text, 7, text}, {text, 100, text},
        {"\xb7\xac\xdd\xbe\xd9", 3, "\xb7\xac\xdd"}, {"a\x82", 2, "a\x82"},
    };
    for (const auto& [whole, nBytes, cut] : cases)
        EXPECT_EQ(cut, CutAtCharBoundary(whole, nBytes)) << whole << " " << nBytes;
    for (const auto& [nByte, bLead] :
         {std::pair{0x80, false}, {0x81, true}, {0xA1, false}, {0xFC, true}, {0xFD, false}})
        EXPECT_EQ(bLead, IsSjisLeadByte(static_cast<unsigned char>(nByte))) << nByte;
}
