#include "ComponentSecurity.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

std::string plainTextOf(benchmark::State& state) {
    return std::string(static_cast<std::size_t>(state.range(0)), 'q');
}

void BM_Encrypt(benchmark::State& state) {
    vellum::ComponentSecurity component;
    const std::string plainText = plainTextOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(component.Encrypt(plainText));
}
BENCHMARK(BM_Encrypt)->Arg(0)->Arg(28)->Arg(109);

void BM_Decrypt(benchmark::State& state) {
    vellum::ComponentSecurity component;
    const std::string cipherText = component.Encrypt(plainTextOf(state));
    for (auto _ : state) {
        std::string working = cipherText; // Decrypt rewrites its argument
        benchmark::DoNotOptimize(component.Decrypt(working));
    }
}
BENCHMARK(BM_Decrypt)->Arg(0)->Arg(28)->Arg(109);

// The worst case of the reverse substitution: every character is a code 127 to replace.
void BM_DecryptAllSubstituted(benchmark::State& state) {
    vellum::ComponentSecurity component;
    const std::string cipherText(static_cast<std::size_t>(state.range(0)), '\x7f');
    for (auto _ : state) {
        std::string working = cipherText;
        try {
            benchmark::DoNotOptimize(component.Decrypt(working));
        } catch (const vellum::ComponentError&) {
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(BM_DecryptAllSubstituted)->Arg(32000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
