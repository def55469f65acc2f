// Reading one section of an INI file's text line by line, replacing one section, or setting
// some keys of it. The platform's WritePrivateProfileSectionA
// cannot be used for task lines: Wine keeps only entries of the form key=value and drops
// every other line, which would empty the time table on the first save.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file's text with the body of [section] (matched without regard to case) replaced by
// these lines; the header stays, an empty list leaves an empty section, other sections and
// their lines are kept byte for byte. A missing section is appended at the end.
std::string ReplaceIniSection(std::string_view file, std::string_view section, const std::vector<std::string>& lines);

// A key of a section and its new value; no value removes the key.
struct IniKey
{
    std::string key;
    std::optional<std::string> value;
};

// The file's text with these keys of [section] as "key=value" lines, in this order, at the
// head of the section; every other line is kept byte for byte (comments and other keys of the
// section, other sections). Keys and the section name are matched without regard to case,
// in every section of that name; the old lines of these keys are dropped wherever they stood.
// A missing section is appended at the end.
std::string SetIniKeys(std::string_view file, std::string_view section, const std::vector<IniKey>& keys);

// One line of a section and where it stands in the file, counted from 1.
struct IniLine
{
    std::size_t nLine = 0;
    std::string_view text;
    bool operator==(const IniLine&) const = default;
};

// The lines of the first [section] (matched without regard to case), without their line
// ends; blank lines and comments (";" first) are left out. None when there is no such section.
std::optional<std::vector<IniLine>> FindIniSectionLines(std::string_view file, std::string_view section);
