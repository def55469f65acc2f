# Wine test executables: tempiva_wine_test(name sources...)

# The program's version is written once, in the resource script; the tests compare with it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/Tempiva.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/res/Tempiva.rc TEMPIVA_VERSION_LINE REGEX "^#define TEMPIVA_VERSION ")
string(REGEX REPLACE "^#define TEMPIVA_VERSION +" "" TEMPIVA_PRODUCT_VERSION "${TEMPIVA_VERSION_LINE}")

tempiva_wine_test(wine_app_tests
    tests/wine/app/SettingsStoreTest.cpp
    tests/wine/support/ScratchFolder.cpp)
tempiva_wine_test(wine_framework_tests
    tests/wine/framework/WindowFrameworkTest.cpp
    tests/wine/framework/FrameworkTest.rc)
tempiva_wine_test(wine_timetable_tests
    tests/wine/timetable/TaskFileTest.cpp
    tests/wine/timetable/TimeTableDlgTest.cpp
    tests/wine/support/ScratchFolder.cpp
    tests/wine/support/WindowPicture.cpp
    res/Tempiva.rc)
target_compile_definitions(wine_timetable_tests PRIVATE TEMPIVA_TEST_DATA="Z:${CMAKE_SOURCE_DIR}/tests/data/wine/")
tempiva_wine_test(wine_maindlg_tests
    tests/wine/app/MainDlgTest.cpp
    tests/wine/app/SavingTest.cpp
    tests/wine/support/ScratchFolder.cpp
    res/Tempiva.rc)
tempiva_wine_test(wine_e2e_tests
    tests/wine/e2e/StartUpTest.cpp
    tests/wine/e2e/PanelTest.cpp
    tests/wine/e2e/ClockSetTest.cpp
    tests/wine/e2e/ConfigTest.cpp
    tests/wine/e2e/AboutTest.cpp
    tests/wine/e2e/TimeTableTest.cpp
    tests/wine/timesync/CTestNtpServer.cpp
    tests/wine/support/WindowPicture.cpp
    tests/wine/driver/CProgramUnderTest.cpp
    tests/wine/support/ScratchFolder.cpp)
add_dependencies(wine_e2e_tests Tempiva)
target_compile_definitions(wine_e2e_tests PRIVATE TEMPIVA_PRODUCT_VERSION="${TEMPIVA_PRODUCT_VERSION}")

# The run command of the README and the release package, end to end; the remote is a console
# program of its own.
add_executable(tempiva_remote tests/wine/e2e/RemoteControl.cpp tests/wine/driver/CProgramUnderTest.cpp
    tests/wine/support/ScratchFolder.cpp)
