#include "app/CommandLine.h"

#include "filter/Catalogue.h"
#include "filter/LineFilter.h"
#include "generated/Version.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <getopt.h>
#include <string_view>
#include <unistd.h>

namespace vellum::app {

namespace {

constexpr char kProgram[] = "vellumark9";
constexpr int kFailure = 1;
constexpr int kUsageError = 2;
// What the shell and env(1) return for a program they could not start.
constexpr int kCannotStart = 126;
constexpr int kNotFound = 127;

// The window program, relative to this program's folder; the build tree lays the two out as an
// installation does, so this holds in both.
constexpr std::string_view kWindowProgram = VELLUM_WINDOW_PROGRAM;
// The message catalogues, likewise.
constexpr std::string_view kLocaleFolder = VELLUM_LOCALE_DIR;
constexpr char kInstalledLocaleFolder[] = VELLUM_INSTALLED_LOCALE_DIR;

// What getopt returns for each option: a short option's letter, otherwise a number past any byte.
constexpr int kHelp = 'h';
constexpr int kVersion = 'v';
constexpr int kArmor = 'a';
constexpr int kEncrypt = 256;
constexpr int kDecrypt = 257;
constexpr int kQrCode = 258;
constexpr int kFirstQtOption = 259;

// The program's own options, in the order --help lists them.
struct OwnOption {
    option parsed;
    const char* shown;
    text::Translatable help; // a line break goes on in the column of the first line
};
constexpr OwnOption kOwnOptions[] = {
    {{"help", no_argument, nullptr, kHelp},
     "-h, --help",
     VELLUM_TRANSLATABLE("CommandLine", "Shows this help and exits.")},
    {{"version", no_argument, nullptr, kVersion},
     "-v, --version",
     VELLUM_TRANSLATABLE("CommandLine", "Shows the version and exits.")},
    {{"encrypt", no_argument, nullptr, kEncrypt},
     "--encrypt",
     VELLUM_TRANSLATABLE("CommandLine",
                         "Scrambles each line of standard input into one line of\nstandard "
                         "output; never onto a terminal without --armor.")},
    {{"decrypt", no_argument, nullptr, kDecrypt},
     "--decrypt",
     VELLUM_TRANSLATABLE("CommandLine",
                         "Unscrambles each line of standard input, bare or printable,\ninto one "
                         "line of standard output; on a terminal, control\ncharacters show as "
                         "^N. Refuses a line that holds a line\nbreak.")},
    {{"armor", no_argument, nullptr, kArmor},
     "-a, --armor",
     VELLUM_TRANSLATABLE("CommandLine",
                         "With --encrypt: writes each ciphertext in its printable\nform, letters, "
                         "digits and underscores only, which a\nterminal, a document or a "
                         "message keeps whole.")},
    {{"qr", no_argument, nullptr, kQrCode},
     "--qr",
     VELLUM_TRANSLATABLE("CommandLine",
                         "With --encrypt, onto a terminal: draws each printable form\nas a QR "
                         "code for a phone's camera, then writes the form;\ncamera apps keep "
                         "what they read.")}};
constexpr char kShortOptions[] = "hva";

// What QGuiApplication and QApplication read from the command line themselves, so that a user can
// still choose a platform or a style; the manual page lists them.
struct QtOption {
    const char* name;
    int argument;
};
constexpr QtOption kQtOptions[] = {{"platform", required_argument},
                                   {"platformpluginpath", required_argument},
                                   {"platformtheme", required_argument},
                                   {"plugin", required_argument},
                                   {"qwindowgeometry", required_argument},
                                   {"qwindowicon", required_argument},
                                   {"qwindowtitle", required_argument},
                                   {"session", required_argument},
                                   {"display", required_argument},
                                   {"geometry", required_argument},
                                   {"title", required_argument},
                                   {"name", required_argument},
                                   {"icon", required_argument},
                                   {"visual", required_argument},
                                   {"style", required_argument},
                                   {"stylesheet", required_argument},
                                   {"reverse", no_argument},
                                   {"widgetcount", no_argument},
                                   {"nograb", no_argument},
                                   {"dograb", no_argument},
                                   {"sync", no_argument}};

std::vector<option> allOptions() {
    std::vector<option> options;
    for (const OwnOption& own : kOwnOptions)
        options.push_back(own.parsed);
    for (int at = 0; const QtOption& qt : kQtOptions)
        options.push_back({qt.name, qt.argument, nullptr, kFirstQtOption + at++});
    options.push_back({});
    return options;
}

// A message of the command line's own, in the user's language.
std::string translated(text::Translatable text, std::vector<std::string> arguments = {}) {
    return filter::Translated({text, std::move(arguments)});
}

// Every message of the program's own goes through here.
void complain(std::string_view message) {
    std::fprintf(stderr, "%s: %.*s\n", kProgram, static_cast<int>(message.size()), message.data());
}

std::string systemError(const std::string& what, int error) {
    return what + ": " + std::strerror(error);
}

std::nullopt_t usageError(std::string_view why) {
    if (!why.empty())
        complain(why);
    std::fprintf(
        stderr, "%s\n",
        translated(VELLUM_TRANSLATABLE("CommandLine", "Try '%1 --help' for more information."),
                   {kProgram})
            .c_str());
    return std::nullopt;
}

std::string helpText() {
    constexpr std::size_t kHelpColumn = 17;
    std::string text = translated(VELLUM_TRANSLATABLE(
        "CommandLine", "Usage: vellumark9 [options]\n"
                       "Scrambles a line of text and unscrambles it again, in a small window, or\n"
                       "line by line from standard input to standard output (UTF-8) with\n"
                       "--encrypt or --decrypt. Every line comes back exactly: any script,\n"
                       "emoji, tabs and other control characters, and any length.\n"
                       "It is a scrambler, not encryption: anyone who has this program can read\n"
                       "every text it makes.\n\nOptions:\n"));
    for (const OwnOption& own : kOwnOptions) {
        std::string line = std::string("  ") + own.shown;
        line.resize(kHelpColumn, ' ');
        for (const char character : translated(own.help))
            line += character == '\n' ? '\n' + std::string(kHelpColumn, ' ')
                                      : std::string(1, character);
        text += line + '\n';
    }
    return text + '\n' +
           translated(VELLUM_TRANSLATABLE(
               "CommandLine", "Qt's own options, such as -platform and -style, reach the window; "
                              "see\nvellumark9(1).\n")) +
           translated(VELLUM_TRANSLATABLE("CommandLine",
                                          "The same in any web browser, offline: the page\n%1 "
                                          "(package vellumark9-web).\n"),
                      {VELLUM_PAGE_PATH});
}

std::string versionText() {
    return std::string("Vellumark9 ") + kVersionText +
           "\nCopyright (c) 2026 Vellum41\n"
           "License MIT <https://opensource.org/licenses/MIT>.\n" +
           translated(VELLUM_TRANSLATABLE(
               "CommandLine", "This is free software: you are free to change and redistribute "
                              "it.\nThere is NO WARRANTY, to the extent permitted by law.\n"));
}

bool isClosed(int descriptor) {
    return ::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF;
}

int print(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        complain(systemError(
            translated(VELLUM_TRANSLATABLE("CommandLine", "cannot write the output")), errno));
        return kFailure;
    }
    return 0;
}

int runFilter(filter::Direction direction) {
    if (const std::optional<std::string> failure =
            filter::Run(direction, STDIN_FILENO, STDOUT_FILENO)) {
        complain(*failure);
        return kFailure;
    }
    return 0;
}

// The folder of the running program, from the kernel, so that it holds however it was started.
std::optional<std::string> ownFolder() {
    std::array<char, PATH_MAX> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) == path.size())
        return std::nullopt;
    std::string folder(path.data(), static_cast<std::size_t>(length));
    return folder.substr(0, folder.rfind('/'));
}

