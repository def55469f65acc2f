#include "widgets/FileEditRules.h"

#include "framework/SjisText.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Just past the last separator (or the drive's colon), or 0; trail bytes are skipped.
std::size_t NameStart(std::string_view path)
{
    std::size_t nStart = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        if (IsSjisLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (IsSeparator(path[i]))
            nStart = i + 1;
    }
    return nStart;
}

// The position of the last backslash, or npos.
std::size_t LastBackslash(std::string_view path)
{
    std::size_t nFound = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        if (IsSjisLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            nFound = i;
    }
    return nFound;
}

bool EndsWithBackslash(std::string_view path)
{
    return !path.empty() && LastBackslash(path) == path.size() - 1;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

FileEditText ParseFileEditText(std::string_view text)
{
    FileEditText parsed;
    // Neither a semicolon nor a space is ever the second byte of a double-byte character.
    const std::size_t nStart = text.find_first_not_of("; ");
    if (nStart == std::string_view::npos)
        return parsed;
    std::string_view path = text.substr(nStart);
    path = path.substr(0, path.find(';'));
    path = path.substr(0, path.find_last_not_of(' ') + 1);
    const std::size_t nName = NameStart(path);
    parsed.strFolder.assign(path.substr(0, nName));
    parsed.names.emplace_back(path.substr(nName));
    return parsed;
}

bool IsShortcutName(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string ending;
    for (const char c : name.substr(name.size() - 4))
        ending += LowerAscii(c);
    return ending == ".lnk" || ending == ".pif";
}

std::string NameInFolder(const std::string& strFolder, const std::string& strPath)
{
    if (!strFolder.empty() && strPath.compare(0, strFolder.size(), strFolder) == 0)
        return strPath.substr(strFolder.size());
    return strPath;
}

std::string PathInFolder(const std::string& strFolder, const std::string& strName)
{
    const bool bAbsolute =
        (!strName.empty() && IsSeparator(strName[0])) || (strName.size() >= 2 && strName[1] == ':');
    return bAbsolute ? strName : strFolder + strName;
}

std::string FindExistingFolder(std::string strPath, const PathProbe& probe)
{
    while (!strPath.empty() && probe(strPath) != PathKind::Folder)
    {
        const std::size_t nCut = LastBackslash(strPath);
        strPath.resize(nCut == std::string::npos ? 0 : nCut);
    }
    if (!strPath.empty() && !EndsWithBackslash(strPath))
        strPath += '\\';
    return strPath;
}

BrowseStart DecideBrowseStart(const std::string& strFullPath, const PathProbe& probe)
{
    BrowseStart start;
    start.strFolder = FindExistingFolder(strFullPath, probe);
    if (probe(strFullPath) == PathKind::File)
        start.strName = strFullPath.substr(NameStart(strFullPath));
    return start;
}

int BrowseButtonWidth(int nWidthSetting, int nClientHeight)
{
    return nWidthSetting == -1 ? nClientHeight * 8 / 10 : nWidthSetting;
}

BrowseDots PlaceBrowseDots(int nWidth, int nHeight, int nShift)
{
    const int q = nWidth / 4;
    const int d = nWidth / 10;
    const int x = nWidth / 2 - q - (nWidth % 4 == 0 ? 1 : 0) + nShift;
    return {{x, x + q, x + 2 * q}, nHeight / 2 - d / 2 + nShift, d < 2 ? 1 : d};
}
