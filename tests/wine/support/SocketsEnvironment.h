// Windows Sockets for a test program, started once as the application starts them.
#pragma once

#include <gtest/gtest.h>

#include <winsock.h>

class CSocketsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        WSADATA wsa;
        ASSERT_EQ(0, ::WSAStartup(MAKEWORD(1, 1), &wsa));
    }
    void TearDown() override { ::WSACleanup(); }
};

// One registration per program, whichever of its files include this.
inline ::testing::Environment* const g_pSocketsEnvironment =
    ::testing::AddGlobalTestEnvironment(new CSocketsEnvironment);
