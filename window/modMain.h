#pragma once

#include <cstdint>

class QWidget;

// The window-order call the float toggle makes, with the argument layout and constants of the
// desktop API it was designed against, carried out through Qt.
namespace vellum::window::modMain {

inline constexpr std::int32_t HWND_TOPMOST = -1;
inline constexpr std::int32_t HWND_NOTOPMOST = -2;
inline constexpr std::int32_t SWP_NOSIZE = 0x0001;
inline constexpr std::int32_t SWP_NOMOVE = 0x0002;
inline constexpr std::int32_t SWP_NOACTIVATE = 0x0010;

// Puts the window `hWnd` into or out of the always-on-top order; moves, sizes and activates it
// unless `wFlags` says not to. Returns 0 when there is no such window or `hWndInsertAfter` is
// neither HWND_TOPMOST nor HWND_NOTOPMOST, non-zero otherwise.
std::int32_t SetWindowPos(std::int32_t hWnd, std::int32_t hWndInsertAfter, std::int32_t X,
                          std::int32_t Y, std::int32_t cx, std::int32_t cy, std::int32_t wFlags);

// The 32-bit handle by which SetWindowPos finds the top-level widget `window`.
std::int32_t WindowHandle(QWidget& window);

} // namespace vellum::window::modMain
