#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellum::text {

// An English text and the catalogue context it is filed under.
struct Translatable {
    const char* context;
    const char* english;
};

} // namespace vellum::text

// Marks an English text for the catalogues: lupdate reads it as QT_TRANSLATE_NOOP, xgettext as a
// context and a message. It stands for the text with its context, so that each is written once.
#define VELLUM_TRANSLATABLE(context, english) (::vellum::text::Translatable{context, english})
// The same for a text that tells a number: the catalogues hold a form of it for each of the
// language's plural forms, chosen by the message's count. The English is one form for every count.
#define VELLUM_TRANSLATABLE_COUNTED(context, english) VELLUM_TRANSLATABLE(context, english)

namespace vellum::text {

// What the program tells its user: an English text with %1, %2... where its arguments go. Each
// front end translates the text through its own catalogue, tr() in the window and gettext on the
// command line, and then fills it in. A text that tells a number has its count, which chooses the
// plural form; it is one of the arguments too.
struct Message {
    Translatable text;
    std::vector<std::string> arguments;
    std::optional<unsigned long> count = std::nullopt;
};

// `text` with each %1 to %9 replaced by that argument.
std::string Filled(std::string_view text, const std::vector<std::string>& arguments);

std::string English(const Message& message);

// A text the program refuses, and why; what() is the message in English.
class Refusal : public std::runtime_error {
public:
    explicit Refusal(Message message);
    const Message& Why() const { return m_message; }

private:
    Message m_message;
};

} // namespace vellum::text
