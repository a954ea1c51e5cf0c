#include "tests/PluralPhrases.h"
#include "window/Form1.h"

#include <QApplication>
#include <QGlyphRun>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QTranslator>
#include <memory>

using vellum::window::Form1;

// The window in each shipped language and the pseudo-language, with a pinned font and style, as
// ctest runs it at a device pixel ratio of 1 and of 2 (96 and 192 dpi): every caption shown
// whole in real glyphs, the controls in the design's order, mirrored where the language reads
// from right to left, and English exactly as designed.
namespace {

QStringList shippedLanguages() {
    return QStringLiteral(VELLUM_LANGUAGES).split(QLatin1Char(','));
}

QString catalogueOf(const QString& language) {
    return QStringLiteral(":/i18n/vellumark9_%1.qm").arg(language);
}

// Whether every character of `control`'s caption has a glyph of its own in the font it is shown
// in or the font Qt falls back on, rather than the empty box a missing glyph shows as.
bool showsRealGlyphs(const QWidget* control) {
    QTextLayout layout(control->property("text").toString().remove(QLatin1Char('&')),
                       control->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.begin(), runs.end(),
                        [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

// Where `control` stands in the design's terms: mirrored back in the window's width where the
// window reads from right to left.
QRect inDesign(const QWidget* window, const QWidget* control) {
    return QStyle::visualRect(window->layoutDirection(), window->rect(), control->geometry());
}

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
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("en") << QString() << false;
        for (const QString& language : shippedLanguages())
            QTest::newRow(qPrintable(language))
                << catalogueOf(language) << (QLocale(language).textDirection() == Qt::RightToLeft);
        QTest::newRow("pseudo") << QStringLiteral(VELLUM_PSEUDO_QM) << false;
    }

    void everyCaptionShowsWholeInItsPlace() {
        QFETCH(QString, catalogue);
        QFETCH(bool, rightToLeft);
        QTranslator translator;
        QVERIFY(catalogue.isEmpty() || translator.load(catalogue));
        QCoreApplication::installTranslator(&translator);
        Form1 form;
        form.show();
        QCOMPARE(form.isRightToLeft(), rightToLeft);
        const QList<QWidget*> captioned = {form.Label1,     form.Label2,  form.cmdEncrypt,
                                           form.cmdDecrypt, form.cmdExit, form.cmdOnTop};
        for (int toggled = 0; toggled < 2; ++toggled, form.cmdOnTop->click())
            for (const QWidget* control : captioned) {
                QVERIFY2(showsWhole(control), qPrintable(describe(control)));
                QVERIFY2(showsRealGlyphs(control), qPrintable(describe(control)));
                QVERIFY(form.rect().contains(control->geometry()));
            }
        const auto design = [&form](const QWidget* control) {
            return inDesign(&form, control);
        };
        QVERIFY(design(form.cmdEncrypt).right() < design(form.cmdDecrypt).x());
        QVERIFY(design(form.cmdDecrypt).right() < design(form.cmdExit).x());
        QVERIFY(design(form.Label1).right() < design(form.cmdOnTop).x());
        for (const QWidget* flush :
             std::initializer_list<const QWidget*>{form.cmdExit, form.cmdOnTop, form.txtOut})
            QCOMPARE(design(flush).right(), design(form.txtIn).right());
        QCOMPARE(design(form.Label1).x(), design(form.txtIn).x());
        // Each box reads its line in the line's own direction, and an empty one the window's.
        for (const auto& [line, direction] :
             {std::pair{QStringLiteral("vm9_Meet me"), Qt::LeftToRight},
              std::pair{QStringLiteral("مرحبا 9"), Qt::RightToLeft},
              std::pair{QString(), form.layoutDirection()}}) {
            form.txtOut->setText(line);
            QCOMPARE(form.txtOut->layoutDirection(), direction);
        }
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

    // The plural table through the window's catalogues and Qt's rules, and through the error box
    // for the counts that a printable text's length can be.
    void countsTakeThePluralFormOfTheirLanguage() {
        for (const vellum::tests::PluralPhrase& row :
             vellum::tests::PluralPhrases(VELLUM_PLURAL_PHRASES)) {
            QTranslator translator;
            QVERIFY(translator.load(catalogueOf(QString::fromStdString(row.language))));
            QCoreApplication::installTranslator(&translator);
            const auto count = static_cast<int>(row.count);
            const QString announced = QCoreApplication::translate(
                                          "vellum::window::Form1",
                                          "Encrypted: %1 characters in the output.", nullptr, count)
                                          .replace(QStringLiteral("%1"), QString::number(count));
            QVERIFY2(vellum::tests::SaysInWords(announced.toStdString(), row.phrase),
                     qPrintable(announced));
            if (count >= 4 && count != 7 && (count < 7 || (count - 7) % 3 == 1)) {
                Form1 form;
                form.txtIn->setText(QStringLiteral("vm9_") + QString(count - 4, QLatin1Char('1')));
                const QString box = boxOf([&form] { form.cmdDecrypt->click(); }).value(1);
                QVERIFY2(vellum::tests::SaysInWords(box.toStdString(), row.phrase),
                         qPrintable(box));
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }

    // What a user of each language sees and hears besides the captions: the error box with the
    // component's own description, and Qt's own texts from its catalogue.
    void messagesAndQtsOwnTextsSpeakTheLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void messagesAndQtsOwnTextsSpeakTheLanguage() {
        QFETCH(QString, language);
        QTranslator program;
        QTranslator qt;
        QVERIFY(program.load(catalogueOf(language)));
        QVERIFY(qt.load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&program);
        QCoreApplication::installTranslator(&qt);
        Form1 form;
        form.show();
        const QStringList box = boxOf([&form] { form.cmdDecrypt->click(); });
        const char* const description = "Error deciphering encrypted data.";
        QCOMPARE(box.value(0), Form1::tr("Error Occurred"));
        QVERIFY(box.value(0) != QStringLiteral("Error Occurred"));
        QVERIFY2(
            box.value(1).endsWith(QCoreApplication::translate("ComponentSecurity", description)),
            qPrintable(box.value(1)));
        QVERIFY(!box.value(1).endsWith(QLatin1String(description)));
        QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != QStringLiteral("&Undo"));
        // One access key for each, among the window's commands, and among the items of the
        // output box's menu, Qt's own, Copy as Printable Text and Show as QR Code.
        const std::unique_ptr<QMenu> menu(form.txtOut->createStandardContextMenu());
        menu->addAction(form.copyPrintable);
        menu->addAction(form.showQrCode);
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
