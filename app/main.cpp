#include "Form1.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = vellum::AnswerCommandLine(argc, argv))
        return *status;
    vellum::PreferFloatablePlatform();
    QApplication app(argc, argv);
    vellum::ApplyProgramSettings();
    vellum::Form1 form;
    form.show();
    return QApplication::exec();
}
