#include "tests/wine/support/ScratchFolder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

CScratchFolder::CScratchFolder()
{
    static unsigned s_nSerial = 0;
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    const std::string strPrefix = "tempiva-" + std::to_string(::GetCurrentProcessId()) + "-";
    do
        m_strPath = (temp / (strPrefix + std::to_string(++s_nSerial))).string() + "\\";
    while (!std::filesystem::create_directory(m_strPath)); // false: it was there; throws on any other error
}

CScratchFolder::~CScratchFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_strPath, error);
}

void CScratchFolder::Write(const std::string& strName, const std::string& strBytes) const
{
    if (!(std::ofstream(PathOf(strName), std::ios::binary) << strBytes))
        throw std::runtime_error("cannot write " + PathOf(strName));
}

std::optional<std::string> CScratchFolder::Read(const std::string& strName) const
{
    std::ifstream file(PathOf(strName), std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}
