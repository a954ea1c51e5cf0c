#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The printable form of a ciphertext: the same scrambled text, wrapped in ASCII letters, digits
// and underscores only, so that it survives XML, URLs, SMS, e-mail, JSON and terminals, and a
// double-click selects it whole. It protects nothing more than the ciphertext inside it.
//
// Layout: the prefix "vm9_", three check digits, then three digits for each pair of ciphertext
// characters and two for a last odd one. A digit is one of the 63 characters 0-9, A-Z, a-z and
// _, worth 0 to 62 in that order. A ciphertext code c (14 to 127) counts as c - 14, 0 to 113. A
// pair (a, b) is written as a halved, b halved (0 to 56 each), then 2 × (a mod 2) + (b mod 2);
// a last odd code c as c halved, then c mod 2. No multiplication or division by 63 on the way,
// in either direction: every line of a filter goes through here. The check is the number of data
// digits plus the sum of their values, each times its place (1, 2, 3...), modulo 65521, in three
// digits, the most significant first. A ciphertext's first character is its key character, which is
// never a "v", so no ciphertext begins with the prefix.
namespace vellum::printable {

inline constexpr std::string_view kPrefix = "vm9_";

// The printable form of `cipherText`. Throws std::invalid_argument for a code outside 14 to 127,
// which no ciphertext has.
std::string Wrap(std::string_view cipherText);
// The same, appended to `text`; it is plain ASCII, and so the same in UTF-8 and in the codes.
void AppendWrapped(std::string_view cipherText, std::string& text);

// The length of the printable form of a ciphertext of `cipherLength` codes.
constexpr std::size_t WrappedLength(std::size_t cipherLength) {
    return kPrefix.size() + 3 + cipherLength / 2 * 3 + (cipherLength % 2 != 0 ? 2 : 0);
}
// How many characters past the form WriteWrapped may write over on the way.
inline constexpr std::size_t kWritingSlack = 2;
// Writes the printable form of `cipherText` at `form`, which has room for it and kWritingSlack
// characters more: for output that keeps room of its own. False, with the room written over, for a
// code outside 14 to 127.
[[nodiscard]] bool WriteWrapped(std::string_view cipherText, char* form);

// Whether `text`, leading and trailing white space aside, is a printable form that is not
// damaged; if so, the ciphertext inside it is written into `cipherText`, whose storage is reused,
// and otherwise `cipherText` is left unspecified. A printable form is plain ASCII, the same in
// UTF-8 and in the codes, so a filter can read it straight from the line.
bool UnwrapUndamaged(std::string_view text, std::string& cipherText);

// Whether `text`, leading and trailing white space aside, claims to be a printable form.
bool IsWrapped(std::string_view text);

// The ciphertext inside a printable form (see IsWrapped), written into `cipherText`, whose storage
// is reused; or why the form is damaged, in the user's words, and `cipherText` is left empty.
std::optional<std::string> Unwrap(std::string_view text, std::string& cipherText);

// The reading Decrypt takes of `text`, in the window and the filters alike: a printable form gives
// way to the ciphertext inside it, unwrapped through `spare`, and any other text stays as it is.
// Why the printable form is damaged, or nothing.
std::optional<std::string> UnwrapIfWrapped(std::string& text, std::string& spare);

} // namespace vellum::printable
