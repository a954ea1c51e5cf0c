#include "window/TitleAnimation.h"

#include <array>

namespace vellum::window {

namespace {

constexpr char kSuffix[] = " v4.0";
constexpr int kResetOffset = 10;
constexpr int kCharacterShift = 60;

// Of Windows-1252, only codes 0x80 to 0x9F are not their own Unicode value. The five the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, as Windows shows them; the title shows 0x9D in place of its "a".
constexpr std::array<char16_t, 32> kUnicodeOf80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar windows1252Character(int code) {
    const bool ownValue = code < 0x80 || code >= 0xA0;
    return QChar(ownValue ? static_cast<char16_t>(code)
                          : kUnicodeOf80To9F[static_cast<std::size_t>(code - 0x80)]);
}

} // namespace

// The step stays within 0 to 20 and the shifted codes within 117 to 177, so nothing can overflow.
QString NextTitleCaption(qint16& step) {
    const QString title = QString::fromLatin1(kFormTitle);
    const auto titleLength = static_cast<int>(title.size());
    if (step == titleLength + kResetOffset)
        step = 1;

    QString caption;
    if (step > titleLength) {
        caption = title;
    } else {
        caption = title.left(step);
        if (!caption.isEmpty())
            caption.back() = windows1252Character(caption.back().unicode() + kCharacterShift);
    }
    ++step;
    return caption + QString::fromLatin1(kSuffix);
}

} // namespace vellum::window
