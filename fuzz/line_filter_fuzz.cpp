// Any bytes, as the filters' input: either a line is refused at a named line, or each line comes
// out as one ciphertext line of codes 14 to 127, bare or printable, that decrypts back to it; as
// ciphertexts, each line decrypted or refused at a named line; and as a printable text, refused
// as damaged or unwrapped exactly. This also drives the UTF-8 decoder over every malformed
// sequence the fuzzer finds.
#include "filter/LineFilter.h"
#include "text/PrintableForm.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using vellum::filter::Direction;
using vellum::filter::LineFilter;

void require(bool condition) {
    if (!condition)
        std::abort();
}

// The input's lines as the filters read them, each ended by LF alone.
std::string linesOf(std::string_view input) {
    std::string lines;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        std::string_view line = input.substr(0, end);
        if (end < input.size() && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.append(line).append("\n");
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return lines;
}

bool filterWhole(LineFilter& filter, std::string_view input) {
    const std::size_t half = input.size() / 2; // two reads, so lines also cross a read's end
    return filter.Feed(input.substr(0, half)) && filter.Feed(input.substr(half)) && filter.Finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // As a printable text: refused as damaged, or unwrapped into a ciphertext whose printable
    // form is what was read.
    try {
        require(input.find(vellum::text::Wrap(vellum::text::Unwrap(input))) !=
                std::string_view::npos);
    } catch (const vellum::text::DamagedForm& damage) {
        require(std::string_view(damage.what()).starts_with("The printable text is damaged: "));
    }

    LineFilter decryptAny(Direction::Decrypt, false);
    require(filterWhole(decryptAny, input) || decryptAny.Failure().starts_with("line "));

    for (const Direction direction : {Direction::Encrypt, Direction::EncryptToPrintable}) {
        LineFilter encrypt(direction, false);
        if (!filterWhole(encrypt, input)) {
            require(encrypt.Failure().starts_with("line "));
            return 0;
        }
        for (const char code : encrypt.Output())
            require(code == '\n' || code >= 14); // a signed char: 14 to 127
        LineFilter decrypt(Direction::Decrypt, false);
        require(filterWhole(decrypt, encrypt.Output()));
        require(decrypt.Output() == linesOf(input));
    }
    return 0;
}
