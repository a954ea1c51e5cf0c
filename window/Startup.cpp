#include "window/Startup.h"

#include "generated/Version.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace vellum::window {

namespace {

QtMessageHandler qtsOwnHandler = nullptr;

// Qt lays every window out from right to left when a catalogue answers "RTL" to this text; it is
// marked here so that the program's own catalogues answer it, with or without Qt's installed.
[[maybe_unused]] constexpr struct {
    const char* source;
    const char* comment;
} kLayoutDirection = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        qtsOwnHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "vellumark9: the window cannot start: %s\n", qPrintable(message));
    std::_Exit(1);
}

} // namespace

void PreferFloatablePlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void EndCleanlyOnFatalErrors() {
    qtsOwnHandler = qInstallMessageHandler(endOnFatal);
}

void LoadTranslations() {
    const auto install = [](const QString& catalogue, const QString& folder) {
        auto* const translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(), catalogue, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("vellumark9"), QStringLiteral(":/i18n"));
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void ApplyProgramSettings() {
    QGuiApplication::setApplicationName(QStringLiteral("Vellumark9"));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
    QGuiApplication::setOrganizationName(QStringLiteral("Vellum41"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellum41.Vellumark9"));
}

} // namespace vellum::window
