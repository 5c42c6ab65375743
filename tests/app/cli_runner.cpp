#include "cli_runner.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlane::cli::test {

void CliTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorlane-cli-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
}

void CliTest::TearDown() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
}

CliResult CliTest::Run(const std::vector<std::string>& arguments) const {
    const std::string outPath = (dir_ / ".stdout").string();
    const std::string errPath = (dir_ / ".stderr").string();
    std::vector<std::string> argv{VORLANE_CLI_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (auto& a : argv) pointers.push_back(a.data());
    pointers.push_back(nullptr);

    CliResult result;
    pid_t child = ::fork();
    if (child == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0) ::_exit(127);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execv(pointers[0], pointers.data());
        ::_exit(127);
    }
    EXPECT_GT(child, 0);
    if (child <= 0) return result;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status)) << "vorlane-cli did not exit normally";
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

::testing::AssertionResult IsOneLine(const std::string& text) {
    if (text.empty() || text.back() != '\n') return ::testing::AssertionFailure() << "not a line: \"" << text << '"';
    if (text.find('\n') != text.size() - 1)
        return ::testing::AssertionFailure() << "more than one line: \"" << text << '"';
    return ::testing::AssertionSuccess();
}

}  // namespace vorlane::cli::test
