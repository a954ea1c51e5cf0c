#pragma once

#include "component/ComponentSecurity.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vellum::window {

// The program's one window: an input box, an output box, Encrypt, Decrypt, Exit and the
// Float/Sink toggle, over the one cipher component. Its title types itself out every 300 ms.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    void DumpToClipboard(const QString& sValue);
    // 0 normal, 1 minimised, 2 maximised; throws std::invalid_argument for anything else.
    void ChangeWindowState(const qint16& iState);
    void FormCaption();

    // The controls, under the names the window's design gives them.
    QLabel* const Label1;
    QLineEdit* const txtIn;
    QLabel* const Label2;
    QLineEdit* const txtOut;
    QPushButton* const cmdEncrypt;
    QPushButton* const cmdDecrypt;
    QPushButton* const cmdExit;
    QPushButton* const cmdOnTop;
    QTimer* const Timer1;
    // Puts the printable form of the output's ciphertext on the clipboard: Ctrl+Shift+C anywhere
    // in the window, and in the output box's context menu.
    QAction* const copyPrintable;
    // Shows that printable form as a QR code: Ctrl+Shift+Q, and beside it in the menu.
    QAction* const showQrCode;

private:
    void Form_Initialize();
    void Form_Terminate();
    void cmdEncrypt_Click();
    void cmdDecrypt_Click();
    void cmdExit_Click();
    void cmdOnTop_Click();
    void Timer1_Timer();
    void copyPrintable_Triggered();
    void showQrCode_Triggered();
    std::optional<QString> printableFormOrSay(const QString& nothingThere);

    void layOutControls();
    void growToFitCaptions();
    void mirrorForReadingDirection();
    static void followLineDirection(QLineEdit* box);
    void describeForScreenReaders();
    void connectHandlers();
    using LineCipher = std::string (*)(component::ComponentSecurity&, std::string_view);
    bool runCipherCommand(LineCipher cipher, QString (*announcement)(const QString& output));
    void showError(const QString& source, const QString& description);
    void placeInTopmostOrder(std::int32_t insertAfter);

    std::unique_ptr<component::ComponentSecurity> objSecurity;
    QString lastCipherText; // what the last Encrypt wrote into the output box
    bool bOnTop = false;
    qint16 iStep = 0;
};

} // namespace vellum::window
