#include "window/modMain.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

using namespace vellum::window::modMain;

// The waits use QTest::qWaitFor, not QTRY_COMPARE: Qt 6.8's QTRY_ macros narrow their timeout
// to int in a way that -Wconversion rejects.

namespace {

constexpr std::int32_t kOrderOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

bool nativeFloats(QWidget& window) {
    return window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

class modMainTest : public QObject {
    Q_OBJECT

private slots:
    void floatsAWindowNotYetShownSoThatItMapsOnTop() {
        QWidget window;
        QVERIFY(SetWindowPos(WindowHandle(window), HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly) != 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(nativeFloats(window));
    }

    void togglesAShownWindowWithoutMovingOrSizingIt() {
        QWidget window;
        window.setGeometry(100, 120, 240, 160);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow* const native = window.windowHandle();
        const QRect before = window.geometry();

        QVERIFY(SetWindowPos(WindowHandle(window), HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly) != 0);
        QVERIFY(nativeFloats(window));
        QVERIFY(SetWindowPos(WindowHandle(window), HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly) != 0);
        QVERIFY(!nativeFloats(window));

        QCOMPARE(window.windowHandle(), native); // the native window was not re-created
        QCOMPARE(window.geometry(), before);
    }

    void movesAndSizesWhenTheFlagsAllowIt() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(SetWindowPos(WindowHandle(window), HWND_TOPMOST, 30, 40, 200, 100,
                             SWP_NOACTIVATE) != 0);
        QVERIFY(QTest::qWaitFor(
            [&] { return window.size() == QSize(200, 100) && window.pos() == QPoint(30, 40); },
            5000));
    }

    void refusesUnknownWindowsAndOrders() {
        QWidget window;
        const std::int32_t handle = WindowHandle(window);
        QCOMPARE(WindowHandle(window), handle);
        QCOMPARE(SetWindowPos(handle + 1000, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly), 0);
        QCOMPARE(SetWindowPos(handle, 0, 0, 0, 0, 0, kOrderOnly), 0);
    }
};

QTEST_MAIN(modMainTest)
#include "modMainTest.moc"
