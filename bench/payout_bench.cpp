// Per-call cost of the payout rule, over all 256 combinations of four tags.
#include "core/payout.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void BM_PayoutEvaluate(benchmark::State &state)
{
    const std::array<QString, 4> tags = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                         QStringLiteral("3")};
    unsigned combination = 0;
    for (auto _ : state) {
        const unsigned c = combination++ & 0xFF;
        payout::Outcome outcome = payout::evaluate(tags[c & 3], tags[(c >> 2) & 3], tags[(c >> 4) & 3], tags[c >> 6]);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_PayoutEvaluate);

} // namespace
