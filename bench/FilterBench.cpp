#include "component/ComponentSecurity.h"
#include "filter/LineFilter.h"
#include "text/PrintableForm.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

// The filters' per-line path (split, convert, cipher, convert, append) beside the bare cipher
// call on the same 29-character line, and the same path through the printable form, so that all
// can be compared within one run.
namespace {

using vellum::component::ComponentSecurity;
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

// The line a filter in `direction` reads: the plaintext, or a ciphertext, bare or printable.
std::string inputFor(Direction direction, bool printable) {
    if (direction != Direction::Decrypt)
        return kLine + "\n";
    const std::string cipherText = ComponentSecurity().Encrypt(kLine);
    return (printable ? vellum::text::Wrap(cipherText) : cipherText) + "\n";
}

template <Direction direction, bool printable = false> void BM_FilterLine(benchmark::State& state) {
    const std::string input = inputFor(direction, printable);
    LineFilter filter(direction, false);
    for (auto _ : state) {
        if (!filter.Feed(input))
            state.SkipWithError(filter.Failure().c_str());
        benchmark::DoNotOptimize(filter.Output().data());
        filter.Output().clear();
    }
}

// On a shared machine the fastest repetition is the one least disturbed by others, so it is
// reported beside the median; with interleaved repetitions, disturbances fall on all alike.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(BM_BareEncrypt)->Name("Encrypt")->ComputeStatistics("min", fastest);
BENCHMARK(BM_FilterLine<Direction::Encrypt>)
    ->Name("FilterLine/Encrypt")
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_BareDecrypt)->Name("Decrypt")->ComputeStatistics("min", fastest);
BENCHMARK(BM_FilterLine<Direction::Decrypt>)
    ->Name("FilterLine/Decrypt")
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_FilterLine<Direction::EncryptToPrintable>)
    ->Name("FilterLine/EncryptToPrintable")
    ->ComputeStatistics("min", fastest);
BENCHMARK(BM_FilterLine<Direction::Decrypt, true>)
    ->Name("FilterLine/DecryptPrintable")
    ->ComputeStatistics("min", fastest);

} // namespace

BENCHMARK_MAIN();
