#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vellum::app {
namespace {

std::optional<Request> parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vellumark9");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return Parse(static_cast<int>(arguments.size()), argv.data());
}

TEST(CommandLineTest, ReadsTheOptionsTheGnuWayAndSpellsQtsOptionsOutForTheWindow) {
    using Arguments = std::vector<std::string>;
    const struct {
        Arguments given;
        Action action;
        Arguments forWindow;
    } cases[] = {
        {{}, Action::Window, {}},
        {{"--"}, Action::Window, {}},
        {{"--encrypt"}, Action::Encrypt, {}},
        {{"--enc"}, Action::Encrypt, {}},
        {{"-decrypt"}, Action::Decrypt, {}},
        {{"-h"}, Action::Help, {}},
        {{"--he", "--encrypt", "--decrypt"}, Action::Help, {}},
        {{"-v", "--decrypt"}, Action::Version, {}},
        {{"--version", "-platform", "xcb"}, Action::Version, {"-platform", "xcb"}},
        {{"-platform", "offscreen", "-style=fusion", "-reverse"},
         Action::Window,
         {"-platform", "offscreen", "-style", "fusion", "-reverse"}},
        {{"--platformt", "gtk3", "-stylesh", "a.qss"},
         Action::Window,
         {"-platformtheme", "gtk3", "-stylesheet", "a.qss"}},
        {{"--decrypt", "--"}, Action::Decrypt, {}},
        {{"--encrypt", "-a"}, Action::EncryptToPrintable, {}},
        {{"--arm", "--enc"}, Action::EncryptToPrintable, {}},
        {{"--help", "--armor"}, Action::Help, {}},
    };
    for (const auto& each : cases) {
        const std::optional<Request> request = parse(each.given);
        ASSERT_TRUE(request.has_value()) << testing::PrintToString(each.given);
        EXPECT_EQ(request->action, each.action) << testing::PrintToString(each.given);
        EXPECT_EQ(request->windowArguments, each.forWindow);
    }
}

TEST(CommandLineTest, RefusesWhatItCannotReadAndPointsToHelp) {
    const struct {
        std::vector<std::string> given;
        std::string said;
    } cases[] = {
        {{"--no-such-option"}, "unrecognized option '--no-such-option'"},
        {{"-d"}, "is ambiguous"}, // --decrypt, -display or -dograb
        {{"-plat", "xcb"}, "is ambiguous"},
        {{"-platform"}, "requires an argument"},
        {{"-qmljsdebugger=port:1"}, "unrecognized option"},
        {{"note.txt"}, "unexpected argument 'note.txt'; Vellumark9 takes none"},
        {{"--encrypt", "--", "--decrypt"}, "unexpected argument '--decrypt'"},
        {{"--encrypt", "--decrypt"}, "--encrypt and --decrypt cannot be used together"},
        {{"--decrypt", "--armor"}, "--armor goes with --encrypt"},
        {{"-a"}, "--armor goes with --encrypt"},
    };
    for (const auto& each : cases) {
        testing::internal::CaptureStderr();
        const std::optional<Request> request = parse(each.given);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(request.has_value()) << testing::PrintToString(each.given);
        EXPECT_NE(said.find("vellumark9: "), std::string::npos) << said;
        EXPECT_NE(said.find(each.said), std::string::npos) << said;
        EXPECT_NE(said.find("Try 'vellumark9 --help' for more information."), std::string::npos)
            << said;
    }
}

} // namespace
} // namespace vellum::app
