#include "window/modMain.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace vellum::window::modMain {

namespace {

constexpr char kHandleProperty[] = "vellumWindowHandle";

QWidget* windowFor(std::int32_t handle) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->property(kHandleProperty).toInt() == handle)
            return window;
    }
    return nullptr;
}

// Changing the flag on the native window keeps it mapped where it is; QWidget::setWindowFlag
// would destroy and re-create it (and steal the focus). Before the first show there is no
// native window yet, and the widget's own flag makes it map already on top.
void setStaysOnTop(QWidget& window, bool onTop) {
    if (QWindow* native = window.windowHandle())
        native->setFlag(Qt::WindowStaysOnTopHint, onTop);
    else
        window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

} // namespace

std::int32_t SetWindowPos(std::int32_t hWnd, std::int32_t hWndInsertAfter, std::int32_t X,
                          std::int32_t Y, std::int32_t cx, std::int32_t cy, std::int32_t wFlags) {
    QWidget* window = windowFor(hWnd);
    if (window == nullptr || (hWndInsertAfter != HWND_TOPMOST && hWndInsertAfter != HWND_NOTOPMOST))
        return 0;
    setStaysOnTop(*window, hWndInsertAfter == HWND_TOPMOST);
    if ((wFlags & SWP_NOMOVE) == 0)
        window->move(X, Y);
    if ((wFlags & SWP_NOSIZE) == 0)
        window->resize(cx, cy);
    if ((wFlags & SWP_NOACTIVATE) == 0)
        window->activateWindow();
    return 1;
}

std::int32_t WindowHandle(QWidget& window) {
    static std::int32_t lastHandle = 0;
    const QVariant handle = window.property(kHandleProperty);
    if (handle.isValid())
        return handle.toInt();
    window.setProperty(kHandleProperty, ++lastHandle);
    return lastHandle;
}

} // namespace vellum::window::modMain
