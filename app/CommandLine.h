#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The program's command line: the options, the filters and the start of the window. Nothing here
// loads Qt, so that a filter, --help and --version start as quickly as any small tool.
namespace vellum::app {

enum class Action : std::uint8_t {
    Window,
    Help,
    Version,
    Encrypt,
    EncryptToPrintable,
    EncryptToQrCode,
    Decrypt
};

struct Request {
    Action action = Action::Window;
    // Qt's own options for the window, each spelt out whole, as Qt reads them: an abbreviation
    // that the parser accepted would mean nothing to Qt.
    std::vector<std::string> windowArguments;
};

// Reads the options the GNU way (getopt_long_only: "--", unique abbreviations, and Qt's
// single-dash options such as -platform). A usage error is reported on standard error, with a
// pointer to --help, and gives nothing.
std::optional<Request> Parse(int argc, char* argv[]);

// The whole program: answers the command line and returns the exit status, or replaces this
// process with the window program.
int Run(int argc, char* argv[]);

} // namespace vellum::app
