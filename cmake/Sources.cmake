# Source lists. Portable files never include <windows.h>: the host build compiles exactly
# these, so a stray Windows include breaks it at once.
set(TEMPIVA_PORTABLE_SOURCES
    framework/ColourText.cpp
    framework/NumberText.cpp
    framework/SjisText.cpp
    app/AppSettings.cpp
    app/MainDlgRules.cpp
    timetable/TaskLine.cpp
    timetable/TaskScheduler.cpp
    timetable/SectionBlock.cpp
    framework/IniSection.cpp
    timetable/ScrollerModel.cpp
    panel/PanelLayout.cpp
    panel/LcdDigits.cpp
    timesync/NtpArithmetic.cpp
    timesync/CNtpStamp.cpp
    timesync/SntpPacket.cpp
    calendar/HolidayLookup.cpp
    calendar/CalendarDate.cpp
    calendar/CalendarGrid.cpp
    calendar/CalendarMetrics.cpp
    calendar/CalendarGeometry.cpp
    calendar/CalendarCellStyle.cpp
    calendar/CalendarPaging.cpp
    calendar/MonthPickerModel.cpp
    widgets/LinkLine.cpp
)

# Window-system code of every subsystem (Windows build only), without WinMain.
set(TEMPIVA_WIN_SOURCES
    framework/CDataExchange.cpp
    framework/CDialog.cpp
    framework/CWinApp.cpp
    framework/CWnd.cpp
    framework/CommonControls.cpp
    framework/Exceptions.cpp
    framework/ModulePath.cpp
    framework/PointFont.cpp
    framework/Seams.cpp
    framework/SystemError.cpp
    framework/WholeFile.cpp
    framework/WndClass.cpp
    app/SettingsStore.cpp
    app/CHiddenOwnerWnd.cpp
    app/CMainDlg.cpp
    app/CTempivaApp.cpp
    timetable/TaskFile.cpp
    panel/CClockST.cpp
    panel/CClockPanel.cpp
    timetable/CScrollerCtrl.cpp
    timetable/CTaskNoticeWnd.cpp
    calendar/CBufferedDC.cpp
    calendar/CalendarFont.cpp
    calendar/CCalendarCtrl.cpp
    calendar/CMonthPickerWnd.cpp
    calendar/CCalendarWnd.cpp
    timesync/CWSocketException.cpp
    timesync/CNetSocket.cpp
    timesync/NtpClock.cpp
    timesync/CSntpClient.cpp
    timesync/ClockSetting.cpp
    widgets/CVersionStatic.cpp
    widgets/CLinkStatic.cpp
    widgets/CAboutDlg.cpp
)

# The program's entry point and application object.
set(TEMPIVA_MAIN_SOURCES
    app/TempivaMain.cpp
)

set(TEMPIVA_HOST_TEST_SOURCES
    tests/host/framework/ColourTextTest.cpp
    tests/host/framework/SjisTextTest.cpp
    tests/host/app/MainDlgRulesTest.cpp
    tests/host/timetable/TaskLineTest.cpp
    tests/host/timetable/TaskSchedulerTest.cpp
    tests/host/timetable/TaskTickReferenceTest.cpp
    tests/host/timetable/SectionBlockTest.cpp
    tests/host/framework/IniSectionTest.cpp
    tests/host/timetable/ScrollerModelTest.cpp
    tests/host/panel/PanelLayoutTest.cpp
    tests/host/timesync/NtpStampTest.cpp
    tests/host/timesync/SntpPacketTest.cpp
    tests/host/calendar/CalendarGridTest.cpp
    tests/host/calendar/CalendarCellStyleTest.cpp
    tests/host/calendar/CalendarPagingTest.cpp
    tests/host/calendar/CalendarMetricsTest.cpp
    tests/host/calendar/MonthPickerModelTest.cpp
    tests/host/calendar/HolidayLookupTest.cpp
    tests/host/widgets/LinkLineTest.cpp
)

set(TEMPIVA_BENCH_SOURCES
    bench/TaskSectionBench.cpp
    bench/TaskTickBench.cpp
    bench/CalendarGridBench.cpp
    bench/NtpArithmeticBench.cpp
)

# libFuzzer targets of the clang build (make fuzz): each name is fuzz/<name>Fuzz.cpp, seeded
# from fuzz/seeds/<name>/. One line adds one.
set(TEMPIVA_FUZZ_TARGETS
    TaskLine
    HolidayLine
    SectionBlock
    ColourText
    SntpReply
)
