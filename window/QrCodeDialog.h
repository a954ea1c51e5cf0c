#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace vellum::text {
class QrCode;
}

namespace vellum::window {

// Shows a printable form as a QR code for a phone's camera, and says in words what the code
// holds, which camera apps remember. Esc or Close ends it.
class QrCodeDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(vellum::window::QrCodeDialog)

public:
    // Throws text::Refusal when `form` is too long for one QR code.
    QrCodeDialog(const QString& form, QWidget* parent);

    QLabel* const code;
    QLineEdit* const holds;

private:
    void drawCode(const text::QrCode& qrCode);
};

} // namespace vellum::window
