// The release package from the inside: DistTest.sh unpacks it into an empty folder and names
// that folder and the package's version in TEMPIVA_UNPACKED and TEMPIVA_PACKAGE_VERSION.
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"
#include "widgets/CVersionStatic.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr DWORD kWaitMs = 15000;

// "1, 3, 0, 0" as a file name has it: "1.3.0.0".
std::string Dotted(const std::string& strVersion)
{
    std::string strDotted;
    for (char c : strVersion)
        if (c != ' ')
            strDotted += c == ',' ? '.' : c;
    return strDotted;
}

} // namespace

TEST(ReleasePackage, UnpackedIntoAnEmptyFolderItGreetsTheFirstRunAndEndsOnExit)
{
    const char* pszFolder = std::getenv("TEMPIVA_UNPACKED");
    const char* pszVersion = std::getenv("TEMPIVA_PACKAGE_VERSION");
    if (pszFolder == nullptr || pszVersion == nullptr)
        GTEST_SKIP() << "run by tests/wine/e2e/DistTest.sh";
    const std::string strFolder = pszFolder;
    const std::string strExe = strFolder + "Tempiva.exe";

    CVersionStatic version;
    ASSERT_TRUE(version.SetVersionText("ProductVersion", strExe.c_str()));
    EXPECT_EQ(pszVersion, Dotted(version.GetVersionText())) << "the package is named after the exe's version";

    CProgramUnderTest program(strFolder);
    ASSERT_TRUE(program.Start(strExe));
    const std::optional<CMessageBoxView> box = program.WaitForMessageBox(kWaitMs);
    ASSERT_TRUE(box) << "no first-run message";
    EXPECT_EQ(kFirstRunText, box->Text());
    ASSERT_TRUE(box->Press(IDOK));
    ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs)) << "did not start after the greeting";
    ExitProgram(program, kWaitMs);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((strFolder + "Tempiva.ini").c_str()))
        << "the settings are written beside the exe";
}
