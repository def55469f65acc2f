// Tables too long to read inline, from tests/data/host: one row a line, words split at spaces,
// '#' lines are notes. Numbers may be decimal or 0x hex.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using DataRow = std::vector<std::string>;

inline std::vector<DataRow> DataRows(const std::string& name)
{
    const std::string here = __FILE__;
    std::ifstream file(here.substr(0, here.rfind('/')) + "/../data/host/" + name);
    std::vector<DataRow> rows;
    for (std::string line; std::getline(file, line);)
        if (std::istringstream words(line); !line.empty() && line[0] != '#')
            rows.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

template <typename T = int>
T Num(const std::string& word)
{
    return static_cast<T>(std::stoll(word, nullptr, 0));
}

// A rectangle from four numbers of a row, from word i on.
template <typename Rect>
Rect RectAt(const DataRow& row, std::size_t i)
{
    return {Num(row[i]), Num(row[i + 1]), Num(row[i + 2]), Num(row[i + 3])};
}
