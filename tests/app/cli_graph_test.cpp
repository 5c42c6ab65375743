// vorlane-cli graph: records per child value, and the two sums.

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "storage/database_file.h"

namespace vorlane::cli::test {
namespace {

class GraphCommandTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        Database db;
        db.valueTrees[0] = "France\r\n\tBordeaux\r\n\t\tPauillac\r\n\tBurgundy\r\nCh\xE2teau\r\n";
        auto add = [&](const char* region, const char* paid) {
            ItemRecord r;
            r.Description(1) = region;
            r.Details[1] = paid;
            r.Details[8] = "10";
            db.records.push_back(r);
        };
        add("Pauillac : Bordeaux : France", "12.5");
        add("bordeaux : france", "1");
        add("Burgundy : France", "3");
        add("Ch\xE2teau", "4");
        FileResult saved = SaveDatabaseFile(db, Path("cellar.dat"));
        ASSERT_TRUE(saved.ok) << saved.error;
    }
};

TEST_F(GraphCommandTest, PrintsOneLinePerChildThenTheSums) {
    struct Case {
        std::vector<std::string> arguments;
        const char* out;
    };
    const Case cases[] = {
        {{"1"}, "France\t3\nCh\xC3\xA2teau\t1\nPaid\t20.50\nValue\t40.00\n"},
        {{"1", "France"}, "Bordeaux\t2\nBurgundy\t1\nPaid\t16.50\nValue\t30.00\n"},
        {{"1", "Bordeaux : France"}, "Pauillac\t1\nPaid\t12.50\nValue\t10.00\n"},
        {{"1", "France", "--json"},
         "{\n  \"description\": 1,\n  \"label\": \"Region\",\n  \"value\": \"France\",\n  \"children\": [\n"
         "    {\n      \"caption\": \"Bordeaux\",\n      \"count\": 2\n    },\n"
         "    {\n      \"caption\": \"Burgundy\",\n      \"count\": 1\n    }\n  ],\n"
         "  \"sums\": [\n    {\n      \"label\": \"Paid\",\n      \"sum\": 16.5\n    },\n"
         "    {\n      \"label\": \"Value\",\n      \"sum\": 30.0\n    }\n  ]\n}\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"graph", Path("cellar.dat")};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, c.out);
    }
}

TEST_F(GraphCommandTest, BadArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"0"}, {"11"}, {"x"}, {"1", "Spain"}, {"1", "Burgundy : France"}, {"1", "France", "x", "y"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"graph", Path("cellar.dat")};
        arguments.insert(arguments.end(), c.begin(), c.end());
        CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 1) << c.back();
        EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    }
    EXPECT_EQ(Run({"graph", Path("missing.dat"), "1"}).exitCode, 2);
    // A value's own text names the full paths it could mean.
    EXPECT_EQ(Run({"graph", Path("cellar.dat"), "1", "Bordeaux"}).err,
              "vorlane-cli: description 1 has no value \"Bordeaux\"; it could mean \"Bordeaux : France\"; "
              "usage: vorlane-cli graph DB K [VALUE] [--json]\n");
}

}  // namespace
}  // namespace vorlane::cli::test
