// Feeds every file named on the command line (or found in a named directory) to the harness
// once, so that CTest replays the corpus with any compiler, without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(stream), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int arg = 1; arg < argc; ++arg) {
        const std::filesystem::path path(argv[arg]);
        if (!std::filesystem::is_directory(path)) {
            replay(path);
            ++replayed;
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            replay(entry.path());
            ++replayed;
        }
    }
    std::cout << "replayed " << replayed << " inputs\n";
    return replayed > 0 ? 0 : 1;
}
