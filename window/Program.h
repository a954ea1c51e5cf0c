#pragma once

namespace vellum {

// Before the QApplication exists: where both a Wayland and an X display are available and the
// user has not chosen a platform, run on X11, since a Wayland client cannot float itself.
void PreferFloatablePlatform();

// After the QApplication exists: the program's name, version and desktop identity, which also
// give the window its WM_CLASS ("Vellumark9").
void ApplyProgramSettings();

} // namespace vellum
