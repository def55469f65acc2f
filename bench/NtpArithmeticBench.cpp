// SET TIME converts the clock to NTP stamps and back and checks one reply: the arithmetic
// around the exchange, which must cost nothing beside the network's milliseconds.
#include "timesync/SntpPacket.h"

#include <benchmark/benchmark.h>

namespace {

void StampToAndFromUtcFields(benchmark::State& state)
{
    UtcTime st{2026, 12, 1, 7, 23, 59, 58, 999};
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(st);
        const CNtpStamp stamp = CNtpStamp::FromSystemTime(st);
        UtcTime back = stamp.AddSeconds(1.25).ToSystemTime();
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(StampToAndFromUtcFields)->Unit(benchmark::kNanosecond);

void CheckReplyAndComputeOffset(benchmark::State& state)
{
    const CNtpStamp sent = CNtpStamp::FromSystemTime({2026, 12, 1, 7, 23, 59, 58, 250});
    std::array<std::uint8_t, kSntpReplyBufferBytes> reply{};
    reply[0] = 0x1C; // leap 0, version 3, server
    reply[1] = 2;
    const auto put = [&](std::size_t nOffset, const CNtpStamp& stamp) {
        const std::array<std::uint8_t, 8> wire = stamp.ToNetwork();
        std::copy(wire.begin(), wire.end(), reply.begin() + static_cast<std::ptrdiff_t>(nOffset));
    };
    put(24, sent);
    put(32, sent.AddSeconds(12.345));
    put(40, sent.AddSeconds(12.35));
    const CNtpStamp arrived = sent.AddSeconds(0.01);
    for (auto _ : state)
    {
        SntpResult result;
        benchmark::DoNotOptimize(ReadSntpReply(reply, sent, arrived, result));
        benchmark::DoNotOptimize(result.clockOffset);
    }
}
BENCHMARK(CheckReplyAndComputeOffset)->Unit(benchmark::kNanosecond);

} // namespace
