#include "framework/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(TextEncoding, UsesUtf8OnlyForValidUtf8WithMultiByteCharacters)
{
    const std::tuple<const char*, std::string, TextEncoding> rows[] = {
        {"UTF-8 ソフト表示ポ", "\xE3\x82\xBD\xE3\x83\x95\xE3\x83\x88\xE8\xA1\xA8\xE7\xA4\xBA\xE3\x83\x9D",
         TextEncoding::Utf8},
        {"with a byte-order mark", "\xEF\xBB\xBF[T]\r\n", TextEncoding::Utf8WithBom},
        {"Shift-JIS ソ表ポ (\\ and | second bytes)", "\x83\x5C\x95\x5C\x83\x7C", TextEncoding::ShiftJis},
        {"Shift-JIS 予定 表示", "\x97\x5C\x92\xE8 \x95\x5C\x8E\xA6", TextEncoding::ShiftJis},
        // Half-width ﾃｽﾄ: its first two bytes happen to be a UTF-8 pair, the third is not.
        {"Shift-JIS half-width katakana", "\xC3\xBD\xC4", TextEncoding::ShiftJis},
        {"ASCII only", "[TIMETABLE]\r\n* * \"a\"\r\n", TextEncoding::ShiftJis},
        {"empty", "", TextEncoding::ShiftJis},
        {"overlong slash", "\xC0\xAF", TextEncoding::ShiftJis},
        {"UTF-16 surrogate", "\xED\xA0\x80", TextEncoding::ShiftJis},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", TextEncoding::ShiftJis},
        {"cut off at the end", "\xE3\x82\xBD\xE3\x82", TextEncoding::ShiftJis},
        {"four bytes", "a\xF0\x9F\x98\x80", TextEncoding::Utf8},
    };
    for (const auto& [what, bytes, expected] : rows)
        EXPECT_EQ(expected, DetectTextEncoding(bytes)) << what;
}
