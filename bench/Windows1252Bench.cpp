#include "Windows1252.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// Every character of the code page in turn, the rarely used ones as often as ASCII.
std::string codesOf(benchmark::State& state) {
    std::string codes(static_cast<std::size_t>(state.range(0)), '\0');
    for (std::size_t at = 0; at < codes.size(); ++at)
        codes[at] = static_cast<char>(at % 256);
    return codes;
}

void BM_FromWindows1252(benchmark::State& state) {
    const std::string codes = codesOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(vellum::fromWindows1252(codes));
}

// The window's worst case: the one character without a code comes last.
template <bool checkMarkLast> void BM_ToWindows1252(benchmark::State& state) {
    QString text = vellum::fromWindows1252(codesOf(state));
    if (checkMarkLast)
        text.back() = QChar(0x2713);
    for (auto _ : state)
        benchmark::DoNotOptimize(vellum::toWindows1252(text));
}

BENCHMARK(BM_FromWindows1252)->Name("FromWindows1252")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_ToWindows1252<false>)->Name("ToWindows1252")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_ToWindows1252<true>)->Name("ToWindows1252/CheckMarkLast")->Arg(109)->Arg(1'000'000);

} // namespace

BENCHMARK_MAIN();
