# Source lists. Portable files never include <windows.h>: the host build compiles exactly
# these, so a stray Windows include breaks it at once.
set(TEMPIVA_PORTABLE_SOURCES
    framework/ColourText.cpp
    framework/NumberText.cpp
    framework/SjisText.cpp
    app/AppSettings.cpp
)

# Window-system code of every subsystem (Windows build only), without WinMain.
set(TEMPIVA_WIN_SOURCES
    framework/CDialog.cpp
    framework/CWinApp.cpp
    framework/CWnd.cpp
    framework/Exceptions.cpp
    framework/ModulePath.cpp
    framework/Seams.cpp
    framework/WndClass.cpp
    app/SettingsStore.cpp
)

# The program's entry point and application object.
set(TEMPIVA_MAIN_SOURCES
    app/TempivaMain.cpp
)

set(TEMPIVA_HOST_TEST_SOURCES
    tests/host/framework/ColourTextTest.cpp
    tests/host/framework/SjisTextTest.cpp
)

set(TEMPIVA_BENCH_SOURCES
)
