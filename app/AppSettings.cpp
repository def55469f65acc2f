#include "app/AppSettings.h"

AppSettings& TheSettings()
{
    static AppSettings settings;
    return settings;
}

int CorrectDelay(int nDelayMs)
{
    return nDelayMs > 1000 || nDelayMs < 1 ? 1000 : nDelayMs;
}

int CorrectPort(int nPort)
{
    return nPort == 0 ? 123 : nPort;
}
