#include "Form1.h"
#include "Startup.h"

#include <QApplication>

// The window program, which vellumark9 starts when no option asks for anything else; it is
// given Qt's options alone.
int main(int argc, char* argv[]) {
    vellum::PreferFloatablePlatform();
    vellum::EndCleanlyOnFatalErrors();
    QApplication app(argc, argv);
    vellum::ApplyProgramSettings();
    vellum::Form1 form;
    form.show();
    return QApplication::exec();
}
