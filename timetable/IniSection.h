// Replacing one section of an INI file's text. The platform's WritePrivateProfileSectionA
// cannot be used for task lines: Wine keeps only entries of the form key=value and drops
// every other line, which would empty the time table on the first save.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's text with the body of [section] (matched without regard to case) replaced by
// these lines; the header stays, an empty list leaves an empty section, other sections and
// their lines are kept byte for byte. A missing section is appended at the end.
std::string ReplaceIniSection(std::string_view file, std::string_view section, const std::vector<std::string>& lines);
