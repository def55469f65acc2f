// Tables from tests/data/host: a row a line, words split at spaces, '#' lines notes, numbers decimal or 0x.
#pragma once

#include "timetable/TimeTask.h"

#include <gtest/gtest.h>

#include <fstream>
#include <algorithm>
#include <string>
#include <vector>

using DataRow = std::vector<std::string>;

// The words of a line; a word in double quotes may hold spaces and C escapes (\r \n \t \\ \" \xHH).
inline DataRow DataWords(const std::string& line)
{
    DataRow words;
    for (auto i = line.find_first_not_of(' '); i != std::string::npos; i = line.find_first_not_of(' ', i))
    {
        if (line[i] != '"')
        {
            const std::size_t nEnd = std::min(line.find(' ', i), line.size());
            words.push_back(line.substr(i, nEnd - i));
            i = nEnd;
            continue;
        }
        std::string word;
        for (++i; i < line.size() && line[i] != '"'; ++i)
        {
            const char c = line[i] == '\\' ? line[++i] : '\0';
            word += c == 'x' ? static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16))
                    : c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c ? c : line[i];
            i += c == 'x' ? 2 : 0;
        }
        words.push_back(word);
        ++i;
    }
    return words;
}

inline std::vector<DataRow> DataRows(const std::string& name)
{
    std::ifstream file(std::string(__FILE__, sizeof __FILE__ - sizeof "HostData.h") + "../data/host/" + name);
    std::vector<DataRow> rows;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#')
            rows.push_back(DataWords(line));
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

template <typename T = int>
T Num(const std::string& word)
{
    return static_cast<T>(std::stoll(word, nullptr, 0));
}

template <typename Rect>
Rect RectAt(const DataRow& row, std::size_t i)
{
    return {Num(row[i]), Num(row[i + 1]), Num(row[i + 2]), Num(row[i + 3])};
}

inline TimeTask TaskAt(const DataRow& r, std::size_t i)
{
    const auto w = r.begin() + static_cast<std::ptrdiff_t>(i);
    const auto n = [w](int k) { return Num(w[k]); };
    return {n(0), n(1), n(2), n(3), n(4), n(5), n(6), n(7), n(8), n(9), n(10), w[11], w[12], w[13]};
}
