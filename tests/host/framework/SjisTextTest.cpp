#include "framework/SjisText.h"

#include <gtest/gtest.h>

// "\x82\xa0" is one double-byte character; "\x95\x5c" is one whose trail byte is a backslash.
TEST(SjisText, CutKeepsWholeDoubleByteCharacters)
{
    const std::string text = "ab\x82\xa0\x95\x5c" "c";
    EXPECT_EQ("ab", CutAtCharBoundary(text, 3));
    EXPECT_EQ("ab\x82\xa0", CutAtCharBoundary(text, 4));
    EXPECT_EQ("ab\x82\xa0", CutAtCharBoundary(text, 5));
    EXPECT_EQ("ab\x82\xa0\x95\x5c", CutAtCharBoundary(text, 6));
    EXPECT_EQ(text, CutAtCharBoundary(text, 7));
    EXPECT_EQ(text, CutAtCharBoundary(text, 100));
    EXPECT_EQ("", CutAtCharBoundary(text, 0));
}

TEST(SjisText, HalfWidthKatakanaAreSingleBytes)
{
    // 0xA1-0xDF are single-byte katakana, not lead bytes: "ｷｬﾝｾﾙ" is five bytes.
    const std::string text = "\xb7\xac\xdd\xbe\xd9";
    EXPECT_EQ("\xb7\xac\xdd", CutAtCharBoundary(text, 3));
    EXPECT_FALSE(IsSjisLeadByte(0xA1));
    EXPECT_TRUE(IsSjisLeadByte(0x81));
    EXPECT_TRUE(IsSjisLeadByte(0xFC));
    EXPECT_FALSE(IsSjisLeadByte(0xFD));
}

TEST(SjisText, ALeadByteAtTheEndCountsAsOneCharacter)
{
    EXPECT_EQ("a\x82", CutAtCharBoundary("a\x82", 2));
}
