#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace vellum::window {

// A line edit as screen readers see it: what Qt's own interface reports, except that the text's
// attributes are one run over the whole text, and that no boundary request can hang. Qt 6.4
// reports a run of no characters at each offset, and Orca 43 then leaves the last character out
// whenever it reads a box's text; and Qt's word and sentence boundaries loop forever at the end
// of the text, in 6.4 and 6.8 alike.
//
// Any client on the accessibility bus can call it, so every offset is checked: -1 means the end,
// as in AT-SPI, anything else outside the text is taken to its nearer end, and a reversed range
// reads nothing and changes nothing.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
public:
    explicit BoxAccessible(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString& text) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    // Qt 6.4's own loop forever at the end of the text for words and sentences.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* box() const;
    // The box's own text, control characters and all; of a password box only the mask, which is
    // all that may be read.
    QString shown() const;
    // `offset` in AT-SPI's terms, as an offset into the text: 0 to its length.
    int checked(int offset) const;
    // The piece of the given kind that holds `offset`, as [*startOffset, *endOffset).
    QString pieceAt(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                    int* endOffset) const;
};

} // namespace vellum::window
