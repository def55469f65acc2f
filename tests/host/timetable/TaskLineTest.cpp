#include "timetable/TaskLine.h"

#include "tests/host/HostData.h"

namespace {

TimeTask Strings(const std::string& text, const std::string& sound = "", const std::string& extra = "")
{
    return {0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, text, sound, extra};
}
} // namespace

TEST(TaskLine, WritesReadsAndRefusesLinesAsTheOldFormatDid)
{
    const std::vector<std::string> faults = {"None", "TooFewFields", "NoOpeningQuote", "UnclosedQuote"};
    for (const DataRow& r : DataRows("task-lines.txt"))
    {
        SCOPED_TRACE(r[0] + ": " + r[1]);
        const auto n = [&r](std::size_t i) { return Num(r[i]); };
        LineFault fault = LineFault::None;
        const std::optional<TimeTask> read = ParseTaskLine(r[1], &fault);
        if (r[0] == "read")
            EXPECT_EQ(TaskAt(r, 2), read);
        else if (r[0] == "both")
            EXPECT_EQ(std::pair(r[1], std::optional(TaskAt(r, 2))),
                      std::pair(FormatTaskLine(TaskAt(r, 2)), read));
        else if (r[0] == "bad")
            EXPECT_EQ(std::pair(false, r[2]),
                      std::pair(read.has_value(), faults.at(static_cast<std::size_t>(fault))));
        else if (r[0] == "text")
            EXPECT_EQ((std::array{r[2], r[3]}), (std::array{read.value().m_strText, read->m_strSound}));
        else if (r[0] == "trip")
            EXPECT_EQ(Strings(r[1], "C:\\a b\\c.wav"),
                      ParseTaskLine(FormatTaskLine(Strings(r[1], "C:\\a b\\c.wav"))));
        else if (r[0] == "save")
            EXPECT_EQ(Strings(r[4], r[5], r[6]), ParseTaskLine(FormatTaskLine(Strings(r[1], r[2], r[3]))));
        else
            EXPECT_EQ(r.size() > 2 ? std::optional(HolidayEntry{n(2), n(3), n(4), n(5), r[6]}) : std::nullopt,
                      ParseHolidayLine(r[1]));
    }
}
