#include "Form1.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    vellum::PreferFloatablePlatform();
    QApplication app(argc, argv);
    vellum::ApplyProgramSettings();
    vellum::Form1 form;
    form.show();
    return QApplication::exec();
}
