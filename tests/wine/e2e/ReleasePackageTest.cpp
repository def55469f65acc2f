// The release package from the inside: DistTest.sh unpacks it into an empty folder and names
// that folder in TEMPIVA_UNPACKED.
#include "tests/wine/driver/CProgramUnderTest.h"
#include "tests/wine/e2e/ProgramWindows.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(ReleasePackage, UnpackedIntoAnEmptyFolderItGreetsTheFirstRunAndEndsOnExit)
{
    const char* pszFolder = std::getenv("TEMPIVA_UNPACKED");
    if (pszFolder == nullptr)
        GTEST_SKIP() << "run by tests/wine/e2e/DistTest.sh";
    const std::string strFolder = pszFolder;
    CProgramUnderTest program(strFolder);
    ASSERT_TRUE(program.Start(strFolder + "Tempiva.exe"));
    const HWND hBox = program.WaitForMessageBox(kWaitMs);
    ASSERT_NE(nullptr, hBox) << "no first-run message";
    EXPECT_EQ(kFirstRunText, MessageBoxText(hBox));
    ASSERT_TRUE(PressButton(hBox, IDOK));
    ASSERT_NE(nullptr, program.WaitForMainDialog(kWaitMs)) << "did not start after the greeting";
    ExitProgram(program);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((strFolder + "Tempiva.ini").c_str()))
        << "the settings are written beside the exe";
}
