#include "Windows1252.h"

#include <QTest>

using vellum::fromWindows1252;
using vellum::toWindows1252;

class Windows1252Test : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTripsInTextsOfAnyLength() {
        std::string all;
        for (int code = 0; code < 1'000'000; ++code)
            all += static_cast<char>(code % 256);
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 1'000'000);
        const auto back = toWindows1252(text);
        QVERIFY(!back.unencodable);
        QCOMPARE(back.codes, all);
    }

    void mapsTheCodePagesOwnCharacters_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20ACu;
        QTest::newRow("right single quote") << 146 << 0x2019u;
        QTest::newRow("undefined 0x81") << 0x81 << 0x81u;
        QTest::newRow("undefined 0x8D") << 0x8D << 0x8Du;
        QTest::newRow("undefined 0x8F") << 0x8F << 0x8Fu;
        QTest::newRow("undefined 0x90") << 0x90 << 0x90u;
        QTest::newRow("undefined 0x9D") << 157 << 0x9Du;
        QTest::newRow("e acute") << 0xE9 << 0xE9u;
        QTest::newRow("control 14") << 14 << 14u;
        QTest::newRow("delete") << 127 << 127u;
    }
    void mapsTheCodePagesOwnCharacters() {
        QFETCH(int, code);
        QFETCH(uint, unicode);
        QCOMPARE(fromWindows1252(std::string(1, static_cast<char>(code))), QString(QChar(unicode)));
    }

    void namesTheFirstCharacterItCannotRepresent_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");
        QTest::addColumn<qsizetype>("position");
        QTest::newRow("check mark")
            << QStringLiteral("ab\u2713c\u2713") << QStringLiteral("\u2713") << qsizetype(3);
        QTest::newRow("first") << QStringLiteral("\u0100") << QStringLiteral("\u0100")
                               << qsizetype(1);
        QTest::newRow("after an emoji")
            << QStringLiteral("\U0001F600x") << QStringLiteral("\U0001F600") << qsizetype(1);
        QTest::newRow("after accents")
            << QStringLiteral("\u00e9\u00fc\u0416") << QStringLiteral("\u0416") << qsizetype(3);
        QTest::newRow("cyrillic after euro")
            << QStringLiteral("\u20ac\u0416") << QStringLiteral("\u0416") << qsizetype(2);
        QTest::newRow("last of a million")
            << QString(999'999, QLatin1Char('a')) + QStringLiteral("\u2713")
            << QStringLiteral("\u2713") << qsizetype(1'000'000);
        QTest::newRow("lone surrogate")
            << QStringLiteral("ab") + QChar(0xD800) << QString(QChar(0xD800)) << qsizetype(3);
    }
    void namesTheFirstCharacterItCannotRepresent() {
        QFETCH(QString, text);
        QFETCH(QString, character);
        QFETCH(qsizetype, position);
        const auto result = toWindows1252(text);
        QVERIFY(result.unencodable);
        QCOMPARE(result.unencodable->character, character);
        QCOMPARE(result.unencodable->position, position);
    }

    void eachConversionStartsAfresh() {
        QVERIFY(toWindows1252(QStringLiteral("\u2713")).unencodable);
        const auto after = toWindows1252(QStringLiteral("ok"));
        QVERIFY(!after.unencodable);
        QCOMPARE(after.codes, std::string("ok"));
    }
};

QTEST_APPLESS_MAIN(Windows1252Test)
#include "Windows1252Test.moc"
