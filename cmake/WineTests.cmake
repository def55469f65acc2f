# Wine test executables: tempiva_wine_test(name sources...)
tempiva_wine_test(wine_platform_tests tests/wine/framework/PlatformTest.cpp)
tempiva_wine_test(wine_app_tests
    tests/wine/app/SettingsStoreTest.cpp
    tests/wine/support/ScratchFolder.cpp)
tempiva_wine_test(wine_framework_tests
    tests/wine/framework/WindowFrameworkTest.cpp
    tests/wine/framework/FrameworkTest.rc)
tempiva_wine_test(wine_timetable_tests
    tests/wine/timetable/TaskFileTest.cpp
    tests/wine/support/ScratchFolder.cpp)
tempiva_wine_test(wine_maindlg_tests
    tests/wine/app/MainDlgTest.cpp
    tests/wine/support/ScratchFolder.cpp
    res/Tempiva.rc)
tempiva_wine_test(wine_e2e_tests
    tests/wine/e2e/StartUpTest.cpp
    tests/wine/driver/CProgramUnderTest.cpp
    tests/wine/support/ScratchFolder.cpp)
add_dependencies(wine_e2e_tests Tempiva)
