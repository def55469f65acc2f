// Which encoding a hand-edited text file is in. The program's own files are Shift-JIS (code
// page 932); today's editors (Notepad among them) save UTF-8, with or without a byte-order
// mark. Japanese text in Shift-JIS is practically never valid UTF-8 with multi-byte sequences,
// so valid UTF-8 that holds some is taken for UTF-8; anything else is read as Shift-JIS.
#pragma once

#include <string_view>

enum class TextEncoding
{
    ShiftJis,    // also plain ASCII: the bytes are read as they are
    Utf8,        // valid UTF-8 with at least one multi-byte sequence, no byte-order mark
    Utf8WithBom, // starts with EF BB BF
};

TextEncoding DetectTextEncoding(std::string_view bytes);
