#include "FormAccessibility.h"

#include "Form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>

namespace vellum {

namespace {

QAccessibleInterface* frameForForm(const QString& className, QObject* object) {
    if (className != QLatin1String(Form1::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
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

void ExposeFormAsFrame() {
    QAccessible::installFactory(frameForForm);
}

QPushButton* NewToggleButton(const QString& caption, QWidget* parent) {
    return new ToggleButton(caption, parent);
}

void AnnounceFocusBeforeCaret(QLineEdit& box) {
    box.installEventFilter(new CaretQuietOnFocusIn(&box));
}

} // namespace vellum
