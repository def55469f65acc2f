# Wine test executables: tempiva_wine_test(name sources...)
tempiva_wine_test(wine_platform_tests tests/wine/framework/PlatformTest.cpp)
