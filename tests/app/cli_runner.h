#pragma once
// Runs the built vorlane-cli as a separate process, the way scripts will.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vorlane::cli::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A fresh folder per test, removed afterwards.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    CliResult Run(const std::vector<std::string>& arguments) const;

private:
    std::filesystem::path dir_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Exactly one line, ended by a newline.
::testing::AssertionResult IsOneLine(const std::string& text);

}  // namespace vorlane::cli::test
