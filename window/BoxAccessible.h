#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace vellum {

// A line edit as screen readers see it: what Qt's own interface reports, except that the text's
// attributes are one run over the whole text. Qt reports a run of no characters at each offset,
// and Orca 43 then leaves the last character out whenever it reads a box's text.
class BoxAccessible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
public:
    explicit BoxAccessible(QLineEdit* box);

    // Whether Qt's own interface reports the fault this one mends; asked once, of a scratch box.
    static bool QtReportsEmptyAttributeRuns();

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

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* box() const;
    // What the box shows: its text, or the mask of a password box, which is all that may be read.
    QString shown() const;
};

} // namespace vellum