// A path relative to the running program's folder, made absolute.
std::optional<std::string> besideProgram(std::string_view relative) {
    std::optional<std::string> folder = ownFolder();
    if (!folder)
        return std::nullopt;
    for (; relative.starts_with("../"); relative.remove_prefix(3))
        folder->erase(std::min(folder->rfind('/'), folder->size())); // "/" itself has no parent
    return *folder + '/' + std::string(relative);
}

// Qt opens files and sockets of its own; one that took the number of a closed standard
// descriptor would receive what is meant for the terminal.
void openClosedStandardDescriptors() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (isClosed(descriptor))
            ::open("/dev/null", O_RDWR);
}

int startWindow(const char* invokedAs, const std::vector<std::string>& qtArguments) {
    const std::optional<std::string> program = besideProgram(kWindowProgram);
    if (!program) {
        complain(systemError(
            translated(VELLUM_TRANSLATABLE("CommandLine", "cannot find the window program: %1"),
                       {"/proc/self/exe"}),
            errno));
        return kNotFound;
    }
    // Qt takes the window's class from the name the program was started as.
    std::vector<char*> arguments{const_cast<char*>(invokedAs)};
    for (const std::string& argument : qtArguments)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    openClosedStandardDescriptors();
    ::execv(program->c_str(), arguments.data());
    const int error = errno;
    complain(systemError(
        translated(VELLUM_TRANSLATABLE("CommandLine", "cannot start the window: %1"), {*program}),
        error));
    return error == ENOENT ? kNotFound : kCannotStart;
}

struct Asked {
    bool help = false;
    bool version = false;
    bool encrypt = false;
    bool decrypt = false;
    bool armor = false;
    bool qrCode = false;