tempiva_target_defaults(tempiva_remote)
target_link_libraries(tempiva_remote PRIVATE tempiva_core)
target_link_options(tempiva_remote PRIVATE -static)
add_dependencies(tempiva_remote Tempiva)
add_test(NAME run_script_test
    COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/e2e/RunScriptTest.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
set_tests_properties(run_script_test PROPERTIES TIMEOUT 300)
tempiva_wine_test(wine_panel_tests
    tests/wine/panel/ClockSTTest.cpp
    tests/wine/panel/ClockPanelMenuTest.cpp
    tests/wine/support/WindowPicture.cpp
    tests/wine/driver/CProgramUnderTest.cpp
    res/Tempiva.rc)

# Timed runs, not tests: bench/wine/PanelTiming.cpp (see the README).
add_executable(panel_timing bench/wine/PanelTiming.cpp tests/wine/driver/CProgramUnderTest.cpp
    tests/wine/support/ScratchFolder.cpp res/Tempiva.rc)
add_dependencies(panel_timing Tempiva)
tempiva_target_defaults(panel_timing)
target_link_libraries(panel_timing PRIVATE tempiva_core)
target_link_options(panel_timing PRIVATE -static)
tempiva_wine_test(wine_notice_tests
    tests/wine/timetable/TaskNoticeTest.cpp
    tests/wine/support/WindowPicture.cpp)
tempiva_wine_test(wine_timesync_tests
    tests/wine/timesync/SntpClientTest.cpp
    tests/wine/timesync/CTestNtpServer.cpp)

# Our SNTP exchange against a real NTP server (chronyd, -x, on loopback), beside ntpdig's.
add_executable(sntp_query tests/wine/timesync/SntpQuery.cpp)
tempiva_target_defaults(sntp_query)
target_link_libraries(sntp_query PRIVATE tempiva_core)
target_link_options(sntp_query PRIVATE -static)
add_test(NAME chrony_peer_test
    COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/timesync/ChronyPeerTest.sh ${CMAKE_BINARY_DIR})
set_tests_properties(chrony_peer_test PROPERTIES TIMEOUT 120)
tempiva_wine_test(wine_clockset_tests
    tests/wine/timesync/SetTimeFromServerTest.cpp
    tests/wine/timesync/CTestNtpServer.cpp
    tests/wine/support/ScratchFolder.cpp
    tests/wine/support/WindowPicture.cpp
    tests/wine/driver/CProgramUnderTest.cpp
    res/Tempiva.rc)
# The calendar control on a host window of its own, and the calendar window on the real
# main dialog and panel.
tempiva_wine_test(wine_calendar_tests
    tests/wine/calendar/CalendarCtrlTest.cpp
    tests/wine/calendar/CalendarWndTest.cpp
    tests/wine/support/WindowPicture.cpp
    tests/wine/support/ScratchFolder.cpp
    res/Tempiva.rc)
# Wine sees this machine's root as drive Z:.
target_compile_definitions(wine_calendar_tests PRIVATE
    TEMPIVA_SHIPPED_HOLIDAYS="Z:${CMAKE_SOURCE_DIR}/res/defaults/Holiday.ini"
    TEMPIVA_TEST_DATA="Z:${CMAKE_SOURCE_DIR}/tests/data/wine/")

# Timed run, not a test: bench/wine/CalendarTiming.cpp (see the README).
add_executable(calendar_timing bench/wine/CalendarTiming.cpp)
tempiva_target_defaults(calendar_timing)
target_link_libraries(calendar_timing PRIVATE tempiva_core)
target_link_options(calendar_timing PRIVATE -static)

# Timed run, not a test: Tempiva's start-up and idle memory against the least resident
# program (bench/wine/ResidentMemory.sh runs both).
add_executable(MinimalResident WIN32 bench/wine/MinimalResident.cpp)
tempiva_target_defaults(MinimalResident)
target_link_options(MinimalResident PRIVATE -static)
add_executable(resident_timing bench/wine/ResidentTiming.cpp tests/wine/driver/CProgramUnderTest.cpp
    tests/wine/support/ScratchFolder.cpp)
tempiva_target_defaults(resident_timing)
target_link_libraries(resident_timing PRIVATE tempiva_core)
target_link_options(resident_timing PRIVATE -static)
add_dependencies(resident_timing Tempiva MinimalResident)
add_executable(notice_timing bench/wine/NoticeTiming.cpp)
tempiva_target_defaults(notice_timing)
target_link_libraries(notice_timing PRIVATE tempiva_core)
target_link_options(notice_timing PRIVATE -static)
# What make bench runs under Wine.
add_custom_target(wine_timing)
add_dependencies(wine_timing panel_timing calendar_timing notice_timing resident_timing)

# Resident for months: the soak probe under Wine's own traces of hooks, classes and GDI objects.
add_executable(soak_probe tests/wine/soak/SoakProbe.cpp tests/wine/support/ScratchFolder.cpp res/Tempiva.rc)
tempiva_target_defaults(soak_probe)
target_link_libraries(soak_probe PRIVATE tempiva_core psapi)
target_link_options(soak_probe PRIVATE -static)
add_test(NAME soak_test COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/soak/SoakTest.sh ${CMAKE_BINARY_DIR})
set_tests_properties(soak_test PROPERTIES TIMEOUT 600)

# The colour picker and the configuration dialog in-process, on the program's resources.
tempiva_wine_test(wine_config_tests
    tests/wine/config/ColourPopupTest.cpp
    tests/wine/config/ConfigDlgTest.cpp
    tests/wine/support/ScratchFolder.cpp
    tests/wine/support/WindowPicture.cpp
    res/Tempiva.rc)

# The About box with its version field and link line, in-process.
tempiva_wine_test(wine_widgets_tests
    tests/wine/widgets/AboutDlgTest.cpp
    tests/wine/widgets/FileEditCtrlTest.cpp
    tests/wine/support/WindowPicture.cpp
    tests/wine/support/ScratchFolder.cpp
    res/Tempiva.rc)
target_compile_definitions(wine_widgets_tests PRIVATE TEMPIVA_PRODUCT_VERSION="${TEMPIVA_PRODUCT_VERSION}")

# The release package as `make dist` makes it, unpacked into an empty folder and started there.
add_test(NAME dist_test
    COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/e2e/DistTest.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}
            "${TEMPIVA_PRODUCT_VERSION}")
set_tests_properties(dist_test PROPERTIES TIMEOUT 300)
