// The file path edit in the task dialog, in-process.
#include "framework/CComPtr.h"
#include "framework/CComScope.h"
#include "framework/CWinApp.h"
#include "res/resource.h"
#include "tests/wine/support/ScratchFolder.h"
#include "tests/wine/support/ThreadWindows.h"
#include "tests/wine/support/TimerSteps.h"
#include "tests/wine/support/WindowPicture.h"
#include "timetable/CTaskDlg.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace {

bool MakeShortcut(const std::string& strLink, const std::string& strTarget)
{
    const CComScope com;
    CComPtr<IShellLinkA> pLink;
    CComPtr<IPersistFile> pFile;
    if (!com ||
        FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  pLink.Receive())) ||
        FAILED(pLink->SetPath(strTarget.c_str())) ||
        FAILED(pLink->QueryInterface(IID_IPersistFile, pFile.Receive())))
        return false;
    return SUCCEEDED(pFile->Save(std::wstring(strLink.begin(), strLink.end()).c_str(), TRUE)); // ASCII
}

HWND FindBrowseDialog()
{
    HWND hFound = ::FindWindowA(nullptr, "Browse for File");
    return hFound != nullptr && ::IsWindowVisible(hFound) ? hFound : nullptr;
}

std::string Reply(HWND hWnd, UINT uMsg)
{
    char szText[MAX_PATH] = {};
    ::SendMessageA(hWnd, uMsg, sizeof szText, reinterpret_cast<LPARAM>(szText));
    return szText;
}

void HoldControl(bool bDown)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

} // namespace

TEST(FileEdit, AShortcutStandsForItsTargetAndTheBrowseStartsThere)
{
    CWinApp app;
    CScratchFolder folder;
    ASSERT_TRUE(::CreateDirectoryA(folder.PathOf("sounds").c_str(), nullptr));
    const std::string strTarget = folder.PathOf("sounds\\chime.wav");
    folder.Write("sounds\\chime.wav", "RIFF");
    ASSERT_TRUE(MakeShortcut(folder.PathOf("chime.lnk"), strTarget));
    TimeTask task;
    task.m_strSound = folder.PathOf("chime.lnk");

    CTimerSteps steps({
        [&] {
            CTaskDlg* pDialog = ShowingWindowOf<CTaskDlg>();
            if (pDialog == nullptr)
                return false;
            CFileEditCtrl& edit = ControlOf<CFileEditCtrl>(pDialog->m_hWnd, IDC_TASK_SOUND);
            int nPos = edit.GetStartPosition();
            EXPECT_EQ(strTarget, edit.GetNextPathName(nPos));
            EXPECT_EQ(-1, nPos);
            // A 15-pixel button: three one-pixel dots at x = 4, 7 and 10 of its middle row.
            const RECT rc = edit.GetButtonRect();
            EXPECT_EQ(15, rc.right - rc.left);
            const CWindowPicture frame(edit.m_hWnd, PictureSource::ScreenNow);
            const int y = rc.top + (rc.bottom - rc.top) / 2;
            for (const int x : {4, 7, 10})
                EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), frame.At(rc.left + x, y)) << x;
            EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), frame.At(rc.left + 5, y));
            // Pressed on the button, released in the text: nothing opens.
            const RECT rcWindow = edit.GetWindowRect();
            edit.PostMessage(WM_NCLBUTTONDOWN, HTBORDER,
                             MAKELPARAM(rcWindow.left + (rc.left + rc.right) / 2, rcWindow.top + y));
            edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            return true;
        },
        [&] {
            EXPECT_EQ(nullptr, FindBrowseDialog());
            HoldControl(true);
            ::PostMessageA(::GetDlgItem(ShowingWindowOf<CTaskDlg>()->m_hWnd, IDC_TASK_SOUND), WM_KEYDOWN,
                           VK_OEM_PERIOD, 0);
            return true;
        },
        [&] {
            HWND hBrowse = FindBrowseDialog();
            if (hBrowse == nullptr)
                return false;
            HoldControl(false);
            EXPECT_EQ(folder.PathOf("sounds"), Reply(hBrowse, CDM_GETFOLDERPATH));
            EXPECT_EQ("chime.wav", Reply(hBrowse, CDM_GETSPEC));
            EXPECT_EQ("OK", Reply(::GetDlgItem(hBrowse, IDOK), WM_GETTEXT));
            ::PostMessageA(hBrowse, WM_COMMAND, IDOK, 0);
            return true;
        },
        [&] {
            CTaskDlg* pDialog = ShowingWindowOf<CTaskDlg>();
            if (FindBrowseDialog() != nullptr || pDialog == nullptr || !::IsWindowEnabled(pDialog->m_hWnd))
                return false;
            pDialog->PostMessage(WM_COMMAND, IDOK);
            return true;
        },
    });
    CTaskDlg dialog(&task, nullptr);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(steps.AllDone());
    EXPECT_EQ(strTarget, task.m_strSound) << "the chosen file's full path";
}
