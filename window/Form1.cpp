#include "window/Form1.h"

#include "text/LineCipher.h"
#include "text/PrintableForm.h"
#include "window/FormAccessibility.h"
#include "window/QrCodeDialog.h"
#include "window/TitleAnimation.h"
#include "window/modMain.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

// Resources compiled into a static library must be registered by hand, outside any namespace.
static void registerWindowResources() {
    Q_INIT_RESOURCE(window);
}

namespace vellum::window {

namespace {

constexpr int kTwipsPerInch = 1440;

struct Placement {
    int left, top, width, height; // twips from the client area's top-left corner
};

constexpr Placement kClientArea{0, 0, 3636, 2112};
constexpr Placement kLabel1{240, 240, 1212, 252};
constexpr Placement kTxtIn{240, 480, 3132, 288};
constexpr Placement kLabel2{240, 840, 1212, 252};
constexpr Placement kTxtOut{240, 1080, 3132, 288};
constexpr Placement kCmdEncrypt{240, 1440, 972, 492};
constexpr Placement kCmdDecrypt{1320, 1440, 972, 492};
constexpr Placement kCmdExit{2400, 1440, 972, 492};
constexpr Placement kCmdOnTop{2640, 120, 732, 312};
constexpr int kTimerIntervalMs = 300;

constexpr char kFormSource[] = "Vellum41.Form1";

// What a screen reader says after a command that worked. Orca does not speak a ciphertext's
// control characters, so after Encrypt it tells how long the output is; after Decrypt, the line.
QString encryptedMessage(const QString& output) {
    // Some languages' forms for one or two write the number as a word, without %1.
    const auto length = static_cast<int>(output.size());
    return Form1::tr("Encrypted: %1 characters in the output.", nullptr, length)
        .replace(QStringLiteral("%1"), QString::number(length));
}

QString decryptedMessage(const QString& output) {
    return Form1::tr("Decrypted: %1").arg(output);
}

// A message of the line layer in the user's language: its text through the window's catalogue,
// under the context it is filed under, in the plural form its count takes, then filled in.
QString translated(const text::Message& message) {
    // A count here is the length of a text the window held, so it fits an int.
    const int count = message.count ? static_cast<int>(*message.count) : -1;
    const QString text =
        QCoreApplication::translate(message.text.context, message.text.english, nullptr, count);
    return QString::fromStdString(text::Filled(text.toStdString(), message.arguments));
}

// Where a control ends on the right, one past its last pixel.
int rightOf(const QWidget* control) {
    return control->x() + control->width();
}

// The width a control needs to show its caption whole. A button's size hint is no measure of
// that: it holds the style's minimum width for buttons, wider than the design's buttons, whose
// captions fit them all the same.
int captionWidth(const QWidget* control) {
    const auto* const button = qobject_cast<const QPushButton*>(control);
    if (!button)
        return control->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle* const style = button->style();
    const int room = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
                     style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + 2 * room;
}

// Widens `control` to its caption, if that needs more room, and moves it right to `left` at
// least; where it now ends.
int widenAndPlace(QWidget* control, int left) {
    const int width = std::max(control->width(), captionWidth(control));
    control->setGeometry(std::max(control->x(), left), control->y(), width, control->height());
    return rightOf(control);
}

// One icon holding both sizes of the padlock, so that title bars and task bars each pick theirs.
QIcon programIcon() {
    registerWindowResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vellumark9-32.xpm"));
    icon.addFile(QStringLiteral(":/icons/vellumark9-16.xpm"));
    return icon;
}

// The window's accessible interfaces must be in place before any control exists: creating one
// can already make Qt build the window's interface, and Qt keeps the first one it built.
QWidget* noParentOnceAccessibleInterfacesAreInstalled() {
    InstallAccessibleInterfaces(Form1::staticMetaObject);
    return nullptr;
}

} // namespace

Form1::Form1()
    : QWidget(noParentOnceAccessibleInterfacesAreInstalled())
    , Label1(new QLabel(tr("Input:"), this))
    , txtIn(new QLineEdit(this))
    , Label2(new QLabel(tr("Output:"), this))
    , txtOut(new QLineEdit(this))
    , cmdEncrypt(new QPushButton(tr("Encrypt"), this))
    , cmdDecrypt(new QPushButton(tr("&Decrypt"), this))
    , cmdExit(new QPushButton(tr("E&xit"), this))
    , cmdOnTop(NewToggleButton(tr("Float"), this))
    , Timer1(new QTimer(this))
    , copyPrintable(new QAction(tr("Copy as &Printable Text"), this))
    , showQrCode(new QAction(tr("Show as &QR Code"), this)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(programIcon());
    layOutControls();
    describeForScreenReaders();
    connectHandlers();
    Timer1->start(kTimerIntervalMs);
    Form_Initialize();
}

Form1::~Form1() {
    Form_Terminate();
}

void Form1::layOutControls() {
    const double pixelsPerTwip = logicalDpiX() / double(kTwipsPerInch);
    const auto pixels = [pixelsPerTwip](int twips) {
        return qRound(twips * pixelsPerTwip);
    };
    const auto place = [&pixels](QWidget* control, const Placement& at) {
        control->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
    };
    setFixedSize(pixels(kClientArea.width), pixels(kClientArea.height));
    place(Label1, kLabel1);
    place(txtIn, kTxtIn);
    place(Label2, kLabel2);
    place(txtOut, kTxtOut);
    place(cmdEncrypt, kCmdEncrypt);
    place(cmdDecrypt, kCmdDecrypt);
    place(cmdExit, kCmdExit);
    place(cmdOnTop, kCmdOnTop);
    growToFitCaptions();
    mirrorForReadingDirection();

    for (QPushButton* button : {cmdEncrypt, cmdDecrypt, cmdExit, cmdOnTop})
        button->setAutoDefault(false);
    // The boxes have no length limit of their own: QLineEdit's default would cut a paste short.
    for (QLineEdit* box : {txtIn, txtOut})
        box->setMaxLength(std::numeric_limits<int>::max());
    setTabOrder(txtIn, txtOut);
    setTabOrder(txtOut, cmdEncrypt);
    setTabOrder(cmdEncrypt, cmdDecrypt);
    setTabOrder(cmdDecrypt, cmdExit);
    setTabOrder(cmdExit, cmdOnTop);
    txtIn->setFocus();

    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());
}

