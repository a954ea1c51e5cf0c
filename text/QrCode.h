#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A text as one QR code, for a phone's camera to take in: byte mode, which a printable form
// needs for its lower-case letters, at error-correction level M.
namespace vellum::text {

// The most a QR code holds in byte mode at level M (version 40).
inline constexpr std::size_t kQrCodeCapacity = 2331;
// Modules of light that every drawing of a code leaves around it, as scanners expect.
inline constexpr int kQrQuietZone = 4;

// A QR code's modules, without its quiet zone: `size` rows of `size`, each true where it is dark.
class QrCode {
public:
    QrCode(int size, std::vector<bool> dark);
    int Size() const { return m_size; }
    bool IsDark(int x, int y) const;

private:
    int m_size;
    std::vector<bool> m_dark;
};

// The code that holds `text`; throws Refusal when `text` has more than kQrCodeCapacity bytes.
QrCode QrCodeOf(std::string_view text);

} // namespace vellum::text
