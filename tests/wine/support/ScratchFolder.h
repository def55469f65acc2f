// A fresh folder under %TEMP% for one test's files, removed with everything in it.
#pragma once

#include <optional>
#include <string>

class CScratchFolder
{
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // The folder with its final backslash.
    const std::string& Path() const { return m_strPath; }
    std::string PathOf(const std::string& strName) const { return m_strPath + strName; }
    void Write(const std::string& strName, const std::string& strBytes) const;
    std::optional<std::string> Read(const std::string& strName) const;

private:
    std::string m_strPath;
};
