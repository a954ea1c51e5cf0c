#pragma once

#include <optional>

namespace vellum {

// Before anything else, and without a display: answers --help and --version on standard output,
// runs the --encrypt and --decrypt line filters, and refuses unknown options and arguments on
// standard error. Qt's own options (-platform,
// -style...) pass through to the QApplication. Returns the exit status when the program should
// end here; nothing when it should go on and open its window, as it always does with no
// arguments at all.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

// Before the QApplication exists: where both a Wayland and an X display are available and the
// user has not chosen a platform, run on X11, since a Wayland client cannot float itself.
void PreferFloatablePlatform();

// After the QApplication exists: the program's name, version and desktop identity, which also
// give the window its WM_CLASS ("Vellumark9").
void ApplyProgramSettings();

} // namespace vellum
