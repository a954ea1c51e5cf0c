#include "window/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <memory>

using vellum::window::Form1;

// The window in each shipped language and the pseudo-language, with a pinned font and style, as
// ctest runs it at a device pixel ratio of 1 and of 2 (96 and 192 dpi): every caption shown
// whole, the controls in the design's order, and English exactly as designed.
namespace {

// Whether `control` shows its caption whole: a button its text and the style's margins, a
// label its size hint.
bool showsWhole(const QWidget* control) {
    const auto* const button = qobject_cast<const QPushButton*>(control);
    if (!button)
        return control->sizeHint().width() <= control->width() &&
               control->sizeHint().height() <= control->height();
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return text.width() + 2 * margin <= button->width() && text.height() <= button->height();
}

QString describe(const QWidget* control) {
    return QStringLiteral("%1 \"%2\" %3x%4")
        .arg(control->objectName(), control->property("text").toString())
        .arg(control->width())
        .arg(control->height());
}

// The title and text of the modal box that `command` opens, which is then closed.
QStringList boxOf(const std::function<void()>& command) {
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text()};
            box->accept();
        }
    });
    command();
    return seen;
}

// Whether no two of `captions` have the same access key.
bool keysAreUnique(const QStringList& captions) {
    QSet<QChar> keys;
    for (const QString& caption : captions) {
        const qsizetype marker = caption.indexOf(QLatin1Char('&'));
        if (marker < 0 || marker + 1 >= caption.size())
            continue;
        const QChar key = caption[marker + 1].toLower();
        if (keys.contains(key))
            return false;
        keys.insert(key);
    }
    return true;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    void everyCaptionShowsWholeInItsPlace_data() {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("en") << QString();
        for (const char* language : {"de", "es", "fr"})
            QTest::newRow(language) << QStringLiteral(":/i18n/vellumark9_%1.qm").arg(language);
        QTest::newRow("pseudo") << QStringLiteral(VELLUM_PSEUDO_QM);
    }

    void everyCaptionShowsWholeInItsPlace() {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(catalogue.isEmpty() || translator.load(catalogue));
        QCoreApplication::installTranslator(&translator);
        Form1 form;
        form.show();
        const QList<QWidget*> captioned = {form.Label1,     form.Label2,  form.cmdEncrypt,
                                           form.cmdDecrypt, form.cmdExit, form.cmdOnTop};
        for (int toggled = 0; toggled < 2; ++toggled, form.cmdOnTop->click())
            for (const QWidget* control : captioned) {
                QVERIFY2(showsWhole(control), qPrintable(describe(control)));
                QVERIFY(form.rect().contains(control->geometry()));
            }
        QVERIFY(form.cmdEncrypt->geometry().right() < form.cmdDecrypt->x());
        QVERIFY(form.cmdDecrypt->geometry().right() < form.cmdExit->x());
        QVERIFY(form.Label1->geometry().right() < form.cmdOnTop->x());
        for (const QWidget* flush :
             std::initializer_list<const QWidget*>{form.cmdExit, form.cmdOnTop, form.txtOut})
            QCOMPARE(flush->geometry().right(), form.txtIn->geometry().right());
        if (catalogue.isEmpty()) {
            const double perTwip = form.logicalDpiX() / 1440.0;
            QCOMPARE(form.size(), QSize(qRound(3636 * perTwip), qRound(2112 * perTwip)));
        } else {
            for (const QString& english : {QStringLiteral("Input:"), QStringLiteral("Encrypt"),
                                           QStringLiteral("&Decrypt"), QStringLiteral("E&xit")})
                QVERIFY(QCoreApplication::translate("vellum::window::Form1",
                                                    english.toUtf8().constData()) != english);
        }
        QCoreApplication::removeTranslator(&translator);
    }

    // What a user of each language sees and hears besides the captions: the error box with the
    // component's own description, and Qt's own texts from its catalogue.
    void messagesAndQtsOwnTextsSpeakTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description");
        QTest::newRow("de") << "de"
                            << "Fehler aufgetreten"
                            << "Fehler beim Entschlüsseln der verschlüsselten Daten.";
        QTest::newRow("es") << "es"
                            << "Se produjo un error"
                            << "Error al descifrar los datos cifrados.";
        QTest::newRow("fr") << "fr"
                            << "Une erreur s’est produite"
                            << "Erreur lors du déchiffrement des données chiffrées.";
    }

    void messagesAndQtsOwnTextsSpeakTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, description);
        QTranslator program;
        QTranslator qt;
        QVERIFY(program.load(QStringLiteral(":/i18n/vellumark9_%1.qm").arg(language)));
        QVERIFY(qt.load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&program);
        QCoreApplication::installTranslator(&qt);
        Form1 form;
        form.show();
        const QStringList box = boxOf([&form] { form.cmdDecrypt->click(); });
        QCOMPARE(box.value(0), title);
        QVERIFY2(box.value(1).endsWith(description), qPrintable(box.value(1)));
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QStringLiteral("&Undo"));
        // One access key for each, among the window's commands, and among the items of the
        // output box's menu, Qt's own and Copy as Printable Text.
        const std::unique_ptr<QMenu> menu(form.txtOut->createStandardContextMenu());
        menu->addAction(form.copyPrintable);
        QStringList inMenu;
        for (const QAction* action : menu->actions())
            inMenu.append(action->text());
        for (const QStringList& captions :
             {QStringList{form.cmdDecrypt->text(), form.cmdExit->text()}, inMenu})
            QVERIFY2(keysAreUnique(captions), qPrintable(captions.join(QStringLiteral(", "))));
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(&program);
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
