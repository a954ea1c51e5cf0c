#include "ComponentSecurity.h"
#include "LineFilter.h"

#include <benchmark/benchmark.h>
#include <string>

// The filters' per-line path (split, convert, cipher, convert, append) beside the bare cipher
// call on the same 29-character line, so the two can be compared within one run.
namespace {

using vellum::ComponentSecurity;
using vellum::filter::Direction;
using vellum::filter::LineFilter;

const std::string kLine = "Meet me at nine by the old ox"; // 29 characters

void BM_BareEncrypt(benchmark::State& state) {
    ComponentSecurity component;
    for (auto _ : state)
        benchmark::DoNotOptimize(component.Encrypt(kLine));
}

void BM_BareDecrypt(benchmark::State& state) {
    ComponentSecurity component;
    const std::string cipherText = component.Encrypt(kLine);
    for (auto _ : state) {
        std::string working = cipherText; // decryption rewrites its argument
        benchmark::DoNotOptimize(component.Decrypt(working));
    }
}

template <Direction direction> void BM_FilterLine(benchmark::State& state) {
    const std::string input =
        direction == Direction::Encrypt ? kLine + "\n" : ComponentSecurity().Encrypt(kLine) + "\n";
    LineFilter filter(direction, false);
    for (auto _ : state) {
        if (!filter.Feed(input))
            state.SkipWithError(filter.failure().c_str());
        benchmark::DoNotOptimize(filter.output().data());
        filter.output().clear();
    }
}

BENCHMARK(BM_BareEncrypt)->Name("Encrypt");
BENCHMARK(BM_FilterLine<Direction::Encrypt>)->Name("FilterLine/Encrypt");
BENCHMARK(BM_BareDecrypt)->Name("Decrypt");
BENCHMARK(BM_FilterLine<Direction::Decrypt>)->Name("FilterLine/Decrypt");

} // namespace

BENCHMARK_MAIN();
