#include "Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vellum {

namespace {

constexpr const char* kCodePage = "windows-1252";

// A fresh converter every time: a used one keeps its error state and its partial input.
std::optional<QByteArray> encodedExactly(QStringView text) {
    QStringEncoder encoder(kCodePage);
    const QByteArray codes = encoder.encode(text);
    if (encoder.hasError() || QString(QStringDecoder(kCodePage).decode(codes)) != text)
        return std::nullopt; // unencodable characters come out silently as code 26 otherwise
    return codes;
}

UnencodableCharacter firstUnencodable(const QString& text) {
    qsizetype position = 1;
    for (qsizetype at = 0; at < text.size(); ++position) {
        const qsizetype length = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(at, length);
        if (!encodedExactly(character))
            return {character.toString(), position};
        at += length;
    }
    return {QString(), position};
}

} // namespace

QString fromWindows1252(const std::string& codes) {
    return QStringDecoder(kCodePage).decode(
        QByteArrayView(codes.data(), static_cast<qsizetype>(codes.size())));
}

Windows1252Text toWindows1252(const QString& text) {
    if (const auto codes = encodedExactly(text))
        return {codes->toStdString(), std::nullopt};
    return {std::string(), firstUnencodable(text)};
}

} // namespace vellum
