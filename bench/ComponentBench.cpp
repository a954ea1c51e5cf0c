#include "component/ComponentSecurity.h"

#include <array>
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <string>

// The ciphers beside a real one doing the same work: AES-128-GCM of the same plaintext through
// OpenSSL, with its context and key set up once and reused, as a program encrypting line after
// line would, and only a fresh nonce each time.
namespace {

using vellum::component::ComponentSecurity;

std::string plainTextOf(benchmark::State& state) {
    return std::string(static_cast<std::size_t>(state.range(0)), 'q');
}

void BM_Encrypt(benchmark::State& state) {
    ComponentSecurity component;
    const std::string plainText = plainTextOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(component.Encrypt(plainText));
}

void BM_Decrypt(benchmark::State& state) {
    ComponentSecurity component;
    const std::string cipherText = component.Encrypt(plainTextOf(state));
    for (auto _ : state) {
        std::string working = cipherText; // decryption rewrites its argument
        benchmark::DoNotOptimize(component.Decrypt(working));
    }
}

void BM_EncryptBinary(benchmark::State& state) {
    ComponentSecurity component;
    const std::string plainText = plainTextOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(component.EncryptBinary(plainText));
}

void BM_DecryptBinary(benchmark::State& state) {
    ComponentSecurity component;
    const std::string cipherText = component.EncryptBinary(plainTextOf(state)).value();
    for (auto _ : state) {
        std::string working = cipherText;
        benchmark::DoNotOptimize(component.DecryptBinary(working));
    }
}

// One AES-128-GCM context, keyed once; each call takes a new nonce, the text and the tag.
class Gcm {
public:
    explicit Gcm(bool encrypting)
        : m_context(EVP_CIPHER_CTX_new()) {
        const std::array<unsigned char, 16> key{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        const auto init = encrypting ? EVP_EncryptInit_ex : EVP_DecryptInit_ex;
        init(m_context, EVP_aes_128_gcm(), nullptr, key.data(), m_nonce.data());
    }
    ~Gcm() { EVP_CIPHER_CTX_free(m_context); }
    Gcm(const Gcm&) = delete;
    Gcm& operator=(const Gcm&) = delete;

    std::string Encrypt(const std::string& in, std::array<unsigned char, 16>& tag) {
        ++m_nonce[0];
        EVP_EncryptInit_ex(m_context, nullptr, nullptr, nullptr, m_nonce.data());
        std::string out(in.size(), '\0');
        int length = 0;
        EVP_EncryptUpdate(m_context, reinterpret_cast<unsigned char*>(out.data()), &length,
                          reinterpret_cast<const unsigned char*>(in.data()),
                          static_cast<int>(in.size()));
        EVP_EncryptFinal_ex(m_context, nullptr, &length);
        EVP_CIPHER_CTX_ctrl(m_context, EVP_CTRL_GCM_GET_TAG, 16, tag.data());
        return out;
    }

    bool Decrypt(const std::string& in, std::array<unsigned char, 16>& tag, std::string& out) {
        EVP_DecryptInit_ex(m_context, nullptr, nullptr, nullptr, m_nonce.data());
        out.resize(in.size());
        int length = 0;
        EVP_DecryptUpdate(m_context, reinterpret_cast<unsigned char*>(out.data()), &length,
                          reinterpret_cast<const unsigned char*>(in.data()),
                          static_cast<int>(in.size()));
        EVP_CIPHER_CTX_ctrl(m_context, EVP_CTRL_GCM_SET_TAG, 16, tag.data());
        return EVP_DecryptFinal_ex(m_context, nullptr, &length) == 1;
    }

    std::array<unsigned char, 12>& Nonce() { return m_nonce; }

private:
    EVP_CIPHER_CTX* m_context;
    std::array<unsigned char, 12> m_nonce{};
};

void BM_Aes128GcmEncrypt(benchmark::State& state) {
    Gcm gcm(true);
    const std::string plainText = plainTextOf(state);
    std::array<unsigned char, 16> tag{};
    for (auto _ : state)
        benchmark::DoNotOptimize(gcm.Encrypt(plainText, tag));
}

void BM_Aes128GcmDecrypt(benchmark::State& state) {
    Gcm sealing(true);
    std::array<unsigned char, 16> tag{};
    const std::string sealed = sealing.Encrypt(plainTextOf(state), tag);
    Gcm gcm(false);
    gcm.Nonce() = sealing.Nonce();
    std::string out;
    for (auto _ : state) {
        if (!gcm.Decrypt(sealed, tag, out))
            state.SkipWithError("the tag did not match");
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_Encrypt)->Name("Encrypt")->Arg(0)->Arg(28)->Arg(109);
BENCHMARK(BM_Aes128GcmEncrypt)->Name("AES-128-GCM encrypt")->Arg(28);
BENCHMARK(BM_Decrypt)->Name("Decrypt")->Arg(0)->Arg(28)->Arg(109);
BENCHMARK(BM_Aes128GcmDecrypt)->Name("AES-128-GCM decrypt")->Arg(28);
BENCHMARK(BM_EncryptBinary)->Name("EncryptBinary")->Arg(28)->Arg(252);
BENCHMARK(BM_DecryptBinary)->Name("DecryptBinary")->Arg(28)->Arg(252);

} // namespace

BENCHMARK_MAIN();
