#pragma once

#include <QString>
#include <QtGlobal>

namespace vellum::window {

// The window's title: its caption at start-up, its accessible name, and what the animation types.
inline constexpr char kFormTitle[] = "Vellumark9";

// The title types itself out one character a tick, the newest character shown as the one whose
// Windows-1252 code is its code plus 60, then stands whole for nine ticks. Returns the caption
// for `step` and advances `step` (0 only on the first tick; then 1 to 20, wrapping to 1).
QString NextTitleCaption(qint16& step);

} // namespace vellum::window
