#include "window/Form1.h"
#include "window/Startup.h"

#include <QApplication>

// The window program, which vellumark9 starts when no option asks for anything else; it is
// given Qt's options alone.
int main(int argc, char* argv[]) {
    vellum::window::PreferFloatablePlatform();
    vellum::window::EndCleanlyOnFatalErrors();
    QApplication app(argc, argv);
    vellum::window::ApplyProgramSettings();
    vellum::window::LoadTranslations();
    vellum::window::Form1 form;
    form.show();
    return QApplication::exec();
}
