#include "filter/Catalogue.h"

#include <clocale>
#include <libintl.h>

namespace vellum::filter {

namespace {

constexpr char kDomain[] = "vellumark9";

} // namespace

void OpenCatalogue(const std::string& localeDirectory) {
    // Only what messages need, the language and the character set: loading every category of
    // the locale would be most of a filter's start-up.
    std::setlocale(LC_CTYPE, "");
    std::setlocale(LC_MESSAGES, "");
    bindtextdomain(kDomain, localeDirectory.c_str());
    bind_textdomain_codeset(kDomain, "UTF-8"); // the filters speak UTF-8, whatever the locale
}

// gettext files a message with a context under "context\4text", and hands back its own argument
// when it has no translation. A counted text is its own plural too, since its English has one form.
std::string Translated(const text::Message& message) {
    const std::string key = std::string(message.text.context) + '\4' + message.text.english;
    const char* const found = message.count
                                  ? dngettext(kDomain, key.c_str(), key.c_str(), *message.count)
                                  : dgettext(kDomain, key.c_str());
    return text::Filled(found == key.c_str() ? message.text.english : found, message.arguments);
}

} // namespace vellum::filter
