#include "window/TitleAnimation.h"

#include <QTest>

class TitleAnimationTest : public QObject {
    Q_OBJECT

private slots:
    // Each typing caption: the title's first characters, the newest one shown as the character
    // whose Windows-1252 code is its code plus 60 (146, 161, 168, 168, 177, 169, 157, 174, 167,
    // 117), which a 0x80-0x9F table out of place, or the code taken as Latin-1, would change.
    void typesTheTitleOutThenHoldsItNineTicks() {
        const QStringList expected = {
            QStringLiteral(" v4.0"),
            QStringLiteral("\u2019 v4.0"),
            QStringLiteral("V\u00a1 v4.0"),
            QStringLiteral("Ve\u00a8 v4.0"),
            QStringLiteral("Vel\u00a8 v4.0"),
            QStringLiteral("Vell\u00b1 v4.0"),
            QStringLiteral("Vellu\u00a9 v4.0"),
            QStringLiteral("Vellum\u009d v4.0"),
            QStringLiteral("Velluma\u00ae v4.0"),
            QStringLiteral("Vellumar\u00a7 v4.0"),
            QStringLiteral("Vellumarku v4.0"),
        };
        qint16 step = 0;
        for (const QString& caption : expected)
            QCOMPARE(vellum::window::NextTitleCaption(step), caption);
        for (int tick = 11; tick <= 19; ++tick)
            QCOMPARE(vellum::window::NextTitleCaption(step), QStringLiteral("Vellumark9 v4.0"));
        QCOMPARE(step, qint16(20));
        QCOMPARE(vellum::window::NextTitleCaption(step), expected[1]);
        QCOMPARE(step, qint16(2));
    }
};

QTEST_APPLESS_MAIN(TitleAnimationTest)
#include "TitleAnimationTest.moc"
