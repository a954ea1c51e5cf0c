#include "text/Message.h"

namespace vellum::text {

std::string Filled(std::string_view text, const std::vector<std::string>& arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool marker =
            text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(text[at + 1] - '1') : 0;
        if (marker && index < arguments.size()) {
            filled += arguments[index];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

std::string English(const Message& message) {
    return Filled(message.text.english, message.arguments);
}

Refusal::Refusal(Message message)
    : std::runtime_error(English(message))
    , m_message(std::move(message)) {}

} // namespace vellum::text
