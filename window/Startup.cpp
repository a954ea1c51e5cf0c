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
