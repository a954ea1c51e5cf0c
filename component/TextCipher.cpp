#include "TextCipher.h"

#include "Checked.h"
#include "Seeding.h"
#include "TextPrimitives.h"

#include <algorithm>

namespace vellum::text {

using runtime::characterOf;
using runtime::codeAt;
using runtime::Int16;
using runtime::Int32;
using runtime::toInt16;

namespace {

constexpr int kModulus = 111;
constexpr int kOffset = 14;
constexpr int kLowestCarried = 14;
constexpr int kHighestCarried = 124;

// The table character a cipher character is shifted by; `term` is the key position plus the
// character's position in the ciphertext.
Int16 shiftFor(const std::string& table, Int32 term, Int32 keyPosition) {
    return codeAt(table, (term * keyPosition) % Int32(table.size()) + 1);
}

void appendFillers(std::string& output, Int16 count, runtime::RandomSource& random) {
    for (Int16 filler = 1; filler <= count; filler = filler + 1)
        output += characterOf(runtime::drawScaled(random, 111.0f, 14.0f));
}

} // namespace

std::optional<std::string> refusalOf(const std::string& plainText) {
    if (plainText.size() > kLongestPlainText)
        return "Error encrypting data: the text has " + std::to_string(plainText.size()) +
               " characters; at most " + std::to_string(kLongestPlainText) + " can be encrypted.";
    for (std::size_t index = 0; index < plainText.size(); ++index) {
        const int code = static_cast<unsigned char>(plainText[index]);
        if (code < kLowestCarried || code > kHighestCarried)
            return "Error encrypting data: the character at position " + std::to_string(index + 1) +
                   " (code " + std::to_string(code) + ") cannot be encrypted; only codes " +
                   std::to_string(kLowestCarried) + " to " + std::to_string(kHighestCarried) +
                   " can.";
    }
    return std::nullopt;
}

std::string scramble(const std::string& plainText, const std::string& table,
                     runtime::RandomSource& random, runtime::Clock& clock) {
    runtime::seedFromClockDigits(random, clock);
    const Int32 key = runtime::drawScaled(random, 80.0f, 1.0f);
    const Int16 padCount = toInt16(key % 8);
    const Int32 length = Int32(plainText.size());
    const Int16 trailingCount = toInt16(Int32(Int16(30) - padCount - Int16(2)) - length);

    std::string output;
    output.reserve(static_cast<std::size_t>(std::max(30, 2 + padCount.get() + length.get())));
    output += characterOf(codeAt(table, key));
    output += characterOf((Int32(codeAt(table, key + 1)) + length) % kModulus + kOffset);
    appendFillers(output, padCount, random);

    const Int16 prefixLength = Int16(output.size());
    const Int16 count = toInt16(length);
    for (Int16 i = 1; i <= count; i = i + 1) {
        const Int16 shift = shiftFor(table, Int32(i) + key + Int32(prefixLength), key);
        output +=
            characterOf(Int32((shift + codeAt(plainText, i)) % Int16(kModulus) + Int16(kOffset)));
    }

    random.Reseed(clock.Now().Serial());
    appendFillers(output, trailingCount, random);
    runtime::substitute(output, '|', '\x7f');
    runtime::substitute(output, ';', '~');
    return output;
}

std::string unscramble(std::string& cipherText, const std::string& table) {
    runtime::substitute(cipherText, '\x7f', '|');
    runtime::substitute(cipherText, '~', ';');
    const Int32 key =
        cipherText.empty() ? Int32(1) : runtime::tablePosition(table, cipherText.front());
    const Int16 base = codeAt(table, key + 1);
    const Int16 lengthCode = codeAt(cipherText, 2);

    Int16 length = (lengthCode - base) % Int16(kModulus) - Int16(kOffset);
    if (length < -1)
        length = length + Int16(kModulus);
    const Int16 padCount = toInt16(key % 8);

    std::string plainText;
    plainText.reserve(static_cast<std::size_t>(std::max(0, int{length.get()})));
    for (Int16 i = padCount + Int16(3); i <= padCount + Int16(2) + length; i = i + 1) {
        const Int16 shift = shiftFor(table, Int32(i) + key, key);
        Int16 code = (codeAt(cipherText, i) - shift) % Int16(kModulus) - Int16(kOffset);
        while (code < kLowestCarried)
            code = code + Int16(kModulus);
        plainText += characterOf(code);
    }
    return plainText;
}

} // namespace vellum::text
