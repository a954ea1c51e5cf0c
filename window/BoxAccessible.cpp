#include "window/BoxAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>

namespace vellum::window {

BoxAccessible::BoxAccessible(QLineEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

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
    const int start = checked(startOffset);
    const int end = checked(endOffset);
    if (selectionIndex == 0 && start <= end)
        box()->setSelection(start, end - start);
}

int BoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void BoxAccessible::setCursorPosition(int position) {
    box()->setCursorPosition(checked(position));
}

QString BoxAccessible::text(int startOffset, int endOffset) const {
    const int start = checked(startOffset);
    const int end = checked(endOffset);
    return start < end ? shown().mid(start, end - start) : QString();
}

int BoxAccessible::characterCount() const {
    return static_cast<int>(shown().size());
}

// Measured from the caret, whose place already allows for the box's margins and scrolling. Qt's
// caret rectangle reaches 5 pixels left of the caret line and is the line's width plus 9 wide;
// its middle is the caret line itself.
QRect BoxAccessible::characterRect(int offset) const {
    const QString text = shown();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics = box()->fontMetrics();
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretWidth = box()->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box());
    const int caretX = caret.x() + (caret.width() - caretWidth + 1) / 2;
    const int cursor = box()->cursorPosition();
    const int fromCaret = offset >= cursor
                              ? metrics.horizontalAdvance(text.mid(cursor, offset - cursor))
                              : -metrics.horizontalAdvance(text.mid(offset, cursor - offset));
    const QPoint topLeft = box()->mapToGlobal(QPoint(caretX + fromCaret, caret.y()));
    return {topLeft, QSize(metrics.horizontalAdvance(text.at(offset)), caret.height())};
}

// The character whose glyph holds the point: Qt gives the nearest place between characters, which
// lies after the character when the point is in its right half.
int BoxAccessible::offsetAtPoint(const QPoint& point) const {
    const int between = box()->cursorPositionAt(box()->mapFromGlobal(point));
    const QRect next = characterRect(between);
    return between > 0 && (next.isNull() || point.x() < next.left()) ? between - 1 : between;
}

void BoxAccessible::scrollToSubstring(int startIndex, int /*endIndex*/) {
    setCursorPosition(startIndex);
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
    const int start = checked(startOffset);
    const int end = checked(endOffset);
    if (start <= end && !box()->isReadOnly())
        box()->setText(box()->text().replace(start, end - start, text));
}

QString BoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    pieceAt(offset, boundaryType, startOffset, endOffset);
    if (*startOffset == 0) {
        *endOffset = 0;
        return {}; // nothing comes before the first piece
    }
    return pieceAt(*startOffset - 1, boundaryType, startOffset, endOffset);
}

QString BoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    pieceAt(offset, boundaryType, startOffset, endOffset);
    if (*endOffset == characterCount()) {
        *startOffset = *endOffset;
        return {}; // nothing comes after the last piece
    }
    return pieceAt(*endOffset, boundaryType, startOffset, endOffset);
}

QString BoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                    int* startOffset, int* endOffset) const {
    return pieceAt(offset, boundaryType, startOffset, endOffset);
}

QLineEdit* BoxAccessible::box() const {
    return static_cast<QLineEdit*>(widget());
}

QString BoxAccessible::shown() const {
    return box()->echoMode() == QLineEdit::Normal ? box()->text() : box()->displayText();
}

int BoxAccessible::checked(int offset) const {
    const int length = characterCount();
    return offset == -1 ? length : std::clamp(offset, 0, length);
}

namespace {

// How QTextBoundaryFinder finds a piece of the given kind; nothing for the kinds that a one-line
// box holds once, whole: a line, a paragraph, or no boundary at all.
std::optional<QTextBoundaryFinder::BoundaryType> finderKind(QAccessible::TextBoundaryType type) {
    switch (type) {
    case QAccessible::CharBoundary:
        return QTextBoundaryFinder::Grapheme;
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return std::nullopt;
    }
}

} // namespace

// A character, word or sentence runs from one boundary of its kind to the next, and the end of
// the text holds an empty one. Each search moves one way over a finite text, so it always ends.
QString BoxAccessible::pieceAt(int offset, QAccessible::TextBoundaryType boundaryType,
                               int* startOffset, int* endOffset) const {
    QString all = shown();
    const int length = static_cast<int>(all.size());
    const std::optional<QTextBoundaryFinder::BoundaryType> kind = finderKind(boundaryType);
    *startOffset = 0;
    *endOffset = length;
    if (!kind)
        return all;
    const int at = checked(offset);
    *startOffset = *endOffset = at;
    if (at == length)
        return {};
    QTextBoundaryFinder finder(*kind, all);
    finder.setPosition(at + 1);
    *startOffset = std::max(static_cast<int>(finder.toPreviousBoundary()), 0);
    finder.setPosition(at);
    const qsizetype next = finder.toNextBoundary();
    *endOffset = next < 0 ? length : static_cast<int>(next);
    return all.mid(*startOffset, *endOffset - *startOffset);
}

} // namespace vellum::window
