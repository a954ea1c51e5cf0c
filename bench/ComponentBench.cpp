#include "ComponentSecurity.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <string>

namespace {

using vellum::ComponentSecurity;

std::string plainTextOf(benchmark::State& state) {
    return std::string(static_cast<std::size_t>(state.range(0)), 'q');
}

std::string textOf(std::string text) {
    return text;
}
std::string textOf(std::optional<std::string> text) {
    return text.value();
}

// The text cipher's calls that return their results, as the window makes them.
constexpr auto kEncrypt = static_cast<std::string (ComponentSecurity::*)(const std::string&)>(
    &ComponentSecurity::Encrypt);
constexpr auto kDecrypt =
    static_cast<std::string (ComponentSecurity::*)(std::string&)>(&ComponentSecurity::Decrypt);

template <auto encrypt> void BM_Encrypt(benchmark::State& state) {
    ComponentSecurity component;
    const std::string plainText = plainTextOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize((component.*encrypt)(plainText));
}

template <auto encrypt, auto decrypt> void BM_Decrypt(benchmark::State& state) {
    ComponentSecurity component;
    const std::string cipherText = textOf((component.*encrypt)(plainTextOf(state)));
    for (auto _ : state) {
        std::string working = cipherText; // decryption rewrites its argument
        benchmark::DoNotOptimize((component.*decrypt)(working));
    }
}

BENCHMARK(BM_Encrypt<kEncrypt>)->Name("Encrypt")->Arg(0)->Arg(28)->Arg(109);
BENCHMARK(BM_Decrypt<kEncrypt, kDecrypt>)->Name("Decrypt")->Arg(0)->Arg(28)->Arg(109);
BENCHMARK(BM_Encrypt<&ComponentSecurity::EncryptBinary>)
    ->Name("EncryptBinary")
    ->Arg(0)
    ->Arg(28)
    ->Arg(252);
BENCHMARK(BM_Decrypt<&ComponentSecurity::EncryptBinary, &ComponentSecurity::DecryptBinary>)
    ->Name("DecryptBinary")
    ->Arg(0)
    ->Arg(28)
    ->Arg(252);

// The worst case of the reverse substitution: every character is a code 127 to replace.
void BM_DecryptAllSubstituted(benchmark::State& state) {
    ComponentSecurity component;
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
BENCHMARK(BM_DecryptAllSubstituted)
    ->Name("Decrypt of code 127 only")
    ->Arg(32000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
