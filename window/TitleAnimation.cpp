#include "window/TitleAnimation.h"

namespace vellum::window {

namespace {

constexpr char kSuffix[] = " v4.0";
constexpr int kResetOffset = 10;
constexpr int kCharacterShift = 60;

} // namespace

// The step stays within 0 to 20 and the shifted codes within 117 to 177, so nothing can overflow.
std::string NextTitleCaption(qint16& step) {
    const std::string title = kFormTitle;
    const auto titleLength = static_cast<int>(title.size());
    if (step == titleLength + kResetOffset)
        step = 1;

    std::string caption;
    if (step > titleLength) {
        caption = title;
    } else {
        caption = title.substr(0, static_cast<std::size_t>(step));
        if (!caption.empty())
            caption.back() =
                static_cast<char>(static_cast<unsigned char>(caption.back()) + kCharacterShift);
    }
    ++step;
    return caption + kSuffix;
}

} // namespace vellum::window