// A caption longer than its place allows, in another language or a larger font, widens its
// control; what lies to its right in the same row moves along, the boxes and the window grow
// with the widest row, and the toggle stays flush with the boxes' right edge. Nothing is cut off,
// and in English at any resolution nothing moves.
void Form1::growToFitCaptions() {
    const int gap = cmdDecrypt->x() - rightOf(cmdEncrypt);
    const int margin = width() - rightOf(txtIn);
    int buttonsRight = cmdEncrypt->x();
    for (QPushButton* button : {cmdEncrypt, cmdDecrypt, cmdExit})
        buttonsRight = widenAndPlace(button, buttonsRight) + gap;
    buttonsRight -= gap;
    const int labelsRight = std::max(widenAndPlace(Label1, 0), widenAndPlace(Label2, 0));
    int toggleWidth = cmdOnTop->width(); // wide enough for either caption
    for (const QString& caption : {tr("Sink"), tr("Float")}) {
        cmdOnTop->setText(caption);
        toggleWidth = std::max(toggleWidth, captionWidth(cmdOnTop));
    }
    const int right = std::max({rightOf(txtIn), buttonsRight, labelsRight + gap + toggleWidth});
    cmdOnTop->setGeometry(right - toggleWidth, cmdOnTop->y(), toggleWidth, cmdOnTop->height());
    for (QLineEdit* box : {txtIn, txtOut})
        box->resize(right - box->x(), box->height());
    setFixedSize(right + margin, height());
}

// In a language read from right to left the design is mirrored in the window's width: each
// control keeps its size and row, and stands as far from the right edge as the design has it
// from the left. The tab order, which follows the design, then follows the reading order too.
void Form1::mirrorForReadingDirection() {
    if (!isRightToLeft())
        return;
    for (QWidget* control : std::initializer_list<QWidget*>{
             Label1, txtIn, Label2, txtOut, cmdEncrypt, cmdDecrypt, cmdExit, cmdOnTop})
        control->setGeometry(QStyle::visualRect(Qt::RightToLeft, rect(), control->geometry()));
}

// The window keeps one name while its title types itself out, so that a screen reader does not
// read whatever frame of the animation is showing; each box is named by its label.
void Form1::describeForScreenReaders() {
    setAccessibleName(QString::fromLatin1(kFormTitle));
    Label1->setBuddy(txtIn);
    Label2->setBuddy(txtOut);
    AnnounceFocusBeforeCaret(*txtIn);
    AnnounceFocusBeforeCaret(*txtOut);
}

