// Where the program lies: its INI files are kept beside the executable.
#pragma once

#include <string>

// The position of the last backslash of a path in the ANSI code page, or npos.
size_t FindLastPathSeparator(const std::string& strPath);

// The full path of the running executable.
std::string GetModulePath();
// The executable's directory with its final backslash.
std::string GetModuleDirectory();
// The executable's file name without directory and extension ("Tempiva").
std::string GetModuleBaseName();
