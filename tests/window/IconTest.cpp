#include <QImage>
#include <QSet>
#include <QTest>

// The icon theme's PNGs must be the program's own padlock, pixel for pixel, in 16 colours.
class IconTest : public QObject {
    Q_OBJECT

private slots:
    void themeIconsMatchTheProgramsIcon_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16x16") << 16;
        QTest::newRow("32x32") << 32;
    }
    void themeIconsMatchTheProgramsIcon() {
        QFETCH(int, size);
        const QString icons = QStringLiteral(VELLUM_ICON_DIR);
        const QImage own = QImage(icons + QStringLiteral("/vellumark9-%1.xpm").arg(size))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage theme =
            QImage(icons + QStringLiteral("/org.vellum41.Vellumark9-%1.png").arg(size))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(own.size(), QSize(size, size));
        QCOMPARE(theme, own);

        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert(own.pixel(x, y));
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    }
};

QTEST_GUILESS_MAIN(IconTest)
#include "IconTest.moc"
