#include "window/FormAccessibility.h"

#include "window/BoxAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>

namespace vellum::window {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.4 has no announcement event, but Orca speaks a notification as it appears. A message
// therefore appears as one: a child of the window with no size, which nothing draws and which
// takes no focus, shown anew for each message.
constexpr char kAnnouncer[] = "vellumScreenReaderAnnouncer";

QWidget* announcerOf(QWidget& window) {
    if (auto* const announcer =
            window.findChild<QWidget*>(QLatin1String(kAnnouncer), Qt::FindDirectChildrenOnly))
        return announcer;
    auto* const announcer = new QWidget(&window);
    announcer->setObjectName(QLatin1String(kAnnouncer));
    announcer->setFixedSize(0, 0);
    return announcer;
}
#endif

// The class of the program's window, which the factory below exposes as a frame.
const char* windowClassName = nullptr;

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (!object->isWidgetType())
        return nullptr;
    auto* const widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(windowClassName))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
        return new BoxAccessible(static_cast<QLineEdit*>(widget));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget->objectName() == QLatin1String(kAnnouncer))
        return new QAccessibleWidget(widget, QAccessible::Notification);
#endif
    return nullptr;
}

class ToggleButton : public QPushButton {
public:
    ToggleButton(const QString& caption, QWidget* parent)
        : QPushButton(caption, parent) {
        setCheckable(true);
    }

protected:
    // A checked push button draws sunken; this one keeps the plain look.
    void initStyleOption(QStyleOptionButton* option) const override {
        QPushButton::initStyleOption(option);
        option->state &= ~QStyle::State_On;
    }
};

// While a box handles its FocusIn, this handler drops the box's caret and selection reports and
// passes every other report on to the platform's bridge.
QObject* boxTakingFocus = nullptr;
QAccessible::UpdateHandler passOn = nullptr;

void dropCaretReportsOfBoxTakingFocus(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (event->object() == boxTakingFocus &&
        (type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged))
        return;
    QAccessible::installUpdateHandler(passOn);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(dropCaretReportsOfBoxTakingFocus);
}

class CaretQuietOnFocusIn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn || boxTakingFocus != nullptr)
            return false;
        boxTakingFocus = watched;
        passOn = QAccessible::installUpdateHandler(dropCaretReportsOfBoxTakingFocus);
        watched->event(event); // the box's own focus handling, with its reports held back
        QAccessible::installUpdateHandler(passOn);
        boxTakingFocus = nullptr;
        return true;
    }
};

} // namespace

void InstallAccessibleInterfaces(const QMetaObject& window) {
    windowClassName = window.className();
    QAccessible::installFactory(interfaceFor);
}

QPushButton* NewToggleButton(const QString& caption, QWidget* parent) {
    return new ToggleButton(caption, parent);
}

void AnnounceFocusBeforeCaret(QLineEdit& box) {
    box.installEventFilter(new CaretQuietOnFocusIn(&box));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
void AnnounceToScreenReaders(QWidget& window, const QString& message) {
    QAccessibleAnnouncementEvent announcement(&window, message);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}
#else
void AnnounceToScreenReaders(QWidget& window, const QString& message) {
    if (!QAccessible::isActive())
        return; // no one to tell, so no announcer either
    QWidget* const announcer = announcerOf(window);
    announcer->hide();
    announcer->setAccessibleName(message);
    announcer->show();
}
#endif

} // namespace vellum::window