// Each box shows its line in the line's own direction, whichever way the window reads: a Latin
// ciphertext from the left in an Arabic window, an Arabic line from the right in any window. An
// empty box takes the window's direction, for what is typed first.
void Form1::followLineDirection(QLineEdit* box) {
    connect(box, &QLineEdit::textChanged, box, [box](const QString& line) {
        if (line.isEmpty())
            box->unsetLayoutDirection();
        else
            box->setLayoutDirection(line.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    });
}

void Form1::connectHandlers() {
    followLineDirection(txtIn);
    followLineDirection(txtOut);
    connect(cmdEncrypt, &QPushButton::clicked, this, &Form1::cmdEncrypt_Click);
    connect(cmdDecrypt, &QPushButton::clicked, this, &Form1::cmdDecrypt_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);
    // The toggle flips on a click, on the start-up press and on a screen reader's toggle action
    // alike, and only the first two are clicks.
    connect(cmdOnTop, &QPushButton::toggled, this, &Form1::cmdOnTop_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    // Enter in the input box encrypts, as users of a one-line tool expect.
    connect(txtIn, &QLineEdit::returnPressed, cmdEncrypt, &QPushButton::click);

    copyPrintable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addAction(copyPrintable); // so that its shortcut works wherever the focus is in the window
    connect(copyPrintable, &QAction::triggered, this, &Form1::copyPrintable_Triggered);
    showQrCode->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    addAction(showQrCode);
    connect(showQrCode, &QAction::triggered, this, &Form1::showQrCode_Triggered);
    txtOut->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtOut, &QLineEdit::customContextMenuRequested, this, [this](const QPoint& at) {
        const std::unique_ptr<QMenu> menu(txtOut->createStandardContextMenu());
        menu->addSeparator();
        menu->addAction(copyPrintable);
        menu->addAction(showQrCode);
        menu->exec(txtOut->mapToGlobal(at));
    });
}

void Form1::Form_Initialize() {
    objSecurity = std::make_unique<component::ComponentSecurity>();
    cmdOnTop->click();
    setWindowTitle(QString::fromLatin1(kFormTitle));
}

void Form1::Form_Terminate() {
    objSecurity.reset();
}

void Form1::cmdEncrypt_Click() {
    if (runCipherCommand(text::EncryptLine, encryptedMessage))
        lastCipherText = txtOut->text();
}

void Form1::cmdDecrypt_Click() {
    if (runCipherCommand(text::DecryptLine, decryptedMessage))
        lastCipherText.clear();
}

// Reads the input, calls the cipher, writes the output and tells screen readers what came of it;
// any failure leaves the output as it was and shows the error instead. Whether it worked.
bool Form1::runCipherCommand(LineCipher cipher, QString (*announcement)(const QString& output)) {
    try {
        const std::string input = txtIn->text().toStdString();
        txtOut->setText(QString::fromStdString(cipher(*objSecurity, input)));
        AnnounceToScreenReaders(*this, announcement(txtOut->text()));
        return true;
    } catch (const text::LineRefused& refusal) {
        const std::string& source = refusal.Source();
        showError(source.empty() ? QString::fromLatin1(kFormSource)
                                 : QString::fromStdString(source),
                  translated(refusal.Why()));
    }
    return false;
}

// The printable form of what Encrypt last wrote and the output box still holds, never of a
// plaintext; otherwise `nothingThere` is shown, and there is none.
std::optional<QString> Form1::printableFormOrSay(const QString& nothingThere) {
    if (lastCipherText.isEmpty() || txtOut->text() != lastCipherText) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Vellumark9"), nothingThere,
                        QMessageBox::Ok, this);
        box.exec();
        return std::nullopt;
    }
    return QString::fromStdString(text::Wrap(lastCipherText.toStdString()));
}

void Form1::copyPrintable_Triggered() {
    const std::optional<QString> form =
        printableFormOrSay(tr("There is no scrambled text to copy: the output does not hold what "
                              "Encrypt wrote there. Encrypt a line first."));
    if (!form)
        return;
    DumpToClipboard(*form);
    AnnounceToScreenReaders(*this, tr("Copied the scrambled text as printable text."));
}

void Form1::showQrCode_Triggered() {
    const std::optional<QString> form =
        printableFormOrSay(tr("There is no scrambled text to show: the output does not hold what "
                              "Encrypt wrote there. Encrypt a line first."));
    if (!form)
        return;
    try {
        QrCodeDialog dialog(*form, this);
        dialog.exec();
    } catch (const text::Refusal& refusal) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Vellumark9"),
                        translated(refusal.Why()), QMessageBox::Ok, this);
        box.exec();
    }
}

void Form1::showError(const QString& source, const QString& description) {
    QMessageBox box(QMessageBox::Critical, tr("Error Occurred"),
                    source + QStringLiteral("\r\n") + description, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Ends the event loop at once; the normal shutdown that follows hands the clipboard over to the
// desktop's clipboard manager, so a text just copied survives.
void Form1::cmdExit_Click() {
    QCoreApplication::exit(0);
}

void Form1::cmdOnTop_Click() {
    if (bOnTop) {
        bOnTop = false;
        placeInTopmostOrder(modMain::HWND_NOTOPMOST);
        cmdOnTop->setText(tr("Float"));
    } else {
        bOnTop = true;
        cmdOnTop->setText(tr("Sink"));
        placeInTopmostOrder(modMain::HWND_TOPMOST);
    }
}

// Changes only the window's place in the topmost order: no move, no resize, no activation.
void Form1::placeInTopmostOrder(std::int32_t insertAfter) {
    modMain::SetWindowPos(modMain::WindowHandle(*this), insertAfter, 0, 0, 0, 0,
                          modMain::SWP_NOSIZE | modMain::SWP_NOMOVE | modMain::SWP_NOACTIVATE);
}

void Form1::Timer1_Timer() {
    FormCaption();
}

void Form1::FormCaption() {
    setWindowTitle(NextTitleCaption(iStep));
}

void Form1::DumpToClipboard(const QString& sValue) {
    QApplication::beep();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(sValue);
}

void Form1::ChangeWindowState(const qint16& iState) {
    switch (iState) {
    case 0:
        setWindowState(Qt::WindowNoState);
        return;
    case 1:
        setWindowState(Qt::WindowMinimized);
        return;
    case 2:
        setWindowState(Qt::WindowMaximized);
        return;
    default:
        throw std::invalid_argument("window state must be 0, 1 or 2");
    }
}

} // namespace vellum::window
