#include "framework/WholeFile.h"

#include "framework/Handle.h"
#include "framework/Seams.h"
#include "framework/SystemError.h"

#include <algorithm>

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;

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
