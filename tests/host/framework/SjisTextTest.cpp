#include "framework/SjisText.h"

#include "tests/host/HostData.h"

TEST(SjisText, CutKeepsWholeDoubleByteCharacters)
{
    for (const DataRow& r : DataRows("shift-jis-cuts.txt"))
        EXPECT_EQ(r[2], CutAtCharBoundary(r[0], Num<std::size_t>(r[1]))) << r[0] << " " << r[1];
    for (const auto& [nByte, bLead] :
         {std::pair{0x80, false}, {0x81, true}, {0xA1, false}, {0xFC, true}, {0xFD, false}})
        EXPECT_EQ(bLead, IsSjisLeadByte(static_cast<unsigned char>(nByte))) << nByte;
}
