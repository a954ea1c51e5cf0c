#include "window/Startup.h"

#include <QTest>

// Where a Wayland client could not float itself, the program asks for X11, unless the user
// chose a platform.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void choosesX11OnlyWhereItCanAndTheUserHasNotChosen_data() {
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland with XWayland")
            << QByteArray("wayland-0") << QByteArray(":0") << QByteArray() << QByteArray("xcb");
        QTest::newRow("Wayland alone")
            << QByteArray("wayland-0") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("X11 alone")
            << QByteArray() << QByteArray(":0") << QByteArray() << QByteArray();
        QTest::newRow("the user's choice") << QByteArray("wayland-0") << QByteArray(":0")
                                           << QByteArray("wayland") << QByteArray("wayland");
    }
    void choosesX11OnlyWhereItCanAndTheUserHasNotChosen() {
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, platform);
        qputenv("WAYLAND_DISPLAY", wayland);
        qputenv("DISPLAY", x11);
        qputenv("QT_QPA_PLATFORM", chosen);
        vellum::window::PreferFloatablePlatform();
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platform);
    }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
