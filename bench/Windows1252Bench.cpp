#include "Windows1252.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace vellum::windows1252;

// Every character of the code page in turn, the rarely used ones as often as ASCII.
std::string codesOf(benchmark::State& state) {
    std::string codes(static_cast<std::size_t>(state.range(0)), '\0');
    for (std::size_t at = 0; at < codes.size(); ++at)
        codes[at] = static_cast<char>(at % 256);
    return codes;
}

template <auto convert> void BM_FromCodes(benchmark::State& state) {
    const std::string codes = codesOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(convert(codes));
}

// The worst case: the one character without a code comes last.
template <bool checkMarkLast> void BM_FromUtf16(benchmark::State& state) {
    std::u16string text = ToUtf16(codesOf(state));
    if (checkMarkLast)
        text.back() = u'\u2713';
    for (auto _ : state)
        benchmark::DoNotOptimize(FromUtf16(text));
}

void BM_FromUtf8(benchmark::State& state) {
    const std::string text = ToUtf8(codesOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(FromUtf8(text));
}

BENCHMARK(BM_FromCodes<ToUtf16>)->Name("ToUtf16")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_FromUtf16<false>)->Name("FromUtf16")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_FromUtf16<true>)->Name("FromUtf16/CheckMarkLast")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_FromCodes<ToUtf8>)->Name("ToUtf8")->Arg(109)->Arg(1'000'000);
BENCHMARK(BM_FromUtf8)->Name("FromUtf8")->Arg(109)->Arg(1'000'000);

} // namespace

BENCHMARK_MAIN();
