#include "Program.h"

#include "LineFilter.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace vellum {

namespace {

constexpr char kProgram[] = "vellumark9";
constexpr int kUsageError = 2;

// What QGuiApplication and QApplication read from the command line themselves, so that a user can
// still choose a platform or a style; the manual page lists them.
void acceptQtOptions(QCommandLineParser& parser) {
    const auto hidden = [&parser](QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    const QString withValue = QStringLiteral(
        "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
        "session display geometry title name icon visual style stylesheet");
    for (const QString& name : withValue.split(u' '))
        hidden(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString& name : QStringLiteral("reverse widgetcount nograb dograb sync").split(u' '))
        hidden(QCommandLineOption(name));
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int refuse(const QString& why) {
    print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                      .arg(QString::fromLatin1(kProgram), why));
    return kUsageError;
}

struct ProgramOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption encrypt;
    QCommandLineOption decrypt;
};

ProgramOptions addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Scrambles a line of text and unscrambles it again, in a small window, or\n"
                       "line by line from standard input to standard output (UTF-8) with\n"
                       "--encrypt or --decrypt.\n"
                       "It is a scrambler, not encryption: anyone who has this program can read "
                       "every text it makes.\nQt's own options, such as -platform and -style, "
                       "are accepted too; see vellumark9(1)."));
    // Not addHelpOption(): its --help-all would list Qt's options only through process(), which
    // would also turn an unknown option into exit status 1.
    ProgramOptions options{
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                           QStringLiteral("Shows this help and exits.")),
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                           QStringLiteral("Shows the version and exits.")),
        QCommandLineOption(QStringLiteral("encrypt"),
                           QStringLiteral("Scrambles each line of standard input into one line of "
                                          "standard output; never onto a terminal.")),
        QCommandLineOption(QStringLiteral("decrypt"),
                           QStringLiteral("Unscrambles each line of standard input; on a terminal, "
                                          "control characters show as ^N."))};
    parser.addOptions({options.help, options.version, options.encrypt, options.decrypt});
    acceptQtOptions(parser);
    return options;
}

QString versionText() {
    return QStringLiteral("Vellumark9 %1\n"
                          "Copyright (c) 2026 Vellum41\n"
                          "License MIT <https://opensource.org/licenses/MIT>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QString::fromStdString(version::Text()));
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    QStringList arguments;
    for (int at = 0; at < argc; ++at)
        arguments.append(QString::fromLocal8Bit(argv[at]));
    // QCoreApplication takes -qmljsdebugger out of the argv it is given; the one QApplication will
    // read later must stay whole.
    std::vector<char*> argvCopy(argv, argv + argc + 1);
    const QCoreApplication noDisplayNeeded(argc, argvCopy.data());
    QCommandLineParser parser;
    const auto [help, version, encrypt, decrypt] = addOptions(parser);

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'; Vellumark9 takes none")
                          .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        print(stdout, parser.helpText());
    else if (parser.isSet(version))
        print(stdout, versionText());
    else if (parser.isSet(encrypt) && parser.isSet(decrypt))
        return refuse(QStringLiteral("--encrypt and --decrypt cannot be used together"));
    else if (parser.isSet(encrypt) || parser.isSet(decrypt))
        return filter::Run(parser.isSet(encrypt) ? filter::Direction::Encrypt
                                                 : filter::Direction::Decrypt,
                           STDIN_FILENO, STDOUT_FILENO);
    else
        return std::nullopt;
    return 0;
}

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
