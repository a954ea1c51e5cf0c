#include "component/ComponentSecurity.h"
#include "text/LineCipher.h"
#include "text/Message.h"
#include "text/PrintableForm.h"
#include "text/QrCode.h"

#include <emscripten/bind.h>
#include <string>
#include <vector>

// What the page calls: one line through the line layer, as the window and the filters take it,
// and what came of it, with a refusal's message left for the page to translate.
namespace vellum::web {

namespace {

// What the window shows as the source of a refusal that is the text's own fault.
constexpr char kFormSource[] = "Vellum41.Form1";

// The line a command made, or why it made none: the refusal's source and its message, the
// English text under its context with the arguments that fill it in, and the count that chooses
// its plural form, or -1.
struct Outcome {
    bool done = false;
    std::string line;
    std::string source;
    std::string context;
    std::string english;
    std::vector<std::string> arguments;
    double count = -1; // a JavaScript number holds any count a line can have
};

Outcome refused(const text::Refusal& refusal, const std::string& source) {
    const text::Message& why = refusal.Why();
    return {.done = false,
            .line = {},
            .source = source.empty() ? kFormSource : source,
            .context = why.text.context,
            .english = why.text.english,
            .arguments = why.arguments,
            .count = why.count ? static_cast<double>(*why.count) : -1};
}

Outcome made(std::string line) {
    return {.done = true,
            .line = std::move(line),
            .source = {},
            .context = {},
            .english = {},
            .arguments = {},
            .count = -1};
}

template <typename Cipher> Outcome run(Cipher cipher, const std::string& line) {
    static component::ComponentSecurity security; // the page's one component, as the window's
    try {
        return made(cipher(security, line));
    } catch (const text::LineRefused& refusal) {
        return refused(refusal, refusal.Source());
    }
}

// The QR code of `text`: its modules row by row, "1" for dark, as the line.
Outcome qrCode(const std::string& text) {
    try {
        const text::QrCode code = text::QrCodeOf(text);
        std::string modules;
        for (int y = 0; y < code.Size(); ++y)
            for (int x = 0; x < code.Size(); ++x)
                modules += code.IsDark(x, y) ? '1' : '0';
        return made(std::move(modules));
    } catch (const text::Refusal& refusal) {
        return refused(refusal, {});
    }
}

Outcome encryptLine(const std::string& line) {
    return run(text::EncryptLine, line);
}

Outcome decryptLine(const std::string& line) {
    return run(text::DecryptLine, line);
}

std::string printableForm(const std::string& cipherText) {
    return text::Wrap(cipherText);
}

std::string filled(const std::string& translated, const std::vector<std::string>& arguments) {
    return text::Filled(translated, arguments);
}

} // namespace

EMSCRIPTEN_BINDINGS(vellumark9) {
    emscripten::register_vector<std::string>("Strings");
    emscripten::value_object<Outcome>("Outcome")
        .field("done", &Outcome::done)
        .field("line", &Outcome::line)
        .field("source", &Outcome::source)
        .field("context", &Outcome::context)
        .field("english", &Outcome::english)
        .field("arguments", &Outcome::arguments)
        .field("count", &Outcome::count);
    emscripten::function("encryptLine", &encryptLine);
    emscripten::function("decryptLine", &decryptLine);
    emscripten::function("printableForm", &printableForm);
    emscripten::function("qrCode", &qrCode);
    emscripten::constant("qrQuietZone", text::kQrQuietZone);
    emscripten::function("filled", &filled);
}

} // namespace vellum::web
