#include "BoxAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace vellum {

BoxAccessible::BoxAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

bool BoxAccessible::QtReportsEmptyAttributeRuns() {
    QLineEdit scratch(QStringLiteral("ab"));
    QAccessibleInterface* const own = QAccessible::queryAccessibleInterface(&scratch);
    QAccessibleTextInterface* const text = own != nullptr ? own->textInterface() : nullptr;
    if (text == nullptr)
        return false;
    int start = 0;
    int end = 0;
    text->attributes(0, &start, &end);
    return end <= start;
}

void* BoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoxAccessible::text(QAccessible::Text type) const {
    return type == QAccessible::Value ? shown() : QAccessibleWidget::text(type);
}

void BoxAccessible::setText(QAccessible::Text type, const QString& text) {
    if (type == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(type, text);
}

QAccessible::State BoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !box()->isReadOnly();
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void BoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int BoxAccessible::selectionCount() const {
    return box()->hasSelectedText() ? 1 : 0;
}

void BoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void BoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        box()->deselect();
}

void BoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int BoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void BoxAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(position);
}

QString BoxAccessible::text(int startOffset, int endOffset) const {
    return shown().mid(startOffset, endOffset - startOffset);
}

int BoxAccessible::characterCount() const {
    return static_cast<int>(shown().size());
}

// Measured from the caret, whose place already allows for the box's margins and scrolling.
QRect BoxAccessible::characterRect(int offset) const {
    const QString text = shown();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int cursor = box()->cursorPosition();
    const int fromCaret = offset >= cursor
                              ? metrics.horizontalAdvance(text.mid(cursor, offset - cursor))
                              : -metrics.horizontalAdvance(text.mid(offset, cursor - offset));
    const QPoint topLeft = box()->mapToGlobal(QPoint(caret.x() + fromCaret, caret.y()));
    return {topLeft, QSize(metrics.horizontalAdvance(text.at(offset)), caret.height())};
}

int BoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void BoxAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    box()->setCursorPosition(startIndex);
}

// The box's text has one look throughout, so one run, with no attributes, covers all of it.
QString BoxAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void BoxAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void BoxAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void BoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

QLineEdit* BoxAccessible::box() const {
    return static_cast<QLineEdit*>(widget());
}

QString BoxAccessible::shown() const {
    return box()->displayText();
}

} // namespace vellum
