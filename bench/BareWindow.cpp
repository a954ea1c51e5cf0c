// The yardstick for the program's start-up and footprint: a plain Qt window with the same
// controls and nothing behind them but a title rewritten every 300 ms, as the program's is.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(242, 141);
    (new QLabel(QStringLiteral("Input:"), &window))->setGeometry(16, 16, 81, 17);
    (new QLineEdit(&window))->setGeometry(16, 32, 209, 19);
    (new QLabel(QStringLiteral("Output:"), &window))->setGeometry(16, 56, 81, 17);
    (new QLineEdit(&window))->setGeometry(16, 72, 209, 19);
    (new QPushButton(QStringLiteral("Encrypt"), &window))->setGeometry(16, 96, 65, 33);
    (new QPushButton(QStringLiteral("&Decrypt"), &window))->setGeometry(88, 96, 65, 33);
    (new QPushButton(QStringLiteral("E&xit"), &window))->setGeometry(160, 96, 65, 33);
    (new QPushButton(QStringLiteral("Float"), &window))->setGeometry(176, 8, 49, 21);
    QTimer ticker;
    int tick = 0;
    QObject::connect(&ticker, &QTimer::timeout, &window, [&window, &tick] {
        window.setWindowTitle(QStringLiteral("Bare window %1").arg(++tick % 20));
    });
    ticker.start(300);
    window.show();
    return QApplication::exec();
}
