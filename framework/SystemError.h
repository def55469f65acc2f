// The system's own words for an error code, for the messages that name a failure's reason.
#pragma once

#include <windows.h>

#include <string>

// Without the line break the text ends with; empty when the system has no text for the code.
std::string SystemErrorText(DWORD dwError);
