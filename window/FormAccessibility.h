#pragma once

#include <QString>

class QLineEdit;
struct QMetaObject;
class QPushButton;
class QWidget;

namespace vellum::window {

// What a screen reader needs beyond what Qt's own controls tell it.

// Makes Qt expose the windows of class `window` as frames (a plain QWidget would be a "filler"),
// and line edits through BoxAccessible. Call before anything asks for the window's accessible
// interface; calling it again changes nothing.
void InstallAccessibleInterfaces(const QMetaObject& window);

// A push button that can be checked, so that a screen reader reports and announces its state,
// but that always draws like a plain one: its caption already tells sighted users the state.
QPushButton* NewToggleButton(const QString& caption, QWidget* parent);

// Qt's line edit reports its caret and selection while it takes the focus, before the focus
// itself; Orca then moves to the box in silence. This keeps those reports back, so the box is
// announced by its name when Tab reaches it.
void AnnounceFocusBeforeCaret(QLineEdit& box);

// Says `message` to screen readers, politely, once they have said what they are saying; the
// focus stays where it is and nothing on screen changes.
void AnnounceToScreenReaders(QWidget& window, const QString& message);

} // namespace vellum::window
