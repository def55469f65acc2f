// The file path edit control's decisions, free of the window system so they are tested on the
// host: which name its text holds and in which folder, where the browse dialog starts, and
// where the browse button's dots go. Paths are Shift-JIS: a backslash that is the second byte
// of a double-byte character separates nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The first name of the text and its folder (drive and directory, with the final separator).
// Leading semicolons and spaces are skipped; a semicolon ends the name, and what follows it is
// not looked at. An empty name stands for the folder itself.
struct FileEditText
{
    std::string strFolder;
    std::vector<std::string> names; // none for a text without a name
};
FileEditText ParseFileEditText(std::string_view text);

// A name that ends in ".lnk" or ".pif", in any case: a shell shortcut.
bool IsShortcutName(std::string_view name);
// The name as it stands in the text after its folder: a path in the folder loses the folder.
std::string NameInFolder(const std::string& strFolder, const std::string& strPath);
// The name with the folder in front, unless the name is absolute (it starts with a separator
// or a drive). An empty name is the folder.
std::string PathInFolder(const std::string& strFolder, const std::string& strName);

enum class PathKind
{
    Missing,
    File,
    Folder,
};
using PathProbe = std::function<PathKind(const std::string&)>;

// The deepest existing folder of the path, with a final backslash; empty when there is none.
std::string FindExistingFolder(std::string strPath, const PathProbe& probe);

// Where the browse dialog opens for a full path: its deepest existing folder, and the file's
// name when the path names an existing file (none for a folder or a missing file).
struct BrowseStart
{
    std::string strFolder;
    std::string strName;
};
BrowseStart DecideBrowseStart(const std::string& strFullPath, const PathProbe& probe);

// The browse button: its width for the setting (-1: 8/10 of the client height), and its
// three dots, moved by nShift pixels right and down. A dot smaller than 2 pixels is one pixel.
int BrowseButtonWidth(int nWidthSetting, int nClientHeight);
struct BrowseDots
{
    int x[3];
    int y;
    int nSize;
};
BrowseDots PlaceBrowseDots(int nWidth, int nHeight, int nShift);
