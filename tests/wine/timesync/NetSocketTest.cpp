// The socket layer's exception: the system's text, cut to the caller's buffer.
#include "timesync/CWSocketException.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(NetSocket, ExceptionTextIsTheSystemsCutToTheBuffer)
{
    const CWSocketException known(ERROR_INVALID_DATA);
    const std::string strFull = known.GetErrorMessage();
    ASSERT_GT(strFull.size(), 4u);

    char szShort[5];
    UINT nHelp = 77;
    EXPECT_TRUE(known.GetErrorMessage(szShort, sizeof szShort, &nHelp));
    EXPECT_EQ(0u, nHelp);
    EXPECT_EQ(strFull.substr(0, 4), szShort) << "capacity counts the terminator";

    const CWSocketException unknown(0x2FFF1234);
    char szText[64];
    std::memset(szText, 'x', sizeof szText);
    EXPECT_FALSE(unknown.GetErrorMessage(szText, sizeof szText));
    EXPECT_STREQ("", szText);
    EXPECT_EQ("", unknown.GetErrorMessage());
}
