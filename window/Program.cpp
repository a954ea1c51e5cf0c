#include "Program.h"

#include "Version.h"

#include <QGuiApplication>

namespace vellum {

void PreferFloatablePlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void ApplyProgramSettings() {
    QGuiApplication::setApplicationName(QStringLiteral("Vellumark9"));
    QGuiApplication::setApplicationVersion(QString::fromStdString(version::Text()));
    QGuiApplication::setOrganizationName(QStringLiteral("Vellum41"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vellum41.Vellumark9"));
}

} // namespace vellum