    // Notes one of the program's own options; false for any other.
    bool Take(int id) {
        switch (id) {
        case kHelp:
            help = true;
            return true;
        case kVersion:
            version = true;
            return true;
        case kEncrypt:
            encrypt = true;
            return true;
        case kDecrypt:
            decrypt = true;
            return true;
        case kArmor:
            armor = true;
            return true;
        case kQrCode:
            qrCode = true;
            return true;
        default:
            return false;
        }
    }

    Action action() const {
        if (help)
            return Action::Help;
        if (version)
            return Action::Version;
        if (encrypt && qrCode)
            return Action::EncryptToQrCode;
        if (encrypt)
            return armor ? Action::EncryptToPrintable : Action::Encrypt;
        return decrypt ? Action::Decrypt : Action::Window;
    }
};

void addQtOption(Request& request, int id, const char* value) {
    const QtOption& qt = kQtOptions[id - kFirstQtOption];
    request.windowArguments.push_back(std::string("-") + qt.name);
    if (qt.argument == required_argument)
        request.windowArguments.emplace_back(value);
}

// Whether standard input and output can serve `action`: what it reads from is open, what it
// writes to is open, and --qr's output is a terminal. Says what is wrong when they cannot.
bool streamsServe(Action action, bool inputClosed, bool outputClosed) {
    const bool filtering =
        action != Action::Help && action != Action::Version && action != Action::Window;
    if (action != Action::Window && outputClosed) {
        complain(translated(VELLUM_TRANSLATABLE(
            "CommandLine", "standard output is closed; there is nowhere to write to")));
        return false;
    }
    if (filtering && inputClosed) {
        complain(translated(VELLUM_TRANSLATABLE(
            "CommandLine", "standard input is closed; there is nothing to read")));
        return false;
    }
    if (action == Action::EncryptToQrCode && ::isatty(STDOUT_FILENO) != 1) {
        complain(translated(VELLUM_TRANSLATABLE(
            "CommandLine", "--qr draws on a terminal only; into a pipe or a file, --armor writes "
                           "the printable forms")));
        return false;
    }
    return true;
}

} // namespace

std::optional<Request> Parse(int argc, char* argv[]) {
    if (argc < 1)
        return Request{};
    const std::vector<option> options = allOptions();
    // getopt names the program by argv[0] in its messages; the program's own say "vellumark9".
    std::vector<char*> arguments(argv, argv + argc + 1);
    std::string name = kProgram;
    arguments[0] = name.data();
    optind = 0; // a fresh parse, also when called again
    opterr = 1;
    Request request;
    Asked asked;
    for (int id = 0; (id = getopt_long_only(argc, arguments.data(), kShortOptions, options.data(),
                                            nullptr)) != -1;) {
        if (id == '?')
            return usageError({}); // getopt has said what is wrong
        if (!asked.Take(id))
            addQtOption(request, id, optarg);
    }
    if (optind < argc)
        return usageError(translated(
            VELLUM_TRANSLATABLE("CommandLine", "unexpected argument '%1'; Vellumark9 takes none"),
            {arguments[optind]}));
    const Action action = asked.action();
    const bool encrypting = action == Action::Encrypt || action == Action::EncryptToPrintable ||
                            action == Action::EncryptToQrCode;
    if (asked.encrypt && asked.decrypt && encrypting)
        return usageError(translated(
            VELLUM_TRANSLATABLE("CommandLine", "--encrypt and --decrypt cannot be used together")));
    if (asked.armor && !encrypting && action != Action::Help && action != Action::Version)
        return usageError(translated(VELLUM_TRANSLATABLE(
            "CommandLine", "--armor goes with --encrypt; --decrypt reads either form by itself")));
    if (asked.qrCode && !encrypting && action != Action::Help && action != Action::Version)
        return usageError(
            translated(VELLUM_TRANSLATABLE("CommandLine", "--qr goes with --encrypt")));
    request.action = action;
    return request;
}

int Run(int argc, char* argv[]) {
    // Before anything opens a file that could take their numbers.
    const bool inputClosed = isClosed(STDIN_FILENO);
    const bool outputClosed = isClosed(STDOUT_FILENO);
    filter::OpenCatalogue(besideProgram(kLocaleFolder).value_or(kInstalledLocaleFolder));
    const std::optional<Request> request = Parse(argc, argv);
    if (!request)
        return kUsageError;
    if (!streamsServe(request->action, inputClosed, outputClosed))
        return kUsageError;
    switch (request->action) {
    case Action::Help:
        return print(helpText());
    case Action::Version:
        return print(versionText());
    case Action::Encrypt:
        return runFilter(filter::Direction::Encrypt);
    case Action::EncryptToPrintable:
        return runFilter(filter::Direction::EncryptToPrintable);
    case Action::EncryptToQrCode:
        return runFilter(filter::Direction::EncryptToQrCode);
    case Action::Decrypt:
        return runFilter(filter::Direction::Decrypt);
    case Action::Window:
        break;
    }
    return startWindow(argc > 0 ? argv[0] : kProgram, request->windowArguments);
}

} // namespace vellum::app
