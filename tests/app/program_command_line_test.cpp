// The windowed program's command line, where there is no display at all.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

#ifdef VORLANE_GUI_PATH
struct Outcome {
    int exitCode = -1;
    std::string output;
};

Outcome RunWithoutDisplay(const std::string& arguments) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " VORLANE_GUI_PATH " " +
                                arguments + " 2>&1 </dev/null";
    Outcome outcome;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return outcome;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) outcome.output += buffer.data();
    const int status = ::pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(ProgramCommandLine, AWrongCommandLineSaysSoAndExitsOneWithoutADisplay) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"--frobnicate", "vorlane: Unknown option 'frobnicate'.\nTry 'vorlane --help' for more information.\n"},
        {"-platform offscreen --frobnicate", "vorlane: Unknown option 'frobnicate'."},
        {"one.dat two.dat", "vorlane: only one file can be opened at a time\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunWithoutDisplay(c.arguments);
        EXPECT_EQ(outcome.exitCode, 1) << c.arguments << ": " << outcome.output;
        EXPECT_EQ(outcome.output.rfind(c.message, 0), 0u) << c.arguments << ": " << outcome.output;
    }
    const Outcome version = RunWithoutDisplay("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output.rfind("Vorlane ", 0), 0u) << version.output;
}
#endif

}  // namespace
