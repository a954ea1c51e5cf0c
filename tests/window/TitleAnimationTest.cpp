#include "window/TitleAnimation.h"

#include <QTest>
#include <string>
#include <vector>

class TitleAnimationTest : public QObject {
    Q_OBJECT

private slots:
    void typesTheTitleOutThenHoldsItNineTicks() {
        // Each typing caption: the title's first characters, the newest one with its code plus 60.
        const std::vector<std::string> expected = {
            " v4.0",
            "\x92 v4.0",
            "V\xa1 v4.0",
            "Ve\xa8 v4.0",
            "Vel\xa8 v4.0",
            "Vell\xb1 v4.0",
            "Vellu\xa9 v4.0",
            "Vellum\x9d v4.0",
            "Velluma\xae v4.0",
            "Vellumar\xa7 v4.0",
            "Vellumarku v4.0",
        };
        qint16 step = 0;
        for (const auto& caption : expected)
            QCOMPARE(vellum::window::NextTitleCaption(step), caption);
        for (int tick = 11; tick <= 19; ++tick)
            QCOMPARE(vellum::window::NextTitleCaption(step), std::string("Vellumark9 v4.0"));
        QCOMPARE(step, qint16(20));
        QCOMPARE(vellum::window::NextTitleCaption(step), expected[1]);
        QCOMPARE(step, qint16(2));
    }

    void cyclesThroughNineteenCaptionsForEver() {
        qint16 step = 0;
        (void)vellum::window::NextTitleCaption(step);
        std::vector<std::string> cycle;
        for (int tick = 0; tick < 19; ++tick)
            cycle.push_back(vellum::window::NextTitleCaption(step));
        for (int round = 0; round < 50; ++round) {
            for (const auto& caption : cycle)
                QCOMPARE(vellum::window::NextTitleCaption(step), caption);
        }
        QVERIFY(step >= 1 && step <= 20);
    }
};

QTEST_APPLESS_MAIN(TitleAnimationTest)
#include "TitleAnimationTest.moc"
