#include "text/QrCode.h"

#include "text/Message.h"

#include <memory>
#include <qrencode.h>
#include <stdexcept>
#include <string>

namespace vellum::text {

QrCode::QrCode(int size, std::vector<bool> dark)
    : m_size(size)
    , m_dark(std::move(dark)) {}

bool QrCode::IsDark(int x, int y) const {
    return m_dark[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_size) +
                  static_cast<std::size_t>(x)];
}

QrCode QrCodeOf(std::string_view text) {
    if (text.size() > kQrCodeCapacity)
        throw Refusal(Message{VELLUM_TRANSLATABLE_COUNTED(
                                  "Refusal", "The printable text has %1 characters, too many for "
                                             "one QR code, which holds at most %2."),
                              {std::to_string(text.size()), std::to_string(kQrCodeCapacity)},
                              text.size()});
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(static_cast<int>(text.size()),
                          reinterpret_cast<const unsigned char*>(text.data()), 0, QR_ECLEVEL_M),
        QRcode_free);
    if (!code)
        throw std::runtime_error("libqrencode could not encode the text");
    const auto modules =
        static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width);
    std::vector<bool> dark(modules);
    for (std::size_t at = 0; at < modules; ++at)
        dark[at] = (code->data[at] & 1) != 0; // the lowest bit is the module's colour
    return {code->width, std::move(dark)};
}

} // namespace vellum::text
