// The Wine session the tests run in: Japanese code page, literals in Shift-JIS.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(WinePlatform, RunsWithCodePage932AndShiftJisLiterals)
{
    EXPECT_EQ(932u, ::GetACP());
    const char* text = "時計";
    ASSERT_EQ(4u, std::strlen(text));
    EXPECT_EQ(0x8E, static_cast<unsigned char>(text[0]));
    EXPECT_EQ(0x9E, static_cast<unsigned char>(text[1]));
}
