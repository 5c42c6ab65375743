#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "cli_runner.h"
#include "storage/database_file.h"

namespace vorlane::cli::test {
namespace {

// The lock file a running program leaves beside the database it has open:
// this test process stands in for it.
void HoldAsARunningProgram(const std::string& database) {
    char host[HOST_NAME_MAX + 1] = {};
    ::gethostname(host, sizeof host - 1);
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").filename().string();
    std::ofstream(database + ".lock") << ::getpid() << '\n' << program << '\n' << host << '\n';
}

TEST_F(CliTest, WritersRefuseAFileAProgramHasOpen) {
    Database db;
    db.records.resize(2);
    db.records[0].Name = "b";
    db.records[1].Name = "a";
    ASSERT_TRUE(SaveDatabaseFile(db, Path("in.dat")).ok);
    const std::string held = Path("held.dat");
    ASSERT_TRUE(SaveDatabaseFile(db, held).ok);
    const std::string before = ReadBytes(held);
    HoldAsARunningProgram(held);

    const std::vector<std::vector<std::string>> commands = {
        {"resave", Path("in.dat"), held},
        {"sort", Path("in.dat"), "1", held},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        CliResult result = Run(command);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(IsOneLine(result.err));
        EXPECT_NE(result.err.find(held + " is open in "), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("(process " + std::to_string(::getpid())), std::string::npos) << result.err;
        EXPECT_EQ(ReadBytes(held), before);
    }

    // Free again: written, and no lock is left behind.
    std::filesystem::remove(held + ".lock");
    CliResult result = Run({"resave", Path("in.dat"), held});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_FALSE(std::filesystem::exists(held + ".lock"));
}

}  // namespace
}  // namespace vorlane::cli::test
