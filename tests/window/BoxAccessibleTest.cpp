#include "window/BoxAccessible.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

using vellum::window::BoxAccessible;

// A ciphertext with control characters, and a line long enough to scroll the box.
QString cipherText() {
    return QString::fromLatin1("\x16\x18\x7f/Meet\x15 me; at\x10 nine|\x0e\x1f");
}

QString longLine() {
    QString line;
    for (int word = 0; line.size() < 300; ++word)
        line += QStringLiteral("word%1 ").arg(word);
    return line + QStringLiteral("end.");
}

struct Box {
    explicit Box(const QString& text) {
        edit.setText(text);
        edit.resize(260, 24);
        edit.show();
        edit.setCursorPosition(static_cast<int>(text.size())); // scrolled to the end
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
    }
    QLineEdit edit;
    BoxAccessible accessible{&edit};
};

class BoxAccessibleTest : public QObject {
    Q_OBJECT

private slots:
    void texts_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("ciphertext with control characters") << cipherText();
        QTest::newRow("long scrolled line") << longLine();
    }

    void reportsTheBoxsOwnTextAndAnswersEveryBoundaryAtEveryOffset_data() { texts_data(); }
    void reportsTheBoxsOwnTextAndAnswersEveryBoundaryAtEveryOffset() {
        QFETCH(QString, text);
        Box box(text);
        const int length = static_cast<int>(text.size());
        QCOMPARE(box.accessible.text(QAccessible::Value), text);
        QCOMPARE(box.accessible.characterCount(), length);
        QCOMPARE(box.accessible.text(0, -1), text);
        int start = -1, end = -1;
        box.accessible.attributes(length / 2, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, length)); // one run, so it is read whole

        using Ask =
            QString (BoxAccessible::*)(int, QAccessible::TextBoundaryType, int*, int*) const;
        for (const Ask ask : {&BoxAccessible::textAtOffset, &BoxAccessible::textBeforeOffset,
                              &BoxAccessible::textAfterOffset})
            for (const auto type : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                    QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                    QAccessible::LineBoundary, QAccessible::NoBoundary})
                for (int offset = -2; offset <= length + 2; ++offset) {
                    const QString piece = (box.accessible.*ask)(offset, type, &start, &end);
                    QVERIFY2(
                        0 <= start && start <= end && end <= length,
                        qPrintable(QStringLiteral("%1: [%2, %3)").arg(offset).arg(start).arg(end)));
                    QCOMPARE(piece, text.mid(start, end - start));
                }
        QCOMPARE(box.accessible.textAtOffset(4, QAccessible::CharBoundary, &start, &end),
                 text.mid(4, 1));
    }

    void editsOnlyWithinTheTextAndNeverReversed() {
        const struct {
            int start, end;
            QString left;
        } cases[] = {
            {2, -100, QStringLiteral("hello_world")}, // reversed once -100 is taken in
            {5, 2, QStringLiteral("hello_world")},    {0, -1, QString()}, // -1 is the end
            {-7, 2, QStringLiteral("llo_world")},     {9, 400, QStringLiteral("hello_wor")},
            {11, 11, QStringLiteral("hello_world")}};
        for (const auto& each : cases) {
            Box box(QStringLiteral("hello_world"));
            box.accessible.deleteText(each.start, each.end);
            QCOMPARE(box.edit.text(), each.left);
            box.accessible.setSelection(0, 6, 2);
            QVERIFY(!box.edit.hasSelectedText());
        }
        Box box(QStringLiteral("ab"));
        box.accessible.replaceText(2, 0, QStringLiteral("x"));
        QCOMPARE(box.edit.text(), QStringLiteral("ab"));
        box.accessible.insertText(-1, QStringLiteral("c"));
        box.accessible.insertText(99, QStringLiteral("d"));
        box.accessible.insertText(-5, QStringLiteral("_"));
        QCOMPARE(box.edit.text(), QStringLiteral("_abcd"));
        QCOMPARE(box.accessible.text(4, 1), QString());
        box.accessible.setCursorPosition(-1);
        QCOMPARE(box.edit.cursorPosition(), 5);
    }

    void extentsCoverEachGlyphAndTheirMiddlesLeadBackToIt_data() { texts_data(); }
    void extentsCoverEachGlyphAndTheirMiddlesLeadBackToIt() {
        QFETCH(QString, text);
        Box box(text);
        const int length = static_cast<int>(text.size());
        const QRect inside(box.edit.mapToGlobal(QPoint(0, 0)), box.edit.size());
        for (const int offset : {0, length / 2, length - 2, length - 1}) {
            box.edit.setCursorPosition(offset); // scrolls the character into view
            box.edit.repaint();                 // where the box works out its scrolling
            const QRect glyph = box.accessible.characterRect(offset);
            QVERIFY2(inside.contains(glyph.center()),
                     qPrintable(QStringLiteral("%1: %2,%3 in %4,%5 %6")
                                    .arg(offset)
                                    .arg(glyph.left())
                                    .arg(glyph.top())
                                    .arg(inside.left())
                                    .arg(inside.top())
                                    .arg(inside.width())));
            QCOMPARE(glyph.width(), box.edit.fontMetrics().horizontalAdvance(text.at(offset)));
            if (glyph.width() > 1)
                QCOMPARE(box.accessible.offsetAtPoint(glyph.center()), offset);
        }
        QCOMPARE(box.accessible.characterRect(length), QRect());
        QCOMPARE(box.accessible.characterRect(-1), QRect());
    }

    // Where the first glyph's ink is drawn, read from the box's own pixels.
    void theFirstGlyphsExtentHoldsItsInk() {
        Box box(longLine());
        box.edit.setCursorPosition(0);
        const QImage drawn = box.edit.grab().toImage();
        const int row = drawn.height() / 2;
        int inkLeft = 0; // past the frame first
        while (inkLeft < drawn.width() && qGray(drawn.pixel(inkLeft, row)) <= 128)
            ++inkLeft;
        while (inkLeft < drawn.width() && qGray(drawn.pixel(inkLeft, row)) > 128)
            ++inkLeft;
        int inkRight = inkLeft;
        while (inkRight + 1 < drawn.width() && qGray(drawn.pixel(inkRight + 1, row)) <= 128)
            ++inkRight;
        const QRect glyph =
            box.accessible.characterRect(0).translated(-box.edit.mapToGlobal(QPoint()));
        QVERIFY2(glyph.left() <= inkLeft && inkRight <= glyph.right(),
                 qPrintable(QStringLiteral("ink %1 to %2, extent %3 to %4")
                                .arg(inkLeft)
                                .arg(inkRight)
                                .arg(glyph.left())
                                .arg(glyph.right())));
    }
};

} // namespace

QTEST_MAIN(BoxAccessibleTest)
#include "BoxAccessibleTest.moc"
