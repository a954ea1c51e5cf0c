#include "window/Form1.h"

#include "text/QrCode.h"
#include "window/QrCodeDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>

using vellum::window::Form1;

// The waits use QTest::qWaitFor, not QTRY_COMPARE: Qt 6.8's QTRY_ macros narrow their timeout
// to int in a way that -Wconversion rejects.

namespace {

struct ErrorBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool shown = false;
};

// Runs `command`, which opens a modal box, and reads and closes the box it opened.
ErrorBox errorBoxOf(const std::function<void()>& command) {
    ErrorBox seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), box->buttons().size(), true};
        box->button(QMessageBox::Ok)->click();
    });
    command();
    return seen;
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString decryptWith(Form1& form, const QString& cipherText) {
    form.txtIn->setText(cipherText);
    form.cmdDecrypt->click();
    return form.txtOut->text();
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form = std::make_unique<Form1>();
        startCaption = form->windowTitle();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void startsFloatingWithItsCaptionAndFocusInTheInput() {
        QCOMPARE(startCaption, QStringLiteral("Vellumark9"));
        QCOMPARE(form->cmdOnTop->text(), QStringLiteral("Sink"));
        QVERIFY(form->cmdOnTop->isChecked());
        QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(form->txtIn->text().isEmpty());
        QVERIFY(form->txtOut->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form->txtIn);
        QVERIFY(form->Timer1->isActive());
        QCOMPARE(form->Timer1->interval(), 300);
    }

    // At 96 dpi a pixel is 15 twips: the design's twips, divided by hand and rounded.
    void layoutFollowsTheDesignInTwips() {
        QCOMPARE(form->logicalDpiX(), 96);
        QCOMPARE(form->size(), QSize(242, 141)); // 3636 × 2112 twips
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->txtIn->geometry(), QRect(16, 32, 209, 19));     // 240, 480, 3132, 288
        QCOMPARE(form->txtOut->geometry(), QRect(16, 72, 209, 19));    // 240, 1080, 3132, 288
        QCOMPARE(form->cmdDecrypt->geometry(), QRect(88, 96, 65, 33)); // 1320, 1440, 972, 492
        QCOMPARE(form->cmdOnTop->geometry(), QRect(176, 8, 49, 21));   // 2640, 120, 732, 312
        QCOMPARE(form->Label1->text(), QStringLiteral("Input:"));
        QCOMPARE(form->Label2->text(), QStringLiteral("Output:"));
        const int rightEdge = form->txtIn->geometry().right();
        QCOMPARE(form->cmdExit->geometry().right(), rightEdge);
        QCOMPARE(form->cmdOnTop->geometry().right(), rightEdge);
    }

    void iconHoldsBothSizes() {
        const QList<QSize> sizes = form->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
    }

    void encryptThenDecryptThroughTheButtons() {
        QTest::keyClicks(form->txtIn, QStringLiteral("Meet me at 9|30; bring a map"));
        QTest::mouseClick(form->cmdEncrypt, Qt::LeftButton);
        const QString cipherText = form->txtOut->text();
        QVERIFY(cipherText.size() >= 30);
        QCOMPARE(form->txtIn->text(), QStringLiteral("Meet me at 9|30; bring a map"));

        form->cmdEncrypt->click();
        QVERIFY(form->txtOut->text() != cipherText); // drawn afresh every time

        QCOMPARE(decryptWith(*form, cipherText), QStringLiteral("Meet me at 9|30; bring a map"));
        QCOMPARE(form->txtIn->text(), cipherText); // the command decrypts a copy
    }

    void encryptOfAnEmptyInputGivesThirtyCharacters() {
        form->cmdEncrypt->click();
        QCOMPARE(form->txtOut->text().size(), 30);
        QCOMPARE(decryptWith(*form, form->txtOut->text()), QString());
    }

    void enterInTheInputEncrypts() {
        QTest::keyClicks(form->txtIn, QStringLiteral("abc"));
        QTest::keyClick(form->txtIn, Qt::Key_Return);
        QCOMPARE(decryptWith(*form, form->txtOut->text()), QStringLiteral("abc"));
    }

    void altDDecrypts() {
        form->txtIn->setText(QStringLiteral("abc"));
        form->cmdEncrypt->click();
        form->txtIn->setText(form->txtOut->text());
        form->txtOut->clear();
        QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
        const auto decrypted = [&] {
            return form->txtOut->text() == QStringLiteral("abc");
        };
        QVERIFY2(QTest::qWaitFor(decrypted, 5000), qPrintable(form->txtOut->text()));
    }

    void encryptHasNoAccessKey() {
        QSignalSpy encrypted(form->cmdEncrypt, &QPushButton::clicked);
        QTest::keyClick(form.get(), Qt::Key_E, Qt::AltModifier);
        QTest::qWait(300);
        QCOMPARE(encrypted.count(), 0);
    }

    void tabVisitsTheControlsInDesignOrder() {
        const QList<QWidget*> order = {form->txtOut,  form->cmdEncrypt, form->cmdDecrypt,
                                       form->cmdExit, form->cmdOnTop,   form->txtIn};
        for (QWidget* expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
    }

    void aRejectedDecryptShowsTheErrorAndKeepsTheOutput() {
        form->txtOut->setText(QStringLiteral("previous result"));
        const ErrorBox box = errorBoxOf([this] { form->cmdDecrypt->click(); });
        QVERIFY(box.shown);
        QCOMPARE(box.title, QStringLiteral("Error Occurred"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttonCount, 1);
        QCOMPARE(box.text,
                 QStringLiteral(
                     "Vellum41.ComponentSecurity.Decrypt\r\nError deciphering encrypted data."));
        QCOMPARE(form->txtOut->text(), QStringLiteral("previous result"));
        QVERIFY(form->txtIn->text().isEmpty());
    }

    // Whatever the input box holds comes back through the output box, with no error box.
    void anyLineComesBackThroughTheBoxes() {
        const QString lines[] = {QStringLiteral("caf\u00e9 \u2014 \u201cok\u201d \u2713 5 \u20ac"),
                                 QStringLiteral("Gr\u00fc\u00dfe \U0001F600\U0001F44D\U0001F3FD "
                                                "\u041f\u0440\u0438\u0432\u0435\u0442 "
                                                "\u4e2d\u6587 \u05e9\u05dc\u05d5\u05dd }~\t"),
                                 QString(200, QLatin1Char('a'))};
        for (const QString& line : lines) {
            form->txtIn->setText(line);
            QVERIFY(!errorBoxOf([this] { form->cmdEncrypt->click(); }).shown);
            QCOMPARE(decryptWith(*form, form->txtOut->text()), line);
        }
    }

    void textBeyondAsciiCannotBeDecryptedAndIsAnErrorOfTheWindow() {
        form->txtOut->setText(QStringLiteral("kept"));
        form->txtIn->setText(QStringLiteral("ok \u00e9"));
        const ErrorBox box = errorBoxOf([this] { form->cmdDecrypt->click(); });
        QCOMPARE(box.text, QStringLiteral("Vellum41.Form1\r\nCharacter 4 of the text, \"\u00e9\" "
                                          "(U+00E9), cannot be part of an encrypted text."));
        QCOMPARE(form->txtOut->text(), QStringLiteral("kept"));
        QCOMPARE(form->txtIn->text(), QStringLiteral("ok \u00e9"));
    }

    void theWindowIsUsableAfterTheErrorBox() {
        (void)errorBoxOf([this] { form->cmdDecrypt->click(); });
        form->txtIn->setText(QStringLiteral("again"));
        form->cmdEncrypt->click();
        QCOMPARE(decryptWith(*form, form->txtOut->text()), QStringLiteral("again"));
    }

    // Nothing pasted is cut, and every command answers the text by its true length.
    void aMillionCharactersAreKeptWholeAndAnswered() {
        form->txtIn->setText(QStringLiteral("line"));
        form->cmdEncrypt->click();
        const QString cipherText = form->txtOut->text();
        const QString million(1'000'000, QLatin1Char('a'));
        struct Case {
            QString input;
            QPushButton* command;
            QString errorBox; // empty when there is none
            QString output;
        };
        const Case cases[] = {
            {cipherText + QString(1'000'000, QLatin1Char('S')), form->cmdDecrypt, QString(),
             QStringLiteral("line")},
            {cipherText + QString(40'000, QLatin1Char('S')) + QChar(0x7f), form->cmdDecrypt,
             QStringLiteral(
                 "Vellum41.ComponentSecurity.Decrypt\r\nError deciphering encrypted data."),
             QStringLiteral("line")},
        };
        for (const Case& test : cases) {
            QApplication::clipboard()->setText(test.input);
            form->txtIn->clear();
            form->txtIn->paste();
            QCOMPARE(form->txtIn->text().size(), test.input.size());
            QCOMPARE(errorBoxOf([&test] { test.command->click(); }).text, test.errorBox);
            QCOMPARE(form->txtOut->text(), test.output);
        }

        const QString mixedMillion = million.chopped(1) + QStringLiteral("\u2713");
        form->txtIn->setText(mixedMillion);
        QVERIFY(!errorBoxOf([this] { form->cmdEncrypt->click(); }).shown);
        QCOMPARE(decryptWith(*form, form->txtOut->text()), mixedMillion);
        form->txtOut->setText(million);
        QCOMPARE(form->txtOut->text(), million);
    }

    void theTimerDrivesTheCaption() {
        for (const QString& caption : {QStringLiteral(" v4.0"), QStringLiteral("\u2019 v4.0")})
            QVERIFY2(QTest::qWaitFor([&] { return form->windowTitle() == caption; }, 1000),
                     qPrintable(form->windowTitle()));
    }

    void floatToggleFlipsStateAndCaption() {
        QWindow* const native = form->windowHandle();
        const QRect geometry = form->geometry();
        form->cmdOnTop->click();
        QCOMPARE(form->cmdOnTop->text(), QStringLiteral("Float"));
        QVERIFY(!form->cmdOnTop->isChecked());
        QVERIFY(!native->flags().testFlag(Qt::WindowStaysOnTopHint));
        form->cmdOnTop->click();
        QCOMPARE(form->cmdOnTop->text(), QStringLiteral("Sink"));
        QVERIFY(form->cmdOnTop->isChecked());
        QVERIFY(native->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form->windowHandle(), native);
        QCOMPARE(form->geometry(), geometry);
    }

    void aScreenReaderTellsTheControlsApart() {
        QAccessibleInterface* const window = accessible(form.get());
        QCOMPARE(window->role(), QAccessible::Window);
        for (int tick = 0; tick < 3; ++tick) {
            QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vellumark9"));
            form->FormCaption(); // the visible title types itself out; the name stays
        }

        const std::pair<QLineEdit*, QLabel*> boxes[] = {{form->txtIn, form->Label1},
                                                        {form->txtOut, form->Label2}};
        for (const auto& [box, label] : boxes) {
            QCOMPARE(accessible(box)->text(QAccessible::Name), label->text());
            const auto labelledBy = accessible(box)->relations(QAccessible::Label);
            QCOMPARE(labelledBy.size(), 1);
            QCOMPARE(labelledBy.first().first->object(), label);
            const auto labelFor = accessible(label)->relations(QAccessible::Labelled);
            QCOMPARE(labelFor.size(), 1);
            QCOMPARE(labelFor.first().first->object(), box);

            // The whole line, wherever a reader takes it from: one attribute run over all of it.
            const QString line = QStringLiteral("Meet me at nine");
            box->setText(line);
            box->selectAll();
            QCOMPARE(accessible(box)->text(QAccessible::Value), line);
            QAccessibleTextInterface* const text = accessible(box)->textInterface();
            QCOMPARE(text->text(0, text->characterCount()), line);
            for (const int offset : {0, 14}) {
                int start = -1, end = -1;
                text->attributes(offset, &start, &end);
                QCOMPARE(std::pair(start, end), std::pair(0, 15));
                QCOMPARE(text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end), line);
            }
            int start = -1, end = -1;
            text->selection(0, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 15));
            // The interface a screen reader gets answers every boundary request at once, up to
            // and past the end, where Qt's own loops forever.
            for (const auto type : {QAccessible::WordBoundary, QAccessible::SentenceBoundary})
                for (int offset = -1; offset <= 16; ++offset) {
                    text->textAtOffset(offset, type, &start, &end);
                    text->textBeforeOffset(offset, type, &start, &end);
                    text->textAfterOffset(offset, type, &start, &end);
                    QVERIFY(start <= end && end <= 15);
                }
        }

        const std::pair<QPushButton*, QString> keys[] = {{form->cmdDecrypt, "Alt+D"},
                                                         {form->cmdExit, "Alt+X"}};
        for (const auto& [button, key] : keys) {
            QAccessibleActionInterface* const actions = accessible(button)->actionInterface();
            QCOMPARE(actions->keyBindingsForAction(actions->pressAction()), QStringList{key});
        }
        QCOMPARE(accessible(form->cmdEncrypt)->text(QAccessible::Name), QStringLiteral("Encrypt"));
    }

    void theFloatToggleReportsItsStateAndDrawsLikeAPlainButton() {
        QAccessibleInterface* const toggle = accessible(form->cmdOnTop);
        QVERIFY(toggle->state().checkable);
        QVERIFY(toggle->state().checked);
        QCOMPARE(toggle->text(QAccessible::Name), QStringLiteral("Sink"));
        const QImage checked = form->cmdOnTop->grab().toImage();
        {
            const QSignalBlocker captionStays(form->cmdOnTop);
            form->cmdOnTop->setChecked(false);
            QCOMPARE(form->cmdOnTop->grab().toImage(), checked);
            form->cmdOnTop->setChecked(true);
        }

        form->cmdOnTop->click();
        QVERIFY(!toggle->state().checked);
        QCOMPARE(toggle->text(QAccessible::Name), QStringLiteral("Float"));
        toggle->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(toggle->state().checked);
        QVERIFY(form->cmdOnTop->isChecked());
        QCOMPARE(form->cmdOnTop->text(), QStringLiteral("Sink"));
    }

    void dumpToClipboardReplacesTheClipboard() {
        auto* previous = new QMimeData;
        previous->setText(QStringLiteral("old"));
        previous->setHtml(QStringLiteral("<b>old</b>"));
        QApplication::clipboard()->setMimeData(previous);
        const QString value = QStringLiteral("\u0010ciphertext\u007f");
        form->DumpToClipboard(value);
        QCOMPARE(QApplication::clipboard()->text(), value);
        QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
    }

    // Ctrl+Shift+C wraps what Encrypt last wrote into the output, and only that; the printable
    // text, pasted back with white space around it, decrypts to the line.
    void copiesThePrintableFormOfTheLastCiphertextOnly() {
        const QString line = QStringLiteral("Meet me at nine");
        form->txtIn->setText(line);
        form->cmdEncrypt->click();
        QTest::keyClick(form->txtIn, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.startsWith(QStringLiteral("vm9_")));
        QCOMPARE(decryptWith(*form, QStringLiteral(" ") + copied + QStringLiteral("\t")), line);

        QString damaged = copied;
        damaged[10] = damaged[10] == u'0' ? u'1' : u'0';
        const ErrorBox refused = errorBoxOf([&] { decryptWith(*form, damaged); });
        QCOMPARE(refused.title, QStringLiteral("Error Occurred"));
        QVERIFY2(refused.text.contains(QStringLiteral("The printable text is damaged: ")),
                 qPrintable(refused.text));
        QCOMPARE(form->txtOut->text(), line);

        const std::function<void()> edits[] = {[] {}, // the output holds the decrypted line
                                               [&] { form->txtOut->clear(); },
                                               [&] {
                                                   form->txtIn->setText(line);
                                                   form->cmdEncrypt->click();
                                                   form->txtOut->insert(QStringLiteral("x"));
                                               }};
        for (const auto& edit : edits) {
            edit();
            const ErrorBox nothing = errorBoxOf([&] { form->copyPrintable->trigger(); });
            QVERIFY(nothing.text.startsWith(QStringLiteral("There is no scrambled text to copy")));
            QCOMPARE(QApplication::clipboard()->text(), copied);
        }
    }

    // The code of the printable form, each module whole device pixels, at least 3 at a ratio of
    // 1, in a quiet zone of 4; the form under it, said to screen readers; Esc closes it. A form
    // too long for one code, and an output Encrypt did not write, get a message instead.
    void showsThePrintableFormAsAQrCode() {
        form->txtIn->setText(QStringLiteral("Meet me at nine"));
        form->cmdEncrypt->click();
        QString held;
        QPixmap drawn;
        QString description;
        QString named;
        bool closedByEsc = false;
        QTimer::singleShot(0, [&] {
            auto* dialog =
                dynamic_cast<vellum::window::QrCodeDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            held = dialog->holds->text();
            drawn = dialog->code->pixmap();
            description = accessible(dialog)->text(QAccessible::Description);
            named = accessible(dialog)->text(QAccessible::Name) + QLatin1Char('|') +
                    accessible(dialog->code)->text(QAccessible::Name);
            QTest::keyClick(dialog, Qt::Key_Escape);
            closedByEsc = !dialog->isVisible();
        });
        QTest::keyClick(form->txtIn, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(closedByEsc);
        QVERIFY(held.startsWith(QStringLiteral("vm9_")));
        QCOMPARE(decryptWith(*form, held), QStringLiteral("Meet me at nine"));
        QVERIFY(description.contains(QStringLiteral("Camera apps keep what they read")));
        QCOMPARE(named, QStringLiteral("QR Code|QR Code"));
        const int side = vellum::text::QrCodeOf(held.toStdString()).Size() + 8;
        const double ratio = drawn.devicePixelRatio();
        QCOMPARE(drawn.width(), drawn.height());
        QCOMPARE(drawn.width() % side, 0);
        QVERIFY(drawn.width() / side >= qRound(3 * ratio));

        form->txtIn->setText(QString(2000, QLatin1Char('x')));
        form->cmdEncrypt->click();
        const ErrorBox tooLong = errorBoxOf([&] { form->showQrCode->trigger(); });
        QVERIFY2(tooLong.text.contains(QStringLiteral("too many for one QR code, which holds at "
                                                      "most 2331.")),
                 qPrintable(tooLong.text));
        form->txtOut->clear();
        const ErrorBox nothing = errorBoxOf([&] { form->showQrCode->trigger(); });
        QVERIFY(nothing.text.startsWith(QStringLiteral("There is no scrambled text to show")));
    }

    void changeWindowStateSetsTheStateAndLeavesTheFloat() {
        const qint16 minimised = 1, normal = 0, maximised = 2, invalid = 3;
        form->ChangeWindowState(minimised);
        QVERIFY(form->windowState().testFlag(Qt::WindowMinimized));
        form->ChangeWindowState(normal);
        QCOMPARE(form->windowState(), Qt::WindowNoState);
        form->ChangeWindowState(maximised);
        QVERIFY(form->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form->ChangeWindowState(invalid));
        QVERIFY(form->cmdOnTop->isChecked());
        QCOMPARE(form->cmdOnTop->text(), QStringLiteral("Sink"));
    }

    // Last of all: once the event loop has been told to exit, no later modal box would run.
    void altXEndsTheEventLoopWithStatusZero() {
        QEventLoop loop;
        QTimer::singleShot(0, [this] { QTest::keyClick(form.get(), Qt::Key_X, Qt::AltModifier); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
    }

private:
    std::unique_ptr<Form1> form;
    QString startCaption;
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
