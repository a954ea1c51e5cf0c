#include "window/QrCodeDialog.h"

#include "text/QrCode.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vellum::window {

namespace {

constexpr int kLargestSide = 480;      // pixels, so that the largest code fits a laptop's screen
constexpr int kFewestModulePixels = 3; // still read from arm's length
constexpr int kMostModulePixels = 8;

} // namespace

QrCodeDialog::QrCodeDialog(const QString& form, QWidget* parent)
    : QDialog(parent)
    , code(new QLabel(this))
    , holds(new QLineEdit(form, this)) {
    const text::QrCode qrCode = text::QrCodeOf(form.toStdString());
    setWindowTitle(tr("QR Code"));
    auto* const says = new QLabel(tr("This code holds the printable form of the scrambled text "
                                     "below. Camera apps keep what they read in their history."),
                                  this);
    says->setWordWrap(true);
    says->setBuddy(holds);
    holds->setReadOnly(true);
    holds->setCursorPosition(0);
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(code, 0, Qt::AlignHCenter);
    layout->addWidget(says);
    layout->addWidget(holds);
    layout->addWidget(buttons);
    drawCode(qrCode);
    code->setAccessibleName(tr("QR Code"));
    code->setAccessibleDescription(says->text());
    setAccessibleDescription(says->text());
    buttons->button(QDialogButtonBox::Close)->setFocus();
}

// Each module a whole number of the screen's own pixels, so that its edges stay sharp at any
// device pixel ratio.
void QrCodeDialog::drawCode(const text::QrCode& qrCode) {
    const int side = qrCode.Size() + 2 * text::kQrQuietZone;
    const double ratio = devicePixelRatioF();
    const int modulePixels =
        std::clamp(kLargestSide / side, kFewestModulePixels, kMostModulePixels);
    const int deviceModulePixels = std::max(1, qRound(modulePixels * ratio));
    QImage image(side * deviceModulePixels, side * deviceModulePixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < qrCode.Size(); ++y)
        for (int x = 0; x < qrCode.Size(); ++x)
            if (qrCode.IsDark(x, y))
                painter.fillRect((x + text::kQrQuietZone) * deviceModulePixels,
                                 (y + text::kQrQuietZone) * deviceModulePixels, deviceModulePixels,
                                 deviceModulePixels, Qt::black);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    code->setPixmap(pixmap);
}

} // namespace vellum::window
