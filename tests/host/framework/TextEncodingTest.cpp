#include "framework/TextEncoding.h"

#include "tests/host/HostData.h"

TEST(TextEncoding, UsesUtf8OnlyForValidUtf8WithMultiByteCharacters)
{
    const std::vector<std::string> names = {"ShiftJis", "Utf8", "Utf8WithBom"};
    for (const DataRow& r : DataRows("text-encodings.txt"))
        EXPECT_EQ(r[1], names.at(static_cast<std::size_t>(DetectTextEncoding(r[0])))) << r[2] << " " << r[3];
}
