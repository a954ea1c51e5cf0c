#include "TitleAnimation.h"

#include "Checked.h"

namespace vellum {

namespace {

constexpr char kSuffix[] = " v4.0";
constexpr int kResetOffset = 10;
constexpr int kCharacterShift = 60;

} // namespace

std::string NextTitleCaption(qint16& step) {
    using runtime::Int16;
    using runtime::Int32;
    const std::string title = kFormTitle;
    const Int32 titleLength(title.size());
    Int16 current = step;
    if (Int32(current) == titleLength + kResetOffset)
        current = 1;

    std::string caption;
    if (Int32(current) > titleLength) {
        caption = title + kSuffix;
    } else {
        caption = title.substr(0, static_cast<std::size_t>(current.get()));
        if (!caption.empty()) {
            const Int16 shifted =
                Int16(static_cast<unsigned char>(caption.back())) + kCharacterShift;
            caption.back() = static_cast<char>(shifted.get());
        }
        caption += kSuffix;
    }
    step = (current + 1).get();
    return caption;
}

} // namespace vellum
