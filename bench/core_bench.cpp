// Speed of the riddle operations and the conversions under them.
#include "riddle/chance.h"
#include "riddle/number_text.h"
#include "riddle/riddle.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <random>
#include <vector>

namespace {

using namespace parabolix;

std::vector<double> mixedValues()
{
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> whole(-1000, 1000);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    std::vector<double> values;
    values.reserve(1024);
    for (int i = 0; i < 1024; ++i)
        values.push_back(i % 2 == 0 ? whole(random) * 0.5 : any(random));
    return values;
}

void solveStartValues(benchmark::State& state)
{
    FieldRecord fields;
    const DecimalSeparator comma(",");
    for (auto _ : state) {
        benchmark::DoNotOptimize(solve(fields, comma));
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(solveStartValues);

void drawRiddle(benchmark::State& state)
{
    FieldRecord fields;
    MixingGenerator generator;
    const SystemClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw(fields, generator, clock));
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(drawRiddle);

void textToNumberTyped(benchmark::State& state)
{
    const std::array<const char*, 4> texts{"16", "-2,5", "10 000", "1,25E-3"};
    const DecimalSeparator comma(",");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(textToNumber(texts.at(i++ % texts.size()), comma));
}
BENCHMARK(textToNumberTyped);

void doubleToTextMixed(benchmark::State& state)
{
    const auto values = mixedValues();
    const DecimalSeparator comma(",");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(doubleToText(values[i++ % values.size()], comma));
}
BENCHMARK(doubleToTextMixed);

// The floor for doubleToText: the standard library's shortest formatter on
// the same values, with no layout work on top.
void toCharsMixed(benchmark::State& state)
{
    const auto values = mixedValues();
    std::array<char, 32> buffer{};
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
            values[i++ % values.size()], std::chars_format::general, 15);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(toCharsMixed);

} // namespace

BENCHMARK_MAIN();
