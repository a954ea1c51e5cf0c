#pragma once

#include <QtGlobal>
#include <string>

namespace vellum::window {

// The window's title: its caption at start-up, its accessible name, and what the animation types.
inline constexpr char kFormTitle[] = "Vellumark9";

// The title types itself out one character a tick, the newest character shown with its code
// plus 60, then stands whole for nine ticks. Returns the caption for `step` as Windows-1252
// codes and advances `step` (0 only on the first tick; then 1 to 20, wrapping to 1).
std::string NextTitleCaption(qint16& step);

} // namespace vellum::window
