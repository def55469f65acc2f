// Reading a file whole and saving one whole, through the file seam. A save writes a sibling
// file and moves it over the old one in one step: killed or failing at any point, it leaves
// either the old file or the new one, never a part of either.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The file's bytes; none when it cannot be opened or a read fails part way (GetLastError
// tells why: ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND when it is not there).
std::optional<std::string> ReadWholeFile(const std::string& strPath);
// TRUE when the file now holds exactly these bytes; on FALSE the old file is untouched and
// GetLastError tells why.
BOOL SaveWholeFile(const std::string& strPath, const std::string& strBytes);
// A text file as Shift-JIS (code page 932), whichever encoding it was saved in: UTF-8, with or
// without a byte-order mark, is converted (a character code page 932 lacks becomes "?");
// anything else is taken byte for byte. None as for ReadWholeFile.
std::optional<std::string> ReadShiftJisFile(const std::string& strPath);
// ReadWholeFile's answer for a file that simply is not there yet.
bool IsMissingFileError(DWORD dwError);

// The message of a save that failed: the file and the system's reason.
std::string SaveFailureText(const std::string& strPath, DWORD dwError);
