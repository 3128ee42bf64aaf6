// Per-call cost of the four amount conversions on typical texts and values,
// and how the text readers grow with the text's length.
#include "core/amounts.h"

#include <benchmark/benchmark.h>

namespace {

const amounts::NumberFormat Format{};

void BM_LeadingValue(benchmark::State &state, const QString &text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(amounts::leadingValue(text));
}
BENCHMARK_CAPTURE(BM_LeadingValue, money, QStringLiteral("1040"));
BENCHMARK_CAPTURE(BM_LeadingValue, fraction, QStringLiteral("999.5"));
BENCHMARK_CAPTURE(BM_LeadingValue, exponent, QStringLiteral("1.23456789012345E+300"));
BENCHMARK_CAPTURE(BM_LeadingValue, trailing_text, QStringLiteral(" 12 34abc"));

void BM_StrictValue(benchmark::State &state, const QString &text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(amounts::strictValue(text, Format));
}
BENCHMARK_CAPTURE(BM_StrictValue, bet, QStringLiteral("10"));
BENCHMARK_CAPTURE(BM_StrictValue, grouped, QStringLiteral("1,234,567.25"));
BENCHMARK_CAPTURE(BM_StrictValue, exponent, QStringLiteral("1.5E+300"));
BENCHMARK_CAPTURE(BM_StrictValue, not_a_number, QStringLiteral("12x"));

void BM_GeneralText(benchmark::State &state, double value)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(amounts::generalText(value, Format));
}
BENCHMARK_CAPTURE(BM_GeneralText, whole, 1040.0);
BENCHMARK_CAPTURE(BM_GeneralText, fraction, 999.5);
BENCHMARK_CAPTURE(BM_GeneralText, tenth, 0.1);
BENCHMARK_CAPTURE(BM_GeneralText, exponent, 1.23456789012345e300);

// Growth with length: a run of zeros ending in 1, read whole.
void BM_StrictValueLength(benchmark::State &state)
{
    const auto n = static_cast<qsizetype>(state.range(0));
    const QString text = QString(n - 1, u'0') + u'1';
    for (auto _ : state)
        benchmark::DoNotOptimize(amounts::strictValue(text, Format));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StrictValueLength)->RangeMultiplier(16)->Range(16, 1 << 20)->Complexity();

void BM_LeadingValueLength(benchmark::State &state)
{
    const auto n = static_cast<qsizetype>(state.range(0));
    const QString text = QString(n - 1, u'0') + u'1';
    for (auto _ : state)
        benchmark::DoNotOptimize(amounts::leadingValue(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LeadingValueLength)->RangeMultiplier(16)->Range(16, 1 << 20)->Complexity();

} // namespace
