#include "framework/WholeFile.h"

#include "framework/Handle.h"
#include "framework/Seams.h"
#include "framework/SystemError.h"
#include "framework/TextEncoding.h"

#include <algorithm>

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;
constexpr UINT kShiftJisCodePage = 932;

// Bytes that are not UTF-8 after a byte-order mark become U+FFFD on the way, and "?" at the end.
std::string Utf8ToShiftJis(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    int nWide = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), nWide);
    // Code page 932 has nothing beyond the basic plane: a character of two UTF-16 units
    // becomes one "?", not two.
    std::erase_if(wide, [](wchar_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; });
    for (wchar_t& ch : wide)
        if (ch >= 0xD800 && ch <= 0xDBFF)
            ch = L'?';
    nWide = static_cast<int>(wide.size());
    const int nBytes = ::WideCharToMultiByte(kShiftJisCodePage, 0, wide.data(), nWide, nullptr, 0, "?", nullptr);
    std::string sjis(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(kShiftJisCodePage, 0, wide.data(), nWide, sjis.data(), nBytes, "?", nullptr);
    return sjis;
}

// The new file is flushed before the move, so that the move can never publish a file whose
// bytes are still only in the cache.
BOOL WriteAndFlush(const std::string& strPath, const std::string& strBytes)
{
    IFileSystem& fs = FileSystem();
    CHandle hFile(fs.Open(strPath.c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS));
    if (!hFile)
        return FALSE;
    for (size_t nDone = 0; nDone < strBytes.size();)
    {
        const DWORD nChunk = static_cast<DWORD>(std::min<size_t>(strBytes.size() - nDone, kChunkBytes));
        DWORD nWritten = 0;
        if (!fs.Write(hFile, strBytes.data() + nDone, nChunk, &nWritten))
            return FALSE;
        if (nWritten == 0)
        {
            ::SetLastError(ERROR_WRITE_FAULT);
            return FALSE;
        }
        nDone += nWritten;
    }
    return fs.Flush(hFile);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& strPath)
{
    IFileSystem& fs = FileSystem();
    CHandle hFile(fs.Open(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!hFile)
        return std::nullopt;
    std::string strBytes;
    std::string chunk(kChunkBytes, '\0');
    for (;;)
    {
        DWORD nRead = 0;
        // A read that fails part way gives no text at all: half a file taken for the whole
        // would be written back as the whole.
        if (!fs.Read(hFile, chunk.data(), kChunkBytes, &nRead))
            return std::nullopt;
        if (nRead == 0)
            return strBytes;
        strBytes.append(chunk, 0, nRead);
    }
}

BOOL SaveWholeFile(const std::string& strPath, const std::string& strBytes)
{
    const std::string strTemp = strPath + ".new";
    if (!WriteAndFlush(strTemp, strBytes) ||
        !FileSystem().Move(strTemp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    {
        const DWORD dwError = ::GetLastError();
        // Nothing to undo but the sibling; the old file was never touched.
        ::DeleteFileA(strTemp.c_str());
        ::SetLastError(dwError);
        return FALSE;
    }
    return TRUE;
}

std::optional<std::string> ReadShiftJisFile(const std::string& strPath)
{
    std::optional<std::string> strBytes = ReadWholeFile(strPath);
    if (!strBytes)
        return std::nullopt;
    switch (DetectTextEncoding(*strBytes))
    {
    case TextEncoding::Utf8WithBom:
        return Utf8ToShiftJis(std::string_view(*strBytes).substr(3));
    case TextEncoding::Utf8:
        return Utf8ToShiftJis(*strBytes);
    case TextEncoding::ShiftJis:
        break;
    }
    return strBytes;
}

bool IsMissingFileError(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

std::string SaveFailureText(const std::string& strPath, DWORD dwError)
{
    std::string strReason = SystemErrorText(dwError);
    if (strReason.empty())
        strReason = "エラー " + std::to_string(dwError);
    return strPath + " を保存できませんでした。\n" + strReason;
}
