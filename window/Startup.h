#pragma once

// What the window program does around its QApplication, apart from the window itself.
namespace vellum::window {

// Before the QApplication exists: where both a Wayland and an X display are available and the
// user has not chosen a platform, run on X11, since a Wayland client cannot float itself.
void PreferFloatablePlatform();

// Before the QApplication exists: a fatal error of Qt's, such as no display to open the window
// on, ends the program with its message and exit status 1, not with a crash and a core dump.
void EndCleanlyOnFatalErrors();

// After the QApplication exists: the program's name, version and desktop identity, which also
// give the window its WM_CLASS ("Vellumark9").
void ApplyProgramSettings();

// After the QApplication exists, before any window: the program's catalogue, built in, and Qt's
// own for its standard texts (the boxes' context menu, the buttons of message boxes), each in the
// first of the user's languages that it has.
void LoadTranslations();

} // namespace vellum::window
