// One clock setting from a time server: the exchange, the one-hour refusal, the setting, and
// the short message that tells the user what happened.
#pragma once

#include "timesync/CSntpClient.h"

#include <cstdint>
#include <string>

// Offsets of an hour or more are refused: so large an error is more likely a wrong server
// or a wrong time zone than a clock that drifted, and is for the user to put right.
constexpr double kLargestCorrectionSeconds = 3600.0;

// Asks the server, sets the clock unless refused, and returns the report for the panel.
std::string SetClockFromServer(CSntpClient& client, const char* pszHost, std::uint16_t nPort);
