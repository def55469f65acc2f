// Start-up decides the encoding of TimeTable.ini and Holiday.ini from their bytes: how long
// for a large time table, in UTF-8 and in Shift-JIS (which is decided at its first non-UTF-8 byte)?
#include "framework/TextEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A thousand task lines with a Japanese text, in UTF-8 or Shift-JIS.
std::string ThousandLines(const std::string& strText)
{
    std::string file = "[TIMETABLE]\r\n";
    for (int i = 0; i < 1000; ++i)
        file += "   *  *  * 02 12 00 10 30 FF0000      *  \"" + strText + "|" + std::to_string(i) + "\"\r\n";
    return file;
}

void DecideOneFile(benchmark::State& state, const std::string& file)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectTextEncoding(file));
}

// 会議の時間です in each encoding.
BENCHMARK_CAPTURE(DecideOneFile, Utf8,
                  ThousandLines("\xE4\xBC\x9A\xE8\xAD\xB0\xE3\x81\xAE\xE6\x99\x82\xE9\x96\x93\xE3\x81\xA7\xE3\x81\x99"));
BENCHMARK_CAPTURE(DecideOneFile, ShiftJis, ThousandLines("\x89\xEF\x8B\x63\x82\xCC\x8E\x9E\x8A\xD4\x82\xC5\x82\xB7"));

} // namespace
